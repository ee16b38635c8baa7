// The page in a real browser (Debian's Chromium through playwright-core),
// against tethrix-calc: the same figures to the bit, the same errors, the
// same data files, the flying conditions kept, and working offline.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync, mkdirSync, truncateSync, cpSync, appendFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {servePage, openPage, desktop, pageFigures, FIELD, site} from './support.mjs';

let server, url, chrome;
servePage(shared => ({server, url, chrome} = shared));
const shots = process.env.TETHRIX_SCREENSHOTS || join(site, '..', 'screenshots');

const open = context => openPage(context, url);

// Types the inputs into their fields and presses Enter, as a flier would.
async function enter(page, inputs) {
  await page.click('#Defaults1');
  if (!(await page.$eval('#Conditions', d => d.open)))
    await page.click('#Conditions summary');
  await page.click('#DefaultsBtn');
  for (const [key, value] of Object.entries(inputs))
    await page.fill('#' + FIELD[key], value);
  await page.press('#LapTime', 'Enter');
}

// Typical, extreme and failing cases, as KEY=VALUE.
const CASES = [
  {},
  {lt: '4.6', ll: '60'},
  {nl: '1', ls: '0.018', Temp: '90', Altitude: '3000', Humidity: '80', WndSpeed: '5', HndlAngl: '10'},
  {nl: '3', lt: '4.2', ll: '60', wl: '24', wt: '48', wa: '600', hl: '6'},
  {ArmLngth: '0'},
  {lt: '5.5', wt: '64', wa: '700', ls: '0.021'},
  {Temp: '20', Altitude: '8000', Humidity: '10'},
  {Temp: '110', Humidity: '95', Altitude: '-500'},
  {ll: '42', lt: '3.9', wl: '18', hl: '5', wt: '20', wa: '300'},
  {ll: '70', lt: '5.9', nl: '3', ls: '0.012'},
  {HndlAngl: '-30', ArmLngth: '24'},
  {HndlAngl: '45', WndSpeed: '12'},
  {WndSpeed: '25', lt: '4.4'},
  {wa: '1e-3'},
  {ls: '1E-2', ll: '6.5E1'},
  {wt: '1234.5678', wa: '987.654321'},
  {Altitude: '1.2E4', Temp: '-20'},
  {Humidity: '150'},
  {lt: '0'},
  {lt: '-4.9'},
  {Temp: '-500'},
  {Altitude: '1e30'},
  {WndSpeed: '52.47'},
  {ArmLngth: '1000', HndlAngl: '170'},
  {wa: '1e-38'},
  {wl: '700', ll: '58'},
];

test('every figure and every error equals tethrix-calc --json', async () => {
  const context = await chrome.newContext();
  const page = await open(context);
  // The lap-time chart's rows (lap time, solved, its four curves): every
  // tenth as tethrix-calc gives the figures at that lap time.
  const rows = await page.evaluate(() => Array.from(window.tethrixSession.chartTable('lt', false).values));
  assert.equal(rows.length, 41 * 6);
  for (let at = 0; at < rows.length; at += 60) {
    const {json} = desktop([`lt=${rows[at]}`]);
    assert.deepEqual(rows.slice(at, at + 6),
                     [rows[at], 1, json.LineTension, json.LeadoutPosition, json.LineProjection, json.LeadoutRake]);
  }
  let compared = 0;
  for (const inputs of CASES) {
    const args = Object.entries(inputs).map(([k, v]) => `${k}=${v}`);
    const reference = desktop(args);
    await enter(page, inputs);
    const error = await page.textContent('#Error');
    if (reference.status !== 0) {
      const message = reference.error + (reference.error.endsWith('.') ? '' : '.');
      assert.equal(error, message, args.join(' '));
      if (reference.advice)  // beside the field it names, with what would mend it
        assert.equal(await page.textContent('#FieldError'), message + '\n' + reference.advice, args.join(' '));
      assert.equal(await page.getAttribute('#Label2', 'class'), 'stale', args.join(' '));
      continue;
    }
    assert.equal(error, '', args.join(' '));
    const figures = await pageFigures(page);
    for (const [key, value] of Object.entries(reference.json))
      if (key !== 'Conditions' && key !== 'units' && key !== 'Warnings')
        assert.equal(figures[key], value, `${key} for ${args.join(' ')}`);
    assert.equal(await page.textContent('#Notes'),
                 reference.json.Warnings.map(w => w.replace(/^\w+: /, '')).join('\n'), args.join(' '));
    assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
    ++compared;
  }
  assert.ok(compared >= 20, `${compared} cases compared`);
  await context.close();
});

