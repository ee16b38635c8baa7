// What the page meets beyond the flier's inputs, in a real browser (Debian's
// Chromium through playwright-core): a calculator that fails to load,
// storage that is blocked or full, and a new build reaching a page that is
// installed and open.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync, mkdirSync, truncateSync, cpSync, appendFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {serve, servePage, openPage, site} from './support.mjs';


let server, url, chrome;
servePage(shared => ({server, url, chrome} = shared));

const open = context => openPage(context, url);

// A page that cannot load its calculator says so and offers to try again;
// it never shows a form that does nothing.
test('a failed load shows why and a retry, never a dead form', async () => {
  const failures = [
    ['**/tethrix.wasm*', route => route.fulfill({status: 404, body: ''})],
    ['**/tethrix.wasm*', route => route.fulfill({status: 200, contentType: 'application/wasm', body: 'garbage'})],
    ['**/charts.js*', route => route.fulfill({status: 404, body: ''})],
    ['**/tethrix.js*', route => route.abort()],
  ];
  for (const [pattern, handler] of failures) {
    const context = await chrome.newContext();
    const page = await context.newPage();
    page.setDefaultTimeout(10000);
    await page.route(pattern, handler);
    await page.goto(url);
    await page.waitForSelector('#LoadError', {state: 'visible'});
    assert.ok(!(await page.isVisible('main')), pattern);
    assert.ok(!(await page.isVisible('#Loading')), pattern);
    assert.match(await page.textContent('#LoadError'), /could not be loaded/);
    if (pattern.includes('charts.js')) {  // the network is back: Try again loads it
      await page.unroute(pattern);
      await page.click('#Retry');
      await page.waitForSelector('body[data-ready="true"]');
      assert.ok(await page.isVisible('main'));
    }
    await context.close();
  }
});

// Blocked site data, a full storage and conditions that cannot be used: the
// page works and says what is not kept or not used; what is stored stays
// as it is until a condition is changed.
test('storage that is blocked, full or holds bad conditions is reported', async () => {
  const stored = text => [text => localStorage.setItem('Tethrix.conditions', text), text];
  const cases = [
    [() => Object.defineProperty(window, 'localStorage', {
       get() { throw new DOMException('The operation is insecure.', 'SecurityError'); }}), /Nothing will be kept/],
    [...stored(JSON.stringify({Temp: 'hot'})), /Stored conditions not used: Temp: 'hot' is not a valid floating point value/],
    [...stored('{bad'), /^Stored conditions not used: they cannot be read \(.*JSON.*\)\. The built-in values stand in/],
    [...stored('[61, 33]'), /Stored conditions not used: they cannot be read \(no set of texts by their keys\)/],
    [...stored('{"Temp": 61, "Humidity": "33"}'), /^Stored conditions not used: Temp: 61 is not a text\. .* kept until/],
    [...stored('{"Tmp": "61"}'), /Stored conditions not used: they hold none of the flying conditions/],
  ];
  for (const [script, arg, message = arg] of cases) {
    const context = await chrome.newContext();
    await context.addInitScript(script, arg);
    const page = await open(context);
    assert.match(await page.textContent('#Error'), message);
    assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
    if (typeof arg === 'string') {
      const kept = () => page.evaluate(() => localStorage.getItem('Tethrix.conditions'));
      assert.equal(await kept(), arg);
      // A condition changed: the set as shown, what could be used of the stored one in it.
      await page.click('#Conditions summary');
      await page.fill('#ArmLngth', '20');
      assert.deepEqual(JSON.parse(await kept()), {...(arg.includes('Tmp') ? {Tmp: '61'} : {}), ArmLngth: '20',
        HndlAngl: '0', WndSpeed: '0', Temp: '75', Altitude: '100', Humidity: arg.includes('"33"') ? '33' : '50',
        PullMultiple: '10', PullLoad: '0'});
    }
    await context.close();
  }
  const context = await chrome.newContext();
  await context.addInitScript(() => {
    Storage.prototype.setItem = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
  });
  const page = await open(context);
  await page.selectOption('#Units', 'metric');
  assert.match(await page.textContent('#Error'), /Nothing will be kept on this device: The quota has been exceeded/);
  await context.close();
});

