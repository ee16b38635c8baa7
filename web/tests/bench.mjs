// The page's speed (a benchmark, not a test), each measure against the same
// page saved as static HTML and CSS once it has drawn its figures and
// charts (same look, same figures, same SVG, no script), the two loaded
// in turn in one run:
//   first visit to figures painted (new profile: cold cache, no service
//   worker yet), at desktop speed and at 4× CPU throttling;
//   repeat visit (the page's service worker installed; the snapshot from
//   the server again);
//   both again in German (a browser in German, its own snapshot);
//   Enter to figures painted at 4× throttling, and Enter's handler alone
//   (the snapshot's Enter writes the next case's figures, saved as HTML);
// then one recalculation in the page against tethrix-calc's native one,
// the engine in WebAssembly against the native engine, and what a first
// visit transfers, compressed.
import {execFileSync} from 'node:child_process';
import {copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {browser, serve, site} from './support.mjs';

const ROUNDS = Number(process.env.TETHRIX_BENCH_ROUNDS || 9);
const sorted = xs => [...xs].sort((a, b) => a - b);
const median = xs => sorted(xs)[xs.length >> 1];
const spread = xs => `${sorted(xs)[0].toFixed(1)}–${sorted(xs).at(-1).toFixed(1)}`;

// Marks when the figures are first on the screen: the first animation frame
// that finds them, then the task after that frame's paint. Both pages get
// the same mark, so neither gains from what it counts.
const MARK_PAINT = () => {
  const shown = () => document.querySelector('main:not([hidden]) #Results li[data-value]');
  const look = () => shown() ? setTimeout(() => { window.tethrixPaintedAt = performance.now(); }, 0)
                             : requestAnimationFrame(look);
  requestAnimationFrame(look);
};

const {server, url} = await serve();
const chromium = await browser();
const snapshotDir = mkdtempSync(join(tmpdir(), 'tethrix-static-'));
const germanDir = mkdtempSync(join(tmpdir(), 'tethrix-static-de-'));
let snapshotServer, germanServer;
try {
  // The snapshot: the page as drawn, its scripts, preloads and service
  // worker gone; its figures for the next Enter saved beside it.
  const drawnIn = async locale => {
    const drawn = await (await chromium.newContext({serviceWorkers: 'block', locale})).newPage();
    await drawn.goto(url);
    await drawn.waitForSelector('body[data-ready="true"]');
    await drawn.waitForSelector('#ChartLineLength svg');
    return drawn;
  };
  const snapshotOf = drawn => drawn.evaluate(() => {
    const doc = document.documentElement.cloneNode(true);
    for (const gone of doc.querySelectorAll('script, link[rel="modulepreload"], link[rel="preload"], link[rel="manifest"]'))
      gone.remove();
    for (const link of doc.querySelectorAll('link[href*="?b="]')) link.setAttribute('href', link.getAttribute('href').split('?')[0]);
    delete doc.querySelector('body').dataset.ready;
    delete doc.querySelector('body').dataset.readyAt;
    return '<!doctype html>\n' + doc.outerHTML;
  });
  const drawn = await drawnIn('en-US'), snapshot = await snapshotOf(drawn);
  const figuresAt = async lapTime => drawn.evaluate(t => {
    const field = document.getElementById('LapTime');
    field.value = t;
    field.dispatchEvent(new Event('input'));
    field.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter'}));
    return {results: document.getElementById('Results').innerHTML,
            lapSpeed: document.getElementById('LapSpeed').textContent,
            notes: document.getElementById('Notes').textContent};
  }, lapTime);
  const nextFigures = [await figuresAt('4.6'), await figuresAt('4.5')];
  await drawn.context().close();
  writeFileSync(join(snapshotDir, 'index.html'), snapshot);
  for (const file of ['style.css', 'icon.svg']) copyFileSync(join(site, file), join(snapshotDir, file));
  const staticSite = await serve({root: () => snapshotDir});
  snapshotServer = staticSite.server;
  const drawnInGerman = await drawnIn('de-DE');
  writeFileSync(join(germanDir, 'index.html'), await snapshotOf(drawnInGerman));
  await drawnInGerman.context().close();
  for (const file of ['style.css', 'icon.svg']) copyFileSync(join(site, file), join(germanDir, file));
  const germanSite = await serve({root: () => germanDir});
  germanServer = germanSite.server;

  const sessions = new Map();
  const throttled = async (page, rate) => {
    if (!sessions.has(page)) sessions.set(page, await page.context().newCDPSession(page));
    await sessions.get(page).send('Emulation.setCPUThrottlingRate', {rate});
  };
  const painted = async page => {
    await page.waitForFunction(() => window.tethrixPaintedAt !== undefined);
    return page.evaluate(() => window.tethrixPaintedAt);
  };
  const firstVisit = async (address, rate, locale = 'en-US') => {
    const context = await chromium.newContext({locale});
    const page = await context.newPage();
    await page.addInitScript(MARK_PAINT);
    await throttled(page, rate);
    await page.goto(address);
    const t = await painted(page);
    await context.close();
    return t;
  };

  const results = [];
  const compare = (what, goal, app, snap) => {
    const ratios = app.map((a, i) => a / snap[i]);
    results.push({what, goal, app, snap, ratios});
  };

  for (const rate of [1, 4]) {
    const app = [], snap = [];
    for (let i = 0; i < ROUNDS; ++i) {
      app.push(await firstVisit(url, rate));
      snap.push(await firstVisit(staticSite.url, rate));
    }
    compare(`first visit to figures painted${rate > 1 ? `, ${rate}× throttled` : ''}`, 1.3, app, snap);
  }
  {
    const app = [], snap = [];
    for (let i = 0; i < ROUNDS; ++i) {
      app.push(await firstVisit(url, 1, 'de-DE'));
      snap.push(await firstVisit(germanSite.url, 1, 'de-DE'));
    }
    compare('first visit in German to figures painted', 1.3, app, snap);
  }
  // Repeat visits in German: the kept start, in German, at once.
  {
    const app = [], snap = [];
    const germanApp = await (await chromium.newContext({locale: 'de-DE'})).newPage();
    await germanApp.addInitScript(MARK_PAINT);
    await germanApp.goto(url);
    await germanApp.waitForSelector('body[data-ready="true"]');
    await germanApp.evaluate(() => navigator.serviceWorker.ready);
    await germanApp.waitForFunction(() => localStorage.getItem('Tethrix.start'));
    const germanSnap = await (await chromium.newContext({locale: 'de-DE'})).newPage();
    await germanSnap.addInitScript(MARK_PAINT);
    await germanSnap.goto(germanSite.url);
    for (let i = 0; i < ROUNDS; ++i) {
      await germanApp.reload();
      app.push(await painted(germanApp));
      await germanSnap.reload();
      snap.push(await painted(germanSnap));
    }
    compare('repeat visit in German to figures painted', 1.2, app, snap);
    await germanApp.context().close();
    await germanSnap.context().close();
  }

  // Repeat visits: the page once its service worker holds the build.
  const appPage = await (await chromium.newContext()).newPage();
  await appPage.addInitScript(MARK_PAINT);
  await appPage.goto(url);
  await appPage.waitForSelector('body[data-ready="true"]');
  await appPage.evaluate(() => navigator.serviceWorker.ready);
  await appPage.reload();
  await appPage.waitForSelector('body[data-ready="true"]');
  const snapPage = await (await chromium.newContext()).newPage();
  await snapPage.addInitScript(MARK_PAINT);
  await snapPage.goto(staticSite.url);
  await painted(snapPage);
  {
    const app = [], snap = [];
    for (let i = 0; i < ROUNDS; ++i) {
      await appPage.reload();
      app.push(await painted(appPage));
      await snapPage.reload();
      snap.push(await painted(snapPage));
    }
    compare('repeat visit to figures painted', 1.2, app, snap);
  }

  // Enter at 4× throttling: the page recalculates; the snapshot only writes
  // the figures it saved for that lap time.
  await throttled(appPage, 4);
  await throttled(snapPage, 4);
  await snapPage.evaluate(next => {
    let turn = 0;
    document.getElementById('LapTime').addEventListener('keydown', e => {
      if (e.key !== 'Enter') return;
      const f = next[turn++ % 2];
      document.getElementById('Results').innerHTML = f.results;
      document.getElementById('LapSpeed').textContent = f.lapSpeed;
      document.getElementById('Notes').textContent = f.notes;
    });
  }, nextFigures);
  // The lap time typed (its input handled and drawn), then Enter: the time
  // to the task after the next paint, marked from a frame asked for before
  // Enter so that the page's own work after the paint (the charts) comes
  // after the mark.
  const idle = page => page.evaluate(() => new Promise(done => requestIdleCallback(done)));
  const enter = async (page, i) => {
    await page.evaluate(text => {
      const field = document.getElementById('LapTime');
      field.value = text;
      field.dispatchEvent(new Event('input'));
    }, i % 2 ? '4.5' : '4.6');
    await idle(page);
    return page.evaluate(() => new Promise(done => {
      const field = document.getElementById('LapTime');
      let handled = 0;
      const t0 = performance.now();
      requestAnimationFrame(() => setTimeout(() => done([handled, performance.now() - t0]), 0));
      field.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter'}));
      handled = performance.now() - t0;
    }));
  };
  {
    const handlers = [[], []], shown = [[], []];
    for (let i = 0; i < 3 * ROUNDS; ++i)
      for (const [k, page] of [appPage, snapPage].entries()) {
        const [handled, total] = await enter(page, i);
        handlers[k].push(handled);
        shown[k].push(total);
        await idle(page);  // the page's charts follow the paint
      }
    compare('Enter to figures painted, 4× throttled', 1.15, shown[0], shown[1]);
    compare("Enter's handler, 4× throttled", 1.5, handlers[0], handlers[1]);
  }

  // One recalculation in the page, each changing the lap time so that
  // nothing is reused. Per call, median of 9 rounds: the same inputs again,
  // and a lap time changed through its text each time.
  await throttled(appPage, 1);
  const [held, changed] = await appPage.evaluate(() => {
    const s = window.tethrixSession;
    const time = step => {
      const times = [];
      for (let round = 0; round < 9; ++round) {
        const t0 = performance.now();
        for (let i = 0; i < 20000; ++i) step(i);
        times.push((performance.now() - t0) / 20000 * 1000);
      }
      return times.sort((a, b) => a - b)[4];
    };
    return [time(() => s.recalculate()),
            time(i => { s.setText('lt', String(4 + (i % 100) / 100), false); s.recalculate(); })];
  });

  for (const {what, goal, app, snap, ratios} of results)
    console.log(`${what}: ${median(ratios).toFixed(2)}× (goal ≤ ${goal}×; ratios ${spread(ratios)}) — ` +
                `page median ${median(app).toFixed(1)} ms (${spread(app)}), ` +
                `snapshot ${median(snap).toFixed(1)} ms (${spread(snap)}), ${app.length} each`);
  const native = Object.fromEntries(execFileSync(process.env.TETHRIX_SESSION_SPEED || '../../build/bench/web_session_speed',
                                                {encoding: 'utf8'}).trim().split('\n').map(l => l.split(' ')));
  console.log(`recalculation in the page: ${held.toFixed(2)} µs (native ${native.held} µs, ${(held / native.held).toFixed(2)}×); ` +
              `with a new lap time text: ${changed.toFixed(2)} µs (native ${native.text} µs, ${(changed / native.text).toFixed(2)}×)`);
  // The engine alone, the same loop in WebAssembly under Node and natively.
  const engineSpeed = command => Object.fromEntries(execFileSync(command[0], command.slice(1), {encoding: 'utf8'})
    .trim().split('\n').map(l => l.split(' ')));
  const wasmEngine = engineSpeed(['node', process.env.TETHRIX_WASM_ENGINE_SPEED || '../../build-web/web/engine_speed.js']);
  const nativeEngine = engineSpeed([process.env.TETHRIX_ENGINE_SPEED || '../../build/bench/web_engine_speed']);
  for (const k of ['held', 'varying'])
    console.log(`engine, conditions ${k}: WebAssembly ${wasmEngine[k]} µs, native ${nativeEngine[k]} µs, ` +
                `${(parseFloat(wasmEngine[k]) / parseFloat(nativeEngine[k])).toFixed(2)}×`);
  // A hangar of 200 airplanes and 10,000 flights (the records of one kept
  // and one logged in the page, under other ids), opened: from the
  // hangar's start after the first figures to its list and the open
  // airplane's log on the screen.
  {
    const context = await chromium.newContext();
    const page = await context.newPage();
    page.on('dialog', dialog => dialog.accept());
    await page.goto(url);
    await page.waitForSelector('body[data-hangar-ready="true"]');
    await page.click('#KeepAirplane');
    await page.waitForSelector('#Airplanes li');
    await page.click('#KeepFlight');
    await page.waitForSelector('#LogTable tbody tr');
    await page.evaluate(() => new Promise((resolve, reject) => {
      const request = indexedDB.open('Tethrix');
      request.onsuccess = () => {
        const db = request.result, tx = db.transaction(['airplanes', 'flights', 'meta'], 'readwrite');
        const airplanes = tx.objectStore('airplanes'), flights = tx.objectStore('flights');
        const first = store => new Promise(done => {
          store.openCursor().onsuccess = e => done({id: e.target.result.key, record: e.target.result.value});
        });
        Promise.all([first(airplanes), first(flights)]).then(([airplane, flight]) => {
          const as = (record, from, to) => record.split(from).join(to);
          for (let a = 0; a < 200; ++a) {
            const id = `bench-airplane-${a}`;
            airplanes.put(as(airplane.record, airplane.id, id), id);
            for (let f = 0; f < 50; ++f) {
              const fid = `bench-flight-${a}-${f}`;
              flights.put(as(as(flight.record, flight.id, fid), airplane.id, id), fid);
            }
          }
          airplanes.delete(airplane.id);
          flights.delete(flight.id);
          // As every writer does: the page's index of the store is then behind it.
          const meta = tx.objectStore('meta');
          meta.get('generation').onsuccess = e => meta.put(e.target.result + 1, 'generation');
        });
        tx.oncomplete = () => { db.close(); resolve(); };
        tx.onerror = () => reject(tx.error);
      };
    }));
    await page.evaluate(() => localStorage.setItem('Tethrix.case', JSON.stringify(
      {...JSON.parse(localStorage.getItem('Tethrix.case')), airplane: 'bench-airplane-7'})));
    const times = [];
    await page.reload();  // the first start reads everything, and keeps the index
    await page.waitForSelector('body[data-hangar-ready="true"]');
    for (let i = 0; i < 5; ++i) {
      await page.reload();
      await page.waitForSelector('body[data-hangar-ready="true"]');
      times.push(Number(await page.evaluate(() => document.body.dataset.hangarShownIn)));
    }
    const shown = await page.$$eval('#Airplanes li', list => list.length);
    const rows = await page.$$eval('#LogTable tbody tr', list => list.length);
    console.log(`hangar of ${shown} airplanes and 10000 flights opened and its list shown (and a log of ${rows}): ` +
                `median ${median(times).toFixed(1)} ms (${spread(times)}; goal < 300)`);
    await context.close();
  }
  const sizes = readdirSync(site).map(f => [f, gzipSync(readFileSync(join(site, f)), {level: 9}).length]);
  const wasm = sizes.find(([f]) => f === 'tethrix.wasm')[1];
  const hangar = sizes.find(([f]) => f === 'tethrix-hangar.wasm')[1];
  const total = sizes.reduce((a, [, n]) => a + n, 0);
  console.log(`transfer, gzip -9: tethrix.wasm ${(wasm / 1024).toFixed(1)} KiB (goal ≤ 50), the hangar's ` +
              `tethrix-hangar.wasm ${(hangar / 1024).toFixed(1)} KiB (after the first figures), ` +
              `whole page ${(total / 1024).toFixed(1)} KiB`);
} finally {
  await chromium.close();
  server.close();
  if (snapshotServer) snapshotServer.close();
  if (germanServer) germanServer.close();
  rmSync(snapshotDir, {recursive: true, force: true});
  rmSync(germanDir, {recursive: true, force: true});
}