// A phone in German or French shows a comma on its decimal keypad: the
// fields take it, and the point, not read as a decimal mark there, is
// named; in English the comma is not read (the words are checked in
// English, the page speaking the browser's language). A field that shows a text it
// could not read keeps the heading red after Calculate, and says so.
test('the decimal separator of the browser language, and unreadable texts', async () => {
  const lapAt52 = desktop(['lt=5.2']).json;
  for (const [locale, mark] of [['de-DE', ','], ['fr-FR', ','], ['en-US', '.']]) {
    const context = await chrome.newContext({locale, hasTouch: true});
    await context.addInitScript(() => localStorage.getItem('Tethrix.units') || localStorage.setItem('Tethrix.units', 'imperial'));
    const page = await open(context);
    const other = mark === ',' ? '.' : ',', english = locale === 'en-US';
    await page.focus('#LapTime');
    await page.keyboard.press('Control+A');
    await page.keyboard.type(`5${mark}2`);  // key by key, as a keypad sends it
    await page.click('#Calculate');
    assert.equal(await page.getAttribute('#Label2', 'class'), 'current', locale);
    assert.equal((await pageFigures(page)).LineTension, lapAt52.LineTension, locale);
    assert.match(await page.textContent('#TensionLabel'), new RegExp(`= \\d+\\${mark}\\d+ ${english ? 'pounds' : ''}`));

    await page.fill('#Weight', '');
    await page.keyboard.type(`42${other}5`);
    assert.match(await page.textContent('#FieldError'),
                 new RegExp(mark === ',' ? "\\(','\\)" : "decimal point \\('\\.'\\)"), locale);  // in its language
    await page.click('#Calculate');
    assert.equal(await page.getAttribute('#Label2', 'class'), 'stale', locale);
    const cue = `Airplane Weight shows '42${other}5': the figures use 42 ounces.`;
    if (english) assert.equal(await page.textContent('#HeadingCue'), cue);
    else assert.ok((await page.textContent('#HeadingCue')).includes(`'42${other}5'`), locale);
    assert.match(await page.textContent('#Notes'), english ? /^Airplane Weight shows/ : /42/);
    // Stored conditions keep the point whatever the language.
    await page.click('#Conditions summary');
    await page.fill('#Temprature', `61${mark}5`);
    assert.equal(JSON.parse(await page.evaluate(() => localStorage.getItem('Tethrix.conditions'))).Temp, '61.5');
    // A touch keypad has no Enter: the hint names the button.
    assert.equal(await page.isVisible('.hint .touch'), true);
    assert.equal(await page.isVisible('.hint .keys'), false);
    await context.close();
  }
});