// Whatever the page's storage holds runs no script: a kept start is texts
// and values set as text on the page's own elements, its charts are the
// page's own drawing elements, and one that does not fit is dropped with a
// word; the page's policy refuses any script it does not carry itself.
test("stored texts never run, a start not the page's own is dropped, the policy holds", async () => {
  const PLANT = '<img src=x onerror="window.planted=1">javascript:window.planted=1';
  const context = await chrome.newContext({serviceWorkers: 'block'});
  await context.addInitScript(() => {
    window.violations = [];
    document.addEventListener('securitypolicyviolation', e => window.violations.push(e.violatedDirective));
  });
  const page = await open(context);
  await page.waitForFunction(() => localStorage.getItem('Tethrix.start'));
  const own = JSON.parse(await page.evaluate(() => localStorage.getItem('Tethrix.start')));
  assert.deepEqual(await page.evaluate(() => window.violations), [], 'the page itself runs under its policy');
  const policy = await page.evaluate(() => {
    const script = document.createElement('script');
    script.textContent = 'window.planted = 1';
    document.body.append(script);
    document.body.setAttribute('onclick', 'window.planted = 1');
    document.body.click();
    return document.querySelector('meta[http-equiv="Content-Security-Policy"]').content;
  });
  assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'|\*/);
  await page.waitForFunction(() => window.violations.length === 2);
  assert.deepEqual(await page.evaluate(() => [window.planted, window.violations]),
                   [undefined, ['script-src-elem', 'script-src-attr']]);
  await page.evaluate(() => { window.violations = []; document.body.removeAttribute('onclick'); });

  const planted = ([tag, id, className, hidden, text, value]) =>
    [tag, id, PLANT, hidden, text === null ? null : PLANT, value === null ? null : PLANT];
  const plantedChart = ([name, attributes, content]) =>
    [name, {...attributes, ...(attributes['aria-label'] ? {'aria-label': PLANT} : {})},
     typeof content === 'string' ? PLANT : content.map(plantedChart)];
  const withChart = (more, child) => ({...own, charts: {...own.charts,
    ChartLapTime: [...own.charts.ChartLapTime.slice(0, 2), [...own.charts.ChartLapTime[2], child]],
    ...more}});
  const renamed = own.elements.map(e => e[1] === 'TensionLabel' ? [e[0], 'Other', ...e.slice(2)] : e);
  const cases = [  // [what, the kept start, the conditions and units stored, shown or dropped]
    ['every text planted', JSON.stringify({...own, conditions: JSON.stringify({Temp: PLANT}), units: PLANT,
      html: PLANT, elements: own.elements.map(planted), charts: {ChartLapTime: plantedChart(own.charts.ChartLapTime)}}),
     [JSON.stringify({Temp: PLANT}), PLANT], 'shown'],
    ['an event attribute', JSON.stringify(withChart({}, ['rect', {onload: 'window.planted=1'}, ''])), null, 'dropped'],
    ['a link', JSON.stringify(withChart({}, ['a', {href: 'javascript:window.planted=1'}, 'x'])), null, 'dropped'],
    ['markup of an older page', JSON.stringify({...own, elements: undefined, charts: undefined,
                                                html: '<p>x</p>' + PLANT}), null, 'dropped'],
    ['an element the page has not', JSON.stringify({...own, elements: renamed}), null, 'dropped'],
    ['no JSON', '{bad', null, 'dropped'],
  ];
  for (const [what, kept, stored, outcome] of cases) {
    await page.evaluate(([kept, stored]) => {
      localStorage.clear();
      localStorage.setItem('Tethrix.start', kept);
      if (stored) { localStorage.setItem('Tethrix.conditions', stored[0]); localStorage.setItem('Tethrix.units', stored[1]); }
    }, [kept, stored]);
    // The start alone, as it is shown: the calculator does not load.
    await page.route('**/tethrix.wasm*', route => route.fulfill({status: 404, body: ''}));
    await page.reload();
    await page.waitForSelector('#LoadError', {state: 'visible'});
    const shown = await page.evaluate(plant => ({planted: document.getElementById('ConditionsLine').textContent === plant,
      chart: document.querySelector('#ChartLapTime svg')?.getAttribute('aria-label'),
      images: document.querySelectorAll('main img').length, ran: window.planted}), PLANT);
    // Planted texts shown as text; a start dropped gives way to the built-in one (no charts).
    assert.deepEqual(shown, outcome === 'shown' ? {planted: true, chart: PLANT, images: 0, ran: undefined}
                                                : {planted: false, chart: undefined, images: 0, ran: undefined}, what);
    await page.unroute('**/tethrix.wasm*');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    const error = await page.textContent('#Error');
    if (outcome === 'shown') assert.ok(error.includes(`Temp: '${PLANT}' is not a valid`), what);
    else assert.match(error, /^The start kept on this device was not this page's own \(.+\): it was dropped\.$/, what);
    // The page's own start is kept in its place.
    await page.waitForFunction(k => ![null, k].includes(localStorage.getItem('Tethrix.start')), kept);
    assert.ok(JSON.parse(await page.evaluate(() => localStorage.getItem('Tethrix.start'))).elements, what);
    assert.deepEqual(await page.evaluate(() => [window.planted, document.querySelectorAll('img:not(h1 img)').length,
                                                window.violations]), [undefined, 0, []], what);
  }
  await context.close();
});

// Another build of the page from the same files, as the next release would
// be: one comment more in style.css. Returns its folder and its name.
function nextBuild(mark) {
  const files = mkdtempSync(join(tmpdir(), 'tethrix-files-'));
  cpSync(join(site, '..', 'site-files'), files, {recursive: true});
  appendFileSync(join(files, 'style.css'), `\n/* ${mark} */\n`);
  const to = join(files, 'site');
  execFileSync('cmake', [`-DFROM=${files}`, `-DTO=${to}`, '-P',
                         fileURLToPath(new URL('../StampSite.cmake', import.meta.url))], {stdio: 'pipe'});
  return {dir: to, build: /const BUILD = '(\w+)'/.exec(readFileSync(join(to, 'sw.js'), 'utf8'))[1]};
}

// The build installed in the page's service worker, once it has checked for
// a new one: "installed" (waiting), "redundant" (refused) or "none".
async function checkForUpdate(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update().catch(() => {});
    const worker = registration.installing || registration.waiting;
    if (!worker) return 'none';
    await new Promise(done => {
      const settled = () => ['installed', 'redundant', 'activated'].includes(worker.state) && done();
      worker.addEventListener('statechange', settled);
      settled();
    });
    return worker.state;
  });
}

