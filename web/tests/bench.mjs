// The page's speed (a benchmark, not a test): load to first figures on a
// local server, one recalculation in the browser against tethrix-calc's
// native one, and what a first visit transfers, compressed.
import {execFileSync} from 'node:child_process';
import {readdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {browser, serve, site} from './support.mjs';

const median = xs => xs.sort((a, b) => a - b)[xs.length >> 1];
const {server, url} = await serve();
const chromium = await browser();
try {
  const loads = [];
  for (let i = 0; i < 7; ++i) {
    const context = await chromium.newContext({serviceWorkers: 'block'});
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    loads.push(await page.evaluate(() => Number(document.body.dataset.readyAt)));
    await context.close();
  }
  const page = await (await chromium.newContext()).newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  // Repeat visits, the service worker installed; then Enter's handler, the
  // figures rewritten (the charts follow after the paint).
  await page.evaluate(() => navigator.serviceWorker.ready);
  const repeats = [];
  for (let i = 0; i < 7; ++i) {
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    repeats.push(await page.evaluate(() => Number(document.body.dataset.readyAt)));
  }
  const enter = await page.evaluate(() => {
    const field = document.getElementById('LapTime'), times = [];
    for (let i = 0; i < 15; ++i) {
      field.value = String(4.5 + i / 100);
      field.dispatchEvent(new Event('input'));
      const t0 = performance.now();
      field.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter'}));
      times.push(performance.now() - t0);
    }
    return times.sort((a, b) => a - b)[7];
  });
  // Each recalculation changes the lap time so that nothing is reused.
  // Per call, median of 9 rounds: the same inputs again, and a lap time
  // changed through its text each time.
  const [held, changed] = await page.evaluate(() => {
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
  const sizes = readdirSync(site).map(f => [f, gzipSync(readFileSync(join(site, f)), {level: 9}).length]);
  const wasm = sizes.find(([f]) => f.endsWith('.wasm'))[1];
  const total = sizes.reduce((a, [, n]) => a + n, 0);
  console.log(`load to first figures: median ${median(loads).toFixed(0)} ms of 7 (local server, cold cache)`);
  console.log(`repeat visit to first figures: median ${median(repeats).toFixed(0)} ms of 7 (service worker installed)`);
  console.log(`Enter's handler: median ${enter.toFixed(1)} ms of 15`);
  const native = Object.fromEntries(execFileSync(process.env.TETHRIX_SESSION_SPEED || '../../build/bench/web_session_speed',
                                                {encoding: 'utf8'}).trim().split('\n').map(l => l.split(' ')));
  console.log(`recalculation in the page: ${held.toFixed(2)} µs (native ${native.held} µs, ${(held / native.held).toFixed(2)}×); ` +
              `with a new lap time text: ${changed.toFixed(2)} µs (native ${native.text} µs, ${(changed / native.text).toFixed(2)}×)`);
  console.log(`transfer, gzip -9: tethrix.wasm ${(wasm / 1024).toFixed(1)} KiB, whole page ${(total / 1024).toFixed(1)} KiB`);
} finally {
  await chromium.close();
  server.close();
}