test('what if, the heading and the keyboard', async () => {
  const context = await chrome.newContext();
  const page = await open(context);
  await page.fill('#WfLapTime', '5');
  await page.press('#WfLapTime', 'Enter');
  assert.equal(await page.inputValue('#WfLineLength'), '59.27');
  await page.fill('#WfLineLength', '58');
  await page.press('#WfLineLength', 'Enter');
  assert.equal(await page.inputValue('#WfLapTime'), '4.9');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
  assert.equal(await page.textContent('#LapSpeed'), 'Lap Speed = 54.36 mph');

  // Any change of a text turns the heading red, with words for it; Enter
  // turns it green. Keyboard only, from the name field on.
  await page.focus('#AcName');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');  // Line Length, its text selected
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'stale');
  assert.match(await page.textContent('#HeadingCue'), /out of date: press Enter/);
  await page.keyboard.type('0');
  await page.keyboard.press('Enter');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
  assert.equal(await page.inputValue('#WfLineLength'), '50');

  // The line count leaves its field within 1 … 3, as the window's spin field.
  for (const [typed, left] of [['7', '3'], ['0', '1']]) {
    await page.fill('#NumLines', typed);
    await page.press('#NumLines', 'Tab');
    assert.equal(await page.inputValue('#NumLines'), left, typed);
  }
  await page.press('#NumLines', 'Enter');
  assert.equal((await pageFigures(page)).LineTension, desktop(['nl=1', 'll=50']).json.LineTension);

  await page.fill('#Weight', 'x');
  assert.equal(await page.textContent('#Error'), "'x' is not a valid floating point value.");

  // The core's calls: texts of any script go in and come back whole; a key
  // the core has not is refused, and the next call is answered.
  const calls = await page.evaluate(() => {
    const s = window.tethrixSession;
    s.setText('an', 'Été — 飛行機 🛩', true);
    let unknown = 'answered';
    try { s.storedText('nope'); } catch { unknown = 'refused'; }
    return {name: s.text('an'), unknown, line: s.storedText('ll')};
  });
  assert.deepEqual(calls, {name: 'Été — 飛行機 🛩', unknown: 'refused', line: '50'});
  await context.close();
});

test('data files go between the page and tethrix-calc unchanged', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'tethrix-web-'));
  const context = await chrome.newContext({acceptDownloads: true});
  const page = await open(context);
  await enter(page, {lt: '5.25', ll: '61.5', nl: '3', an: 'Caf\u00e9 Racer'});
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#Save1')]);
  assert.equal(download.suggestedFilename(), 'Caf\u00e9 Racer.TQD');
  const saved = join(dir, 'saved.TQD');
  await download.saveAs(saved);
  assert.deepEqual(readFileSync(saved), Buffer.from(
    'an=Caf\xe9 Racer\r\nnl=3\r\nls=0.015000\r\nll=61.500000\r\nwl=25.500000\r\nhl=7.000000\r\n' +
    'wt=42.000000\r\nlt=5.250000\r\nwa=512.000000\r\n', 'latin1'));
  const fromPage = await pageFigures(page);
  const reference = JSON.parse(execFileSync(process.env.TETHRIX_CALC || 'build/tools/tethrix-calc',
                                            ['--no-settings', '--json', saved], {encoding: 'utf8'}));
  assert.equal(fromPage.LineTension, reference.LineTension);

  // A file as written on a Windows machine (a byte-order mark, keys in any
  // case, an unknown key), read by both into the
  // built-in airplane (a file changes only what it names).
  await page.click('#Defaults1');
  const old = join(dir, 'old.TQD');
  writeFileSync(old, Buffer.from('\xef\xbb\xbfan=Stunt Two\r\nNL = 1\r\nls=0.018\r\nLT=4.75\r\nzz=1\r\nwa=512.25\r\n', 'latin1'));
  await page.setInputFiles('#OpenFile', old);
  await page.waitForFunction(() => document.getElementById('AcName').value === 'Stunt Two');
  assert.equal(await page.inputValue('#WingArea'), '512.25');
  assert.equal(await page.inputValue('#WfLapTime'), '4.75');
  const opened = await pageFigures(page);
  const both = JSON.parse(execFileSync(process.env.TETHRIX_CALC || 'build/tools/tethrix-calc',
                                       ['--no-settings', '--json', old], {encoding: 'utf8'}));
  for (const key of ['LeadoutPosition', 'LineTension', 'LineProjection', 'LineWeight', 'GroundSpeed'])
    assert.equal(opened[key], both[key], key);

  // Over 1 MiB, and far over (a sparse file of 1.5 GB): refused, not read.
  for (const [name, size] of [['big.TQD', (1 << 20) + 1], ['huge.TQD', 1.5e9]]) {
    const big = join(dir, name);
    writeFileSync(big, Buffer.alloc(0));
    truncateSync(big, size);
    await page.evaluate(() => { document.getElementById('Error').textContent = ''; });
    await page.setInputFiles('#OpenFile', big);
    await page.waitForFunction(() => document.getElementById('Error').textContent.includes('1 MiB'));
  }
  await context.close();
});

