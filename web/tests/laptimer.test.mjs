// The lap timer's panel in a real browser: a helper's taps on a touch
// screen under a fake clock, and the pilot's own turn fed to the page's
// motion sensors through the browser's sensor overrides, through to Lap
// Time and the figures.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {mkdirSync} from 'node:fs';
import {join} from 'node:path';
import {servePage, openPage, pageFigures, site} from './support.mjs';

let url, chrome;
servePage(shared => ({url, chrome} = shared));
const shots = process.env.TETHRIX_SCREENSHOTS || join(site, '..', 'screenshots');
const PHONE = {viewport: {width: 390, height: 844}, deviceScaleFactor: 2, isMobile: true, hasTouch: true};
const MISSING = 'Motion sensors are missing or were refused here: tap at each pass instead.';

async function openTimer(context, before) {
  const page = await context.newPage();
  page.setDefaultTimeout(8000);
  if (before) await before(page);
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  await page.tap('#LapTimer summary');
  await page.waitForFunction(() => document.getElementById('LapSummary').textContent !== '');
  // The hangar comes after the page is ready; nothing under a thumb moves when it does.
  const placed = await page.locator('#TimeMyLaps').boundingBox();
  await page.waitForSelector('body[data-hangar-ready="true"]');
  assert.deepEqual(await page.locator('#TimeMyLaps').boundingBox(), placed);
  return page;
}
const lines = page => page.$$eval('#LapTimes li', items => items.map(li => li.textContent));
// The figures of the Lap Time text typed and Enter pressed, for comparison.
async function typed(page, lapTime) {
  await page.fill('#LapTime', lapTime);
  await page.press('#LapTime', 'Enter');
  return pageFigures(page);
}

test('a helper taps the passes, and the mean goes into Lap Time', async () => {
  const context = await chrome.newContext(PHONE);
  const page = await openTimer(context, async p => {
    await p.clock.install();
    await p.addInitScript(() => {
      window.vibrated = [];
      navigator.vibrate = ms => { window.vibrated.push(ms); return true; };
    });
  });
  assert.equal(await page.textContent('#LapSummary'), 'Tap once at the start, then at each pass.');
  assert.ok((await page.locator('#TapLap').boundingBox()).height >= 88);
  await page.clock.pauseAt(Date.now() + 60000);
  // Five laps of about 4.9 s, a pass left untapped, and a double tap.
  let at = 0;
  for (const t of [0, 4880, 9810, 19620, 24520, 24700, 29410, 34330]) {
    await page.clock.runFor(t - at);
    at = t;
    await page.tap('#TapLap');
  }
  assert.deepEqual(await lines(page), [
    'Lap 7: 4.92 s', 'Lap 6: 4.89 s', 'Lap 5: 0.18 s (double tap, left out)', 'Lap 4: 4.9 s',
    'Lap 3: 9.81 s (missed tap, left out)', 'Lap 2: 4.93 s', 'Lap 1: 4.88 s']);
  assert.equal(await page.textContent('#LapSummary'), 'Last lap 4.92 s. Mean of the last 5: 4.904 s, spread 0.05 s.');
  assert.equal((await page.evaluate(() => window.vibrated)).length, 8);
  mkdirSync(shots, {recursive: true});
  await page.locator('#LapTimer').screenshot({path: join(shots, 'lap-timer-taps.png')});

  // The trim log takes the mean as the lap time measured.
  await page.waitForSelector('#LogFlight', {state: 'visible'});
  await page.tap('#LogFlight');
  await page.waitForSelector('#LogTable tbody td');
  assert.equal(await page.textContent('#LapNote'), 'Logged a flight with a lap time of 4.904 s.');
  assert.equal(await page.textContent('#LogTable tbody td:nth-child(12)'), '4.904');

  await page.tap('#UseLapTime');
  assert.equal(await page.inputValue('#LapTime'), '4.904');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
  const timed = await pageFigures(page);
  assert.deepEqual(await typed(page, '4.904'), timed);

  await page.tap('#StartAgainLaps');
  assert.deepEqual(await lines(page), []);
  assert.ok(await page.isDisabled('#UseLapTime'));
  await context.close();
});