// Once the last tab of the kept build has closed, Chromium activates the
// waiting build in its own time: when the old worker has gone idle, which on
// a loaded machine has taken longer than a visit's guard. The flier who next
// opens the page meets it activated; so does the test.
async function waitingBuildActivated(context) {
  const blank = await context.newPage();
  const devtools = await context.newCDPSession(blank);
  const activated = new Promise(done => devtools.on('ServiceWorker.workerVersionUpdated', ({versions}) =>
    versions.some(v => v.status === 'activated') && !versions.some(v => ['installed', 'activating'].includes(v.status))
      && done()));
  await devtools.send('ServiceWorker.enable');
  let guard;
  await Promise.race([activated, new Promise((_, fail) => {
    guard = setTimeout(() => fail(new Error('the waiting build was not activated in two minutes')), 120000);
  })]).finally(() => clearTimeout(guard));
  await blank.close();
}

async function visit(context, address) {
  const page = await context.newPage();
  // A guard against a page that never loads, not a measure of speed: on a
  // loaded two-core machine a visit behind the service worker's own update
  // check has taken over ten seconds.
  page.setDefaultTimeout(30000);
  await page.goto(address);
  await page.waitForSelector('body[data-ready="true"]');
  const build = await page.evaluate(() => document.documentElement.dataset.build);
  // Every file this page loaded is of its own build.
  const others = await page.evaluate(b => performance.getEntriesByType('resource').map(e => e.name)
    .filter(name => name.includes('?b=') && !name.endsWith('?b=' + b)), build);
  assert.deepEqual(others, [], 'files of another build in one page');
  return {page, build};
}

test('a new build reaches an installed page whole, never over the offline copy', async () => {
  const first = /const BUILD = '(\w+)'/.exec(readFileSync(join(site, 'sw.js'), 'utf8'))[1];
  const second = nextBuild('the next release');
  let root = site, broken = null;
  const hung = [];
  const host = await serve({root: () => root, intercept: (path, res) => broken?.(path, res)});
  const context = await chrome.newContext();
  try {
    let {page} = await visit(context, host.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.close();

    // The host now has the next build, but hands out an error page, or a
    // captive portal's page, for its wasm: the installed build stays whole.
    root = second.dir;
    for (const failure of [res => { res.writeHead(503); res.end('busy'); },
                           res => { res.writeHead(200, {'Content-Type': 'text/html'}); res.end('<p>Log in'); }]) {
      broken = (path, res) => path.endsWith('tethrix.wasm') && (failure(res), true);
      let build;
      ({page, build} = await visit(context, host.url));
      assert.equal(build, first);
      assert.equal(await checkForUpdate(page), 'redundant');
      assert.deepEqual(await page.evaluate(() => caches.keys()), ['tethrix-' + first]);
      assert.ok(await page.isHidden('#NewBuild'));
      await page.close();
    }

    // A network that connects but never answers: the kept build, at once.
    broken = (path, res) => (hung.push(res), true);
    ({page} = await visit(context, host.url));
    await page.close();
    // The network comes back: what it held up fails (the browser's own
    // check for a new service worker among them), as a dropped connection.
    hung.splice(0).forEach(res => res.destroy());

    // The host serves the next build whole: the first visit runs the kept
    // build and offers the new one, the second runs it.
    broken = null;
    let build;
    ({page, build} = await visit(context, host.url));
    assert.equal(build, first);
    assert.equal(await checkForUpdate(page), 'installed');
    await page.waitForSelector('#NewBuild', {state: 'visible'});
    await page.close();
    await waitingBuildActivated(context);
    ({page, build} = await visit(context, host.url));
    assert.equal(build, second.build);

    // Reload, when offered, goes to the new build at once; offline it stays.
    root = site;
    assert.equal(await checkForUpdate(page), 'installed');
    await page.click('#UseNewBuild');
    await page.waitForFunction(b => document.documentElement.dataset.build === b && document.body.dataset.ready,
                               first);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.evaluate(() => document.documentElement.dataset.build), first);
  } finally {
    for (const res of hung) res.destroy();
    await context.close();
    host.server.closeAllConnections();  // none may keep the test process alive
    host.server.close();
  }
});