test('the flying conditions survive a reload and the page works offline', async () => {
  const context = await chrome.newContext();
  const page = await open(context);
  await page.click('#Conditions summary');
  await page.fill('#Temprature', '90');
  await page.press('#Temprature', 'Enter');
  const reference = desktop(['Temp=90']).json;
  assert.equal((await pageFigures(page)).DensityAltitude, reference.DensityAltitude);

  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.inputValue('#Temprature'), '90');
  assert.equal((await pageFigures(page)).DensityAltitude, reference.DensityAltitude);
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));

  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal((await pageFigures(page)).DensityAltitude, reference.DensityAltitude);
  await context.setOffline(false);

  // Two tabs: a change in one shows in the other, figures left behind, and
  // neither reverts the other's, even one it has not heard of yet.
  const other = await open(context);
  for (const tab of [page, other]) await tab.click('#Conditions summary');
  await page.fill('#Temprature', '61');
  await page.press('#Temprature', 'Enter');
  await other.waitForFunction(() => document.getElementById('Temprature').value === '61');
  assert.equal(await other.textContent('#Error'), 'Flying conditions changed in another tab: Temprature.');
  assert.match(await other.textContent('#ConditionsLine'), /Temprature 61 deg\. F/);
  assert.equal(await other.getAttribute('#Label2', 'class'), 'stale');
  const stored = tab => tab.evaluate(() => JSON.parse(localStorage.getItem('Tethrix.conditions')));
  await other.evaluate(() => localStorage.setItem('Tethrix.conditions',  // a third tab's, not heard here yet
    JSON.stringify({...JSON.parse(localStorage.getItem('Tethrix.conditions')), WndSpeed: '5'})));
  await other.fill('#Humidity', '33');
  assert.deepEqual(await stored(other), {ArmLngth: '18', HndlAngl: '0', WndSpeed: '5', Temp: '61', Altitude: '100',
                                         Humidity: '33', PullMultiple: '10', PullLoad: '0'});
  await page.waitForFunction(() => document.getElementById('Humidity').value === '33');
  // Conditions no visit could start with are said and not kept.
  await other.fill('#Preasure', '1e38');
  assert.match(await other.textContent('#Error'), /^The pressure altitude lies outside the atmosphere the program can model\. These flying conditions are not saved\.$/);
  assert.equal((await stored(other)).Altitude, '100');
  await context.close();
});

