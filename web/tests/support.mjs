// What the page's browser tests and benchmark share: the built page served
// on 127.0.0.1, Debian's Chromium driven by playwright-core, and
// tethrix-calc as the desktop's reference.
import {before, after} from 'node:test';
import {execFileSync} from 'node:child_process';
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, resolve} from 'node:path';
import {chromium} from 'playwright-core';

export const site = resolve(process.env.TETHRIX_SITE || 'build-web/site');
export const calc = resolve(process.env.TETHRIX_CALC || 'build/tools/tethrix-calc');

const TYPES = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
               '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json'};

// A static server of the page, as any host would serve the folder (the
// query is ignored). root() names the folder served now; intercept(path,
// res) may answer a request itself, as a broken network or host would.
export async function serve({root = () => site, intercept = () => false} = {}) {
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    if (intercept(path, res)) return;
    const file = join(root(), path.endsWith('/') ? path + 'index.html' : path);
    try {
      const body = await readFile(file);
      res.writeHead(200, {'Content-Type': TYPES[extname(file)] || 'application/octet-stream'});
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise(done => server.listen(0, '127.0.0.1', done));
  return {server, url: `http://127.0.0.1:${server.address().port}/`};
}

export async function browser() {
  return chromium.launch({
    executablePath: process.env.TETHRIX_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
}

// tethrix-calc --json for KEY=VALUE inputs: {status, json, error, advice},
// the advice being the second error line without its key.
export function desktop(args) {
  try {
    const out = execFileSync(calc, ['--no-settings', '--json', ...args], {encoding: 'utf8', stdio: 'pipe'});
    return {status: 0, json: JSON.parse(out), error: '', advice: ''};
  } catch (e) {
    const [error, advice = ''] = String(e.stderr).trim().split('\n').map(l => l.replace(/^tethrix-calc: /, ''));
    return {status: e.status, json: null, error, advice: advice.replace(/^\w+: /, '')};
  }
}

export const FIELD = {an: 'AcName', nl: 'NumLines', ls: 'LineDia', ll: 'LineLength', wl: 'WingLength',
                      hl: 'HndlLngth', wt: 'Weight', lt: 'LapTime', wa: 'WingArea', ArmLngth: 'ArmLngth',
                      HndlAngl: 'HndlAngl', WndSpeed: 'WindSpeed', Temp: 'Temprature', Altitude: 'Preasure',
                      Humidity: 'Humidity', PullMultiple: 'PullMultiple', PullLoad: 'PullLoad'};

// The page's figures as full-precision numbers, by tethrix-calc's keys.
export async function pageFigures(page) {
  return page.evaluate(() => {
    const out = {};
    for (const li of document.querySelectorAll('#Results li:not([hidden])')) out[li.dataset.key] = Number(li.dataset.value);
    out.LapSpeed = Number(document.getElementById('LapSpeed').dataset.value);
    return out;
  });
}

// A new page of context at url, once the calculator has drawn it.
export async function openPage(context, url) {
  const page = await context.newPage();
  page.setDefaultTimeout(5000);
  page.on('dialog', dialog => dialog.accept());  // Defaults asks first
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

// For a test file: the built page served and the browser started before its
// tests, both closed after them; set receives {server, url, chrome}.
export function servePage(set) {
  let shared = {};
  before(async () => {
    shared = {...await serve(), chrome: await browser()};
    set(shared);
  });
  after(async () => {
    await shared.chrome?.close();
    shared.server?.close();
  });
}
