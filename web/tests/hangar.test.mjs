// The hangar and the trim log in the page (Debian's Chromium through
// playwright-core): the case in progress kept, airplanes and flights kept
// in IndexedDB and exported as tethrix-calc reads them, storage that is
// blocked, refused or full, two tabs, and hostile texts.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, mkdirSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {servePage, openPage, desktop, pageFigures, calc, site} from './support.mjs';

let url, chrome;
servePage(shared => ({url, chrome} = shared));
const shots = process.env.TETHRIX_SCREENSHOTS || join(site, '..', 'screenshots');
const PHONE = {viewport: {width: 390, height: 844}, hasTouch: true, isMobile: true, deviceScaleFactor: 2};
// Markup, quotes, right-to-left text and emoji: shown as text, never run.
const HOSTILE = '<img src=x onerror="window.owned=1">\'"&amp; \u202Eעברית 🛩';

async function open(context) {
  const page = await openPage(context, url);
  await page.waitForSelector('body[data-hangar-ready="true"]');
  return page;
}
async function reload(page) {
  await page.reload();
  await page.waitForSelector('body[data-hangar-ready="true"]');
}
const names = page => page.$$eval('#Airplanes li .name', list => list.map(e => e.textContent));
const logRows = page => page.$$eval('#LogTable tbody tr', rows => rows.map(r => [...r.cells].slice(1).map(c => c.textContent)));
// Waits until fn (run in the page) is true.
const until = (page, fn, arg) => page.waitForFunction(fn, arg);
async function keep(page, name, notes = '') {
  const count = (await names(page)).length;
  await page.fill('#AcName', name);
  await page.fill('#AirplaneNotes', notes);
  await page.click('#KeepAirplane');
  await until(page, n => document.querySelectorAll('#Airplanes li').length === n, count + 1);
}
async function logFlight(page, fields) {
  const count = (await logRows(page)).length;
  for (const [id, value] of Object.entries(fields)) await page.fill('#' + id, value);
  await page.click('#KeepFlight');
  await until(page, n => document.querySelectorAll('#LogTable tbody tr').length === n, count + 1);
}
async function download(page, button, dir) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  const path = join(dir, file.suggestedFilename());
  await file.saveAs(path);
  return {name: file.suggestedFilename(), path};
}

test('the case in progress comes back after a reload, offline and the next visit', async () => {
  const context = await chrome.newContext();
  const page = await open(context);
  const typed = {AcName: 'Été — 飛行機 🛩', Weight: '44.5', LapTime: '5.2', WingArea: 'x', NumLines: '3'};
  for (const [id, value] of Object.entries(typed)) await page.fill('#' + id, value);
  await page.fill('#WfLapTime', '5.4');
  const fields = shown => shown.evaluate(ids => ids.map(id => document.getElementById(id).value),
                                         [...Object.keys(typed), 'WfLapTime']);
  const want = [...Object.values(typed), '5.4'];
  await page.evaluate(() => navigator.serviceWorker.ready);
  for (const how of ['reload', 'offline', 'next visit']) {
    if (how === 'offline') await context.setOffline(true);
    if (how === 'next visit') {
      await page.close();
      await context.setOffline(false);
    }
    const shown = how === 'next visit' ? await open(context) : page;
    if (how !== 'next visit') await reload(page);
    assert.deepEqual(await fields(shown), want, how);
    // The unreadable wing area keeps its value: the figures are the typed airplane's.
    const figures = await pageFigures(shown);
    assert.equal(figures.LineTension, desktop(['wt=44.5', 'lt=5.2', 'nl=3']).json.LineTension, how);
    if (how === 'next visit') {
      // Defaults starts afresh, and stays so.
      await shown.click('#Defaults1');
      await reload(shown);
      assert.equal(await shown.inputValue('#AcName'), 'Ringcruiser');
      assert.equal(await shown.inputValue('#Weight'), '42');
    }
  }
  await context.close();
});