// A visit shows the page as it last started (or with nothing stored, as
// built in) before the calculator loads: only for the same build, stored
// conditions and units, inert until the page has calculated it again, and
// a failed load still says so.
test('a visit shows the page as it starts at once, and only its own start', async () => {
  const context = await chrome.newContext({serviceWorkers: 'block'});
  const page = await open(context);
  // With nothing stored: the start built into the page is the page's own.
  const [own, built] = await page.evaluate(() => {
    const t = document.createElement('template');
    t.innerHTML = window.tethrixStartMarkup();
    return [t.innerHTML, document.getElementById('BuiltStart').innerHTML];
  });
  assert.ok(built === own, 'web/start.html is not the page as it starts: run scripts/prerender-web.sh');
  await page.waitForFunction(() => localStorage.getItem('Tethrix.start'));
  const figures = await page.$$eval('#Results li', lis => lis.map(li => li.textContent));
  const lapTime = await page.inputValue('#LapTime');
  const stalled = [];
  await page.route('**/tethrix.wasm*', route => { stalled.push(route); });  // never answered
  const shown = async () => {
    await page.reload({waitUntil: 'domcontentloaded'});
    return page.evaluate(() => ({main: !document.querySelector('main').hidden, inert: document.querySelector('main').inert,
                                 figures: [...document.querySelectorAll('#Results li')].map(li => li.textContent),
                                 lapTime: document.getElementById('LapTime')?.value}));
  };
  assert.deepEqual(await shown(), {main: true, inert: true, figures, lapTime});
  // Stored texts the kept start was not made under: nothing until calculated.
  for (const [key, value] of [['Tethrix.units', 'metric'], ['Tethrix.conditions', '{"Temp":"90"}']]) {
    await page.evaluate(([k, v]) => localStorage.setItem(k, v), [key, value]);
    assert.deepEqual(await shown(), {main: false, inert: false, figures: [], lapTime: undefined}, key);
    await page.evaluate(k => localStorage.removeItem(k), key);
  }
  // A start kept by another build: the built-in one, the same figures.
  await page.evaluate(() => {
    const kept = JSON.parse(localStorage.getItem('Tethrix.start'));
    localStorage.setItem('Tethrix.start', JSON.stringify({...kept, build: 'another', html: '<p>another</p>'}));
  });
  assert.deepEqual(await shown(), {main: true, inert: true, figures, lapTime});
  await page.unroute('**/tethrix.wasm*');
  stalled.forEach(route => route.abort().catch(() => {}));

  // The calculator replaces it with the same figures, and the page works.
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await page.waitForFunction(() => JSON.parse(localStorage.getItem('Tethrix.start')).build !== 'another');
  await page.route('**/tethrix.wasm*', route => route.fulfill({status: 200, contentType: 'application/wasm', body: 'x'}));
  await page.reload();
  await page.waitForSelector('#LoadError', {state: 'visible'});
  assert.ok(!(await page.isVisible('main')));
  await page.unroute('**/tethrix.wasm*');
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.evaluate(() => document.querySelector('main').inert), false);
  assert.deepEqual(await page.$$eval('#Results li', lis => lis.map(li => li.textContent)), figures);
  await page.fill('#LapTime', '6.5');
  await page.press('#LapTime', 'Enter');
  assert.equal((await pageFigures(page)).GroundSpeed, desktop(['lt=6.5']).json.GroundSpeed);
  await context.close();
});

test('the printed page and the screenshots', async () => {
  const context = await chrome.newContext();
  const page = await open(context);
  await page.fill('#LapTime', '6.5');  // no Enter: Print brings the figures up to date
  await page.evaluate(() => { window.print = () => { window.printedAs = document.title; }; });
  await page.click('#Print1');
  assert.equal(await page.evaluate(() => window.printedAs), 'Ringcruiser - Tethrix Print Job');
  assert.equal(await page.title(), 'Tethrix');
  const report = await page.evaluate(() => [...document.querySelectorAll('#Report div')].map(d => d.textContent));
  assert.equal(report[0], 'Ringcruiser');
  assert.ok(report.includes('Lap Time = 6.5 seconds'));
  assert.ok(report.includes(await page.textContent('#GndSpeedLabel')));
  assert.ok(report.some(r => r.startsWith('Printed ')));
  await context.close();

  mkdirSync(shots, {recursive: true});
  for (const [name, viewport, scheme] of [['web-phone', {width: 360, height: 1400}, 'light'],
                                          ['web-desktop', {width: 1280, height: 1300}, 'light'],
                                          ['web-desktop-dark', {width: 1280, height: 1300}, 'dark']]) {
    const c = await chrome.newContext({viewport, colorScheme: scheme});
    const p = await open(c);
    await p.screenshot({path: join(shots, name + '.png'), fullPage: true});
    await c.close();
  }
});