// The sensors as a phone would give them: a still spell, then a pilot
// turning at lapSeconds a lap with the phone leaning 20 degrees, streamed
// until stopped.
async function fly(page, {lapSeconds, stillSeconds = 1.5}) {
  const cdp = await page.context().newCDPSession(page);
  for (const type of ['gyroscope', 'gravity'])
    await cdp.send('Emulation.setSensorOverrideEnabled', {enabled: true, type});
  const lean = 20 * Math.PI / 180, up = [0, Math.cos(lean), Math.sin(lean)], started = Date.now();
  let stopped = false;
  const send = async () => {
    while (!stopped) {
      const rate = (Date.now() - started) / 1000 < stillSeconds ? 0 : 2 * Math.PI / lapSeconds;
      try {
        await cdp.send('Emulation.setSensorOverrideReadings',
                       {type: 'gravity', reading: {xyz: {x: 9.81 * up[0], y: 9.81 * up[1], z: 9.81 * up[2]}}});
        await cdp.send('Emulation.setSensorOverrideReadings',
                       {type: 'gyroscope', reading: {xyz: {x: rate * up[0], y: rate * up[1], z: rate * up[2]}}});
      } catch { return; }  // the page is gone
      await new Promise(done => setTimeout(done, 16));
    }
  };
  const streaming = send();
  return async () => { stopped = true; await streaming; };
}
const waitForLaps = (page, text) => page.waitForFunction(
  want => document.getElementById('TurnSummary').textContent.includes(want), text, {timeout: 30000});

test('the pilot\'s own turn times the laps, and a hold stops it', async () => {
  const context = await chrome.newContext(PHONE);
  await context.grantPermissions(['gyroscope', 'accelerometer'], {origin: url});
  const page = await openTimer(context);
  const land = await fly(page, {lapSeconds: 2.2});
  await page.tap('#TimeMyLaps');
  await page.waitForSelector('#LapTiming', {state: 'visible'});
  await waitForLaps(page, '3 laps counted');
  await page.screenshot({path: join(shots, 'lap-timer-turn.png')});
  // Touches do nothing while timing: a tap on the cover, or where a field is.
  await page.tap('#LapTiming');
  await page.touchscreen.tap(100, 100);
  assert.ok(await page.isVisible('#LapTiming'));
  const box = await page.locator('#LapTiming').boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await page.waitForSelector('#LapTiming', {state: 'hidden', timeout: 3000});
  await page.mouse.up();
  await land();
  const laps = await lines(page);
  assert.ok(laps.length >= 4, laps.join('\n'));
  assert.match(laps.at(-1), /^Lap 1: [\d.]+ s \(irregular, left out\)$/);  // the take-off
  for (const lap of laps.slice(0, -1)) {  // a steady turn of 2.2 s a lap, sampled as it comes
    const [, seconds] = lap.match(/^Lap \d+: ([\d.]+) s$/);
    assert.ok(Math.abs(seconds - 2.2) <= 0.01, lap);
  }
  assert.match(await page.textContent('#LapNote'), /^Stopped after \d+ laps\.$/);
  await page.tap('#UseLapTime');
  const lapTime = await page.inputValue('#LapTime');
  assert.ok(Math.abs(Number(lapTime) - 2.2) <= 0.002, lapTime);
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
  const timed = await pageFigures(page);
  assert.notDeepEqual(await typed(page, '4.9'), timed);  // the figures were the timed lap's
  assert.deepEqual(await typed(page, lapTime), timed);
  await context.close();
});

test('the page hidden mid-flight stops the timer and says how many laps it had', async () => {
  const context = await chrome.newContext(PHONE);
  await context.grantPermissions(['gyroscope', 'accelerometer'], {origin: url});
  const page = await openTimer(context);
  const land = await fly(page, {lapSeconds: 2.2});
  await page.tap('#TimeMyLaps');
  await waitForLaps(page, 'Last lap');
  // The screen locks. Headless Chromium keeps every page visible (another
  // tab in front or a minimised window leave it so), so the page is told as
  // a browser tells it.
  await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', {configurable: true, get: () => 'hidden'});
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await land();
  assert.ok(await page.isHidden('#LapTiming'));
  const laps = await lines(page);
  assert.ok(laps.length >= 1);
  assert.equal(await page.textContent('#LapNote'),
               `The timer stopped when the screen locked or the page was hidden, after ${
                 laps.length === 1 ? '1 lap' : laps.length + ' laps'}.`);
  await context.close();
});

test('sensors refused: one line says so, and the helper\'s timer stays', async () => {
  const context = await chrome.newContext(PHONE);  // no motion sensors granted
  const page = await openTimer(context);
  await page.tap('#TimeMyLaps');
  await page.waitForFunction(want => document.getElementById('LapNote').textContent === want, MISSING);
  assert.ok(await page.isHidden('#LapTiming'));
  assert.ok(await page.isVisible('#TapLap'));
  await page.tap('#TapLap');
  assert.equal(await page.textContent('#LapSummary'), 'Timing: tap at each pass.');
  await context.close();
});