test('airplanes and flights kept, shown, exported and read by tethrix-calc', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'tethrix-hangar-'));
  // In Berlin's summer time: the log shows the flier's own clock.
  const context = await chrome.newContext({...PHONE, acceptDownloads: true, timezoneId: 'Europe/Berlin'});
  const page = await open(context);
  assert.equal(await page.textContent('#OpenAirplane'), 'No airplane of the hangar is open.');
  await page.fill('#Weight', '48');
  await keep(page, 'Nobler', 'Fox .35, 10x6');
  await page.fill('#Weight', '40');
  await keep(page, 'Ringmaster', 'OS .35, 10x5');
  assert.deepEqual((await names(page)).sort(), ['Nobler', 'Ringmaster']);
  assert.equal(await page.textContent('#OpenAirplane'), 'Open: Ringmaster');

  // Three flights of Nobler, one in the heat, one without a lap time.
  await page.click('#Airplanes li:has-text("Nobler") >> text=Open');
  await until(page, () => document.getElementById('OpenAirplane').textContent === 'Open: Nobler');
  assert.equal(await page.inputValue('#Weight'), '48');
  assert.equal(await page.inputValue('#AirplaneNotes'), 'Fox .35, 10x6');
  // Flown on three days (the page's clock set for each).
  const on = day => page.clock.setFixedTime(new Date(`2026-06-0${day}T15:30:00Z`));
  await on(1);
  await logFlight(page, {FlightLapTime: '5.1', FlightEngine: HOSTILE, FlightNotes: 'smooth\nsecond line'});
  await page.click('#Conditions summary');
  await page.fill('#Temprature', '95');
  await on(2);
  await logFlight(page, {FlightLapTime: '4.85', FlightProp: '10x6'});
  await on(3);
  await logFlight(page, {FlightLapTime: '', FlightFuel: '10%'});
  await page.fill('#Temprature', '75');
  // Newest first; a lap time typed that is no number is refused, nothing kept.
  const rows = await logRows(page);
  assert.deepEqual(rows.map(r => r[10]), ['', '4.85', '5.1']);
  assert.deepEqual(rows.map(r => r[0]), ['2026-06-03 17:30', '2026-06-02 17:30', '2026-06-01 17:30']);
  assert.deepEqual(rows.map(r => r[14]), ['95', '95', '75']);
  await page.fill('#FlightLapTime', '5,x');
  await page.click('#KeepFlight');
  assert.equal(await page.textContent('#HangarError'), "Lap Time Measured: '5,x' is not a valid floating point value.");
  assert.equal((await logRows(page)).length, 3);

  // Corrected: the lap time now measured; sorted by it (numbers by value), then by the date again.
  await page.click('#LogTable tbody tr:first-child >> text=Correct');
  assert.equal(await page.inputValue('#FlightFuel'), '10%');
  await page.fill('#FlightLapTime', '10.2');
  await page.click('#KeepFlight');
  await until(page, () => document.querySelector('#LogTable tbody td:nth-child(12)').textContent === '10.2');
  await page.click('#LogTable th:nth-child(12) button');
  assert.deepEqual((await logRows(page)).map(r => r[10]), ['4.85', '5.1', '10.2']);
  await page.click('#LogTable th:nth-child(12) button');
  assert.deepEqual((await logRows(page)).map(r => r[10]), ['10.2', '5.1', '4.85']);
  const hot = (await logRows(page)).find(r => r[10] === '4.85');
  assert.equal(await page.textContent('#Airplanes li:has-text("Nobler") .flown'), `Last flown ${rows[0][0]}`);
  assert.equal(await page.$$eval('#LogChart circle', c => c.length), 6);  // two curves, three flights

  // Everything comes back, read from IndexedDB; nothing stored ran. An
  // index of markup planted beside the records is what the start shows
  // first, then the flights read put right.
  await page.evaluate(lie => new Promise(done => {
    indexedDB.open('Tethrix').onsuccess = e => {
      const meta = e.target.result.transaction('meta', 'readwrite').objectStore('meta');
      meta.get('index').onsuccess = i => {
        const index = i.target.result;
        for (const a of Object.values(index.airplanes)) a.lastFlown = lie;
        index.deleted.push({id: 'gone', name: lie, flights: []});
        meta.put(index, 'index').onsuccess = done;
      };
    };
  }), HOSTILE);
  await reload(page);
  assert.equal(await page.textContent('#Airplanes li:has-text("Nobler") .flown'), `Last flown ${rows[0][0]}`);
  assert.equal(await page.textContent('#DeletedAirplanes'), '');
  assert.equal(await page.textContent('#OpenAirplane'), 'Open: Nobler');
  assert.equal(await page.inputValue('#AirplaneNotes'), 'Fox .35, 10x6');
  assert.equal((await logRows(page)).length, 3);
  assert.ok((await logRows(page)).some(r => r.includes(HOSTILE) && r.includes('smooth\nsecond line')));
  assert.equal(await page.evaluate(() => window.owned), undefined);
  assert.equal(await page.$$eval('#Hangar img', imgs => imgs.length), 0);

  // At a phone's width nothing sticks out of the page; the log scrolls in its box.
  for (const width of [390, 360]) {
    await page.setViewportSize({width, height: 844});
    const overflow = await page.evaluate(() => [document.documentElement.scrollWidth,
      ...[...document.querySelectorAll('#Hangar *')].filter(e => !e.closest('.log-scroll') && e.getClientRects().length)
        .map(e => e.getBoundingClientRect().right)].filter(r => r > innerWidth + 0.5));
    assert.deepEqual(overflow, [], `at ${width}`);
  }
  mkdirSync(shots, {recursive: true});
  await page.setViewportSize(PHONE.viewport);
  for (const [name, at] of [['hangar-phone', '#HangarHeading'], ['trim-log-phone', '#LogChartX']]) {
    await page.evaluate(id => document.querySelector(id).scrollIntoView({block: 'start'}), at);
    await page.screenshot({path: join(shots, name + '.png')});
  }

  // A name and notes of markup, quotes, right-to-left text and emoji: text, here and after a reload.
  await keep(page, HOSTILE, HOSTILE);
  await reload(page);
  assert.equal(await page.textContent('#OpenAirplane'), 'Open: ' + HOSTILE);
  assert.equal(await page.inputValue('#AcName'), HOSTILE);
  assert.equal(await page.textContent(`#Airplanes li:nth-child(${(await names(page)).indexOf(HOSTILE) + 1}) .notes`),
               HOSTILE);
  assert.equal(await page.evaluate(() => window.owned), undefined);
  assert.equal(await page.$$eval('#Hangar img', imgs => imgs.length), 0);
  await page.click('#Airplanes li:has-text("Nobler") >> text=Open');

  // The export read by tethrix-calc: the same airplane, the same flights.
  const all = await download(page, '#ExportHangar', dir);
  assert.equal(all.name, 'tethrix-hangar.json');
  const one = await download(page, '#ExportAirplane', dir);
  assert.equal(one.name, 'Nobler.tethrix-hangar.json');
  const csv = await download(page, '#LogCsv', dir);
  const cli = args => execFileSync(calc, args, {encoding: 'utf8'});
  assert.equal(readFileSync(csv.path, 'utf8'), cli(['--hangar', all.path, '--log', 'Nobler', '--csv']));
  // In German the exports stay as they are: nothing of them is translated.
  await page.evaluate(() => localStorage.setItem('Tethrix.language', 'de'));
  await reload(page);
  assert.equal(readFileSync((await download(page, '#LogCsv', dir)).path, 'utf8'), readFileSync(csv.path, 'utf8'));
  assert.equal(readFileSync((await download(page, '#ExportAirplane', dir)).path, 'utf8'), readFileSync(one.path, 'utf8'));
  await page.evaluate(() => localStorage.removeItem('Tethrix.language'));
  await reload(page);
  // Printed: the log's table alone, under the airplane's name.
  await page.evaluate(() => { window.print = () => { window.printed = [document.title, document.body.className]; }; });
  await page.click('#PrintLog');
  assert.deepEqual(await page.evaluate(() => window.printed), ['Nobler - Trim Log', 'print-log']);
  await page.evaluate(() => document.body.classList.add('print-log'));
  await page.emulateMedia({media: 'print'});
  assert.deepEqual(await Promise.all(['#LogTable', 'main', '#KeepFlight', '.row-actions'].map(s => page.isVisible(s))),
                   [true, false, false, false]);
  await page.emulateMedia({media: 'screen'});
  await page.evaluate(() => document.body.classList.remove('print-log'));
  const fromFile = JSON.parse(cli(['--hangar', one.path, '--airplane', 'Nobler', '--json']));
  const shown = await pageFigures(page);
  for (const key of ['LineTension', 'LeadoutPosition', 'GroundSpeed', 'DensityAltitude'])
    assert.equal(shown[key], fromFile[key], key);
  assert.equal(hot[20], String(Number(desktop(['wt=48', 'Temp=95']).json.LineTension.toPrecision(4))));

  // Rename, duplicate, delete (its flights kept), import the export back: added, then nothing new.
  page.removeAllListeners('dialog');
  const answers = [];
  page.on('dialog', d => { const a = answers.shift(); return a === false ? d.dismiss() : d.accept(a === true ? undefined : a); });
  answers.push('Nobler II');
  await page.click('#Airplanes li:has-text("Nobler") >> text=Rename');
  await until(page, () => document.getElementById('OpenAirplane').textContent === 'Open: Nobler II');
  answers.push('Nobler spare');
  await page.click('#Airplanes li:has-text("Nobler II") >> text=Duplicate');
  await until(page, () => document.querySelectorAll('#Airplanes li').length === 4);
  answers.push(true, false);  // delete it; keep its flights
  await page.click('#Airplanes li:has-text("Nobler II") >> text=Delete');
  await until(page, () => document.querySelectorAll('#Airplanes li').length === 3);
  assert.equal(await page.textContent('#OpenAirplane'), 'No airplane of the hangar is open.');
  // Its flights kept, and their log still shown on request.
  assert.equal(await page.textContent('#DeletedAirplanes'), 'NoblerDeleted; 3 flights keptShow its log');
  await page.click('#DeletedAirplanes >> text=Show its log');
  assert.equal(await page.textContent('#LogTitle'), 'Trim log of Nobler');
  assert.equal((await logRows(page)).length, 3);
  await page.setInputFiles('#ImportHangar', all.path);
  await until(page, () => document.getElementById('HangarNote').textContent.startsWith('From'));
  assert.equal(await page.textContent('#HangarNote'), 'From tethrix-hangar.json: Added 1 airplane (Nobler).');
  await page.setInputFiles('#ImportHangar', all.path);
  await until(page, () => document.getElementById('HangarNote').textContent.startsWith('Nothing changed'));
  assert.equal(await page.textContent('#HangarNote'),
               'Nothing changed: the hangar already holds everything in tethrix-hangar.json.');
  assert.deepEqual((await names(page)).sort(), ['Nobler', 'Nobler spare', 'Ringmaster', HOSTILE].sort());
  assert.equal(await page.textContent('#DeletedAirplanes'), '');
  await context.close();
});