test('two setups side by side, as tethrix-calc --compare gives them', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'tethrix-compare-'));
  const context = await chrome.newContext({viewport: {width: 1280, height: 1300}});
  const page = await open(context);
  assert.equal(await page.isDisabled('#ClearA'), true);
  await page.click('#KeepAsA');
  assert.equal(await page.textContent('#TensionLabelA'), ' (A 8.042, no change)');
  await page.fill('#LineDia', '0.018');
  await page.press('#LineDia', 'Enter');
  assert.equal(await page.textContent('#ComparedWith'), 'A: Ringcruiser\nLine Diameter: A 0.015 inches, B 0.018 inches');
  assert.equal(await page.textContent('#LineDragLblA'), ' (A 0.3773, +0.05663)');
  const a = join(dir, 'A.TQD'), b = join(dir, 'B.TQD');
  writeFileSync(a, 'an=Ringcruiser\r\n');
  writeFileSync(b, 'ls=0.018\r\n');
  const both = desktop(['--compare', a, b]).json;
  assert.deepEqual(both.Differences, ['Line Diameter: A 0.015 inches, B 0.018 inches']);
  const shown = await pageFigures(page);
  for (const key of Object.keys(both.B)) if (key !== 'Name') assert.equal(shown[key], both.B[key], key);
  mkdirSync(shots, {recursive: true});
  await page.locator('#Results').screenshot({path: join(shots, 'web-compare.png')});

  // A from a data file; the report prints the comparison; Clear A ends it.
  const heavy = join(dir, 'Heavy.TQD');
  writeFileSync(heavy, 'an=Heavy\r\nwt=56\r\n');
  await page.setInputFiles('#OpenA', heavy);
  await page.waitForFunction(() => document.getElementById('ComparedWith').textContent.startsWith('A: Heavy\n'));
  assert.equal(await page.textContent('#ComparedWith'),
               'A: Heavy\nAirplane Weight: A 56 ounces, B 42 ounces');
  assert.equal(await page.textContent('#PullTestLblA'), ' (A 35, -8.75)');
  assert.equal(await page.inputValue('#Weight'), '42');
  await page.evaluate(() => { window.print = () => {}; });
  await page.click('#Print1');
  const report = await page.evaluate(() => [...document.querySelectorAll('#Report div')].map(d => d.textContent));
  assert.ok(report.includes("Compared with A: Heavy (A's value, then the change from it)"), report.join('|'));
  await page.click('#ClearA');
  assert.equal(await page.textContent('#PullTestLblA'), '');
  assert.equal(await page.textContent('#ComparedWith'), '');
  await context.close();
});

test('metric: typed and shown in metric, figures as tethrix-calc --units=metric, kept in imperial', async () => {
  const context = await chrome.newContext({acceptDownloads: true});
  const page = await open(context);
  await page.selectOption('#Units', 'metric');
  assert.equal(await page.getAttribute('#Label2', 'class'), 'current');  // switching changes no figure
  assert.equal(await page.inputValue('#LineLength'), '17.68');
  assert.equal(await page.textContent('#LineLength + span'), 'm');
  assert.match(await page.textContent('#TensionLabel'), / N$/);
  const metric = await pageFigures(page);
  const reference = desktop(['--units=metric']).json;
  for (const key of Object.keys(metric)) assert.equal(metric[key], reference[key], key);
  mkdirSync(shots, {recursive: true});
  await page.screenshot({path: join(shots, 'web-metric.png'), fullPage: true});

  // Typed in metric: the same figures as tethrix-calc given the same metric texts.
  await page.click('#Conditions summary');
  const typed = {ll: '18.288', ls: '0.381', wt: '1587.6', wl: '647.7', Temp: '15', Altitude: '300'};
  for (const [key, value] of Object.entries(typed)) await page.fill('#' + FIELD[key], value);
  await page.press('#LapTime', 'Enter');
  const typedReference = desktop(['--units=metric', ...Object.entries(typed).map(([k, v]) => `${k}=${v}`)]).json;
  const typedFigures = await pageFigures(page);
  for (const key of Object.keys(typedFigures)) assert.equal(typedFigures[key], typedReference[key], key);
  assert.match(await page.textContent('#LeadoutRakeLbl'), /^Leadout Rake = 1\.\d+ degrees$/);

  // Back to imperial and reloaded: the conditions were kept in imperial.
  await page.selectOption('#Units', 'imperial');
  assert.equal(await page.inputValue('#Temprature'), '59');
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.inputValue('#Temprature'), '59');
  assert.equal(await page.inputValue('#Units'), 'imperial');
  assert.deepEqual(JSON.parse(await page.evaluate(() => localStorage.getItem('Tethrix.conditions'))).Temp, '59');
  await context.close();
});

// The odd texts of tests/data/odd-texts.json typed key by key into each main
// field, then Enter: the page shows what the window showed (its widget test
// wrote TETHRIX_WINDOW_ODD_TEXTS): the field's text, the error of the last
// key, the error of Enter and every figure; in English, then in German
// (the window's outcomes in German beside the English ones).
const windowOddTexts = process.env.TETHRIX_WINDOW_ODD_TEXTS;
test('odd texts typed into each field give what the window gives', {skip: !windowOddTexts}, async () => {
  for (const [language, file] of [['en', windowOddTexts], ['de', windowOddTexts.replace(/\.json$/, '-de.json')]]) {
    const outcomes = JSON.parse(readFileSync(file, 'utf8'));
    const context = await chrome.newContext();
    await context.addInitScript(l => {
      localStorage.setItem('Tethrix.language', l);
      if (localStorage.getItem('Tethrix.units') === null) localStorage.setItem('Tethrix.units', 'imperial');
    }, language);
    const page = await open(context);
    const differences = [];
    for (const want of outcomes) {
      await page.click('#Defaults1');
      const id = '#' + FIELD[want.key];
      await page.focus(id);
      await page.keyboard.press('Control+A');
      if (want.text === '') await page.keyboard.press('Backspace');
      await page.keyboard.type(want.text);
      const got = {shown: await page.inputValue(id), typingError: await page.textContent('#Error')};
      await page.keyboard.press('Enter');
      got.enterError = await page.textContent('#Error');
      got.figures = await page.evaluate(() => [...document.querySelectorAll('#Results li')].map(li => li.textContent));
      got.current = await page.getAttribute('#Label2', 'class') === 'current';
      got.cue = got.current ? '' : await page.textContent('#HeadingCue');
      for (const part of ['shown', 'typingError', 'enterError', 'figures', 'current', 'cue'])
        if (JSON.stringify(got[part]) !== JSON.stringify(want[part]))
          differences.push(`${want.key} "${want.text}" ${part}: page ${JSON.stringify(got[part])}, ` +
                           `window ${JSON.stringify(want[part])}`);
    }
    assert.deepEqual(differences, [], language);
    assert.ok(outcomes.length >= 100, `${outcomes.length} texts compared`);
    await context.close();
  }
});