test('storage blocked, refused, promised or full: the page calculates and says so', async () => {
  // Blocked: nothing kept, and said; the figures as ever.
  const blocked = await chrome.newContext();
  await blocked.addInitScript(() => Object.defineProperty(window, 'indexedDB', {
    get() { throw new DOMException('The operation is insecure.', 'SecurityError'); }}));
  let page = await open(blocked);
  assert.equal(await page.textContent('#HangarError'), 'Nothing will be kept on this device: The operation is insecure.');
  await page.click('#KeepAirplane');
  assert.equal(await page.textContent('#HangarError'), 'Nothing will be kept on this device: The operation is insecure.');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
  await blocked.close();

  // The browser refuses to promise, then promises.
  for (const granted of [false, true]) {
    const context = await chrome.newContext();
    page = await open(context);
    if (granted) {
      const cdp = await context.newCDPSession(page);
      const {targetInfo} = await cdp.send('Target.getTargetInfo');
      await cdp.send('Browser.grantPermissions', {origin: new URL(url).origin, permissions: ['durableStorage'],
                                                  browserContextId: targetInfo.browserContextId});
    }
    assert.equal(await page.textContent('#HangarStatus'), '');
    await keep(page, 'Ringmaster');
    await until(page, () => document.getElementById('HangarStatus').textContent !== '');
    assert.equal(await page.textContent('#HangarStatus'), granted
      ? 'The browser has promised to keep the hangar on this device.'
      : 'The browser has not promised to keep the hangar: it may clear it when space runs short. ' +
        'Export the hangar now and then to keep a copy.');
    await context.close();
  }

  // Full: the last change is not kept, said, and the hangar shown is the
  // stored one; with room again, the next is kept.
  const context = await chrome.newContext();
  page = await open(context);
  const cdp = await context.newCDPSession(page);
  const origin = new URL(url).origin;
  await cdp.send('Storage.overrideQuotaForOrigin', {origin, quotaSize: 1});
  await page.fill('#AcName', 'Not kept');
  await page.fill('#AirplaneNotes', 'x'.repeat(4000));
  await page.click('#KeepAirplane');
  await until(page, () => document.getElementById('HangarError').textContent.startsWith('The last change was not kept'));
  assert.equal(await page.textContent('#HangarError'),
               'The last change was not kept: the storage for this page on the device is full.');
  assert.deepEqual(await names(page), []);
  await reload(page);
  assert.deepEqual(await names(page), []);
  await cdp.send('Storage.overrideQuotaForOrigin', {origin});
  await keep(page, 'Kept');
  assert.equal(await page.textContent('#HangarError'), '');

  // A record this page cannot read: said, and the hangar then changes nothing, so nothing of it is lost.
  await page.evaluate(() => new Promise(done => {
    indexedDB.open('Tethrix').onsuccess = e => {
      const tx = e.target.result.transaction('flights', 'readwrite');
      tx.objectStore('flights').put('{"id":"f1"', 'f1');
      tx.oncomplete = done;
    };
  }));
  await reload(page);
  const readOnly = await page.textContent('#HangarError');
  assert.match(readOnly, /^The hangar on this device holds records this page cannot read, so it changes nothing in it: A flight cannot be read: .+\.$/);
  await page.click('#KeepAirplane');
  assert.equal(await page.textContent('#HangarError'), readOnly);
  assert.deepEqual(await names(page), ['Kept']);
  await context.close();
});

test('two tabs editing different airplanes lose neither', async () => {
  const context = await chrome.newContext();
  const one = await open(context);
  await keep(one, 'Alpha');
  await keep(one, 'Bravo');
  const two = await open(context);
  assert.deepEqual((await names(two)).sort(), ['Alpha', 'Bravo']);
  // At once: each tab renames its own, neither having heard of the other's.
  const rename = async (page, from, to) => {
    page.removeAllListeners('dialog');
    page.once('dialog', d => d.accept(to));
    await page.click(`#Airplanes li:has-text("${from}") >> text=Rename`);
  };
  await Promise.all([rename(one, 'Alpha', 'Alpha 2'), rename(two, 'Bravo', 'Bravo 2')]);
  for (const page of [one, two])
    await until(page, () => [...document.querySelectorAll('#Airplanes .name')].map(e => e.textContent).sort().join() ===
                            'Alpha 2,Bravo 2');
  await reload(one);
  assert.deepEqual((await names(one)).sort(), ['Alpha 2', 'Bravo 2']);
  await context.close();
});