// A phone, by touch alone: Calculate without a Return key, figures that come
// into view, an error under its field, 44 px controls, Defaults that asks,
// the conditions in force, notes, and the desktop's charts.
test('the page on a phone, by touch alone', async () => {
  for (const viewport of [{width: 360, height: 740}, {width: 390, height: 844}]) {
    const context = await chrome.newContext({viewport, hasTouch: true, isMobile: true, deviceScaleFactor: 2});
    const page = await context.newPage();
    page.setDefaultTimeout(5000);
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    const inView = selector => page.$eval(selector, (e, h) => {
      const r = e.getBoundingClientRect();
      return r.top >= 0 && r.bottom <= h && r.height > 0;
    }, viewport.height);

    await page.tap('#Conditions summary');
    const small = await page.$$eval('button, .button, input:not([type=file]), select, summary', (all) => all
      .filter(e => e.getClientRects().length)
      .filter(e => e.getBoundingClientRect().height < 44).map(e => e.id || e.textContent.trim()));
    assert.deepEqual(small, [], `controls under 44 px at ${viewport.width}`);
    for (const control of await page.$$('button:visible:not([disabled]), .button:visible, input:visible, select:visible, summary'))
      await control.tap({trial: true});  // each can be reached and touched, nothing covers it
    assert.match(await page.textContent('#ConditionsLine'), /^Arm Length 18 inches, .* Relative Humidity 50 percent$/);
    // The pressure altitude from the field's elevation and altimeter setting.
    await page.fill('#FieldElevation', '1165');
    await page.fill('#AltimeterSetting', '30.10');
    await page.tap('#FillAltitude');
    assert.equal(await page.inputValue('#Preasure'), '1000.09');
    assert.match(await page.textContent('#ConditionsLine'), /Preasure Altitude 1000 feet/);
    await page.tap('#Calculate');
    assert.equal((await pageFigures(page)).DensityAltitude,
                 desktop(['Elevation=1165', 'Altimeter=30.10']).json.DensityAltitude);
    await page.fill('#Preasure', '100');
    await page.tap('#Conditions summary');

    // Calculate, as the decimal keypad has no Return.
    await page.fill('#LapTime', '5.5');
    await page.tap('#Calculate');
    assert.equal(await page.getAttribute('#Label2', 'class'), 'current');
    assert.equal((await pageFigures(page)).LineTension, desktop(['lt=5.5']).json.LineTension);
    assert.ok(await inView('#Label2'), 'the figures come into view');

    // An error under the field it names, in view, with what would mend it;
    // a note under the figures for an input that has no physical meaning.
    await page.fill('#LapTime', '0');
    await page.tap('#Calculate');
    assert.equal(await page.textContent('#FieldError'),
                 'Floating point division by zero.\nLap Time must be more than 0 seconds.');
    assert.ok(await inView('#FieldError') && await inView('#LapTime'), 'the error and its field in view');
    assert.equal(await page.evaluate(() => document.getElementById('LapTime').nextElementSibling.nextElementSibling.id),
                 'FieldError');
    await page.fill('#LapTime', '5');
    await page.fill('#LineDia', '0');
    await page.tap('#Calculate');
    assert.ok(await page.isHidden('#FieldError'));
    assert.match(await page.textContent('#Notes'), /^Line Diameter is 0 inches, outside .* It is calculated as 0.003937 inches/);

    // Defaults asks first: No keeps the airplane, Yes puts back the built-in one.
    await page.fill('#AcName', 'Nobler');
    for (const answer of [false, true]) {
      page.once('dialog', dialog => {
        assert.match(dialog.message(), /^Replace Nobler with the built-in airplane\?/);
        return answer ? dialog.accept() : dialog.dismiss();
      });
      await page.tap('#Defaults1');
      assert.equal(await page.inputValue('#AcName'), answer ? 'Ringcruiser' : 'Nobler');
    }

    // The charts: four curves, each with its scale, axis titles, the speed held on request.
    await page.locator('#ChartLapTime').scrollIntoViewIfNeeded();
    await page.waitForFunction(() => document.querySelectorAll('#ChartLineLength path').length === 4);
    for (const chart of ['#ChartLapTime', '#ChartLineLength'])
      assert.equal(await page.$$eval(`${chart} path`, paths => paths.length), 4);
    assert.ok((await page.textContent('#ChartLapTime')).includes('Leadout Rake (deg'));
    assert.ok((await page.textContent('#ChartLineLength')).includes('Line Length (feet)'));
    await page.selectOption('#ChartHold', 'speed');
    assert.match(await page.textContent('#ChartLineLength'), /at the same speed/);
    if (viewport.width === 360)
      await page.screenshot({path: join(shots, 'web-phone-charts.png'), fullPage: false});
    await context.close();
  }
});
