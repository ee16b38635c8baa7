// Every answer of the page's C functions against its layout (REPLIES in
// bindings.js, HANGAR_REPLIES in hangarBindings.js): the modules of the
// built page run under Node, each function is made to answer through the
// page's own calls, and its texts and numbers, read here straight from the
// module's memory, must fall into the places its layout names. Every C
// function that answers must have a layout, and every layout is checked.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';

const site = resolve(process.env.TETHRIX_SITE || 'build-web/site');
const web = resolve(import.meta.dirname, '..');

// The modules are built for the browser: their .wasm comes by fetch.
globalThis.fetch = async url => new Response(readFileSync(String(url).replace(/\?.*/, '')),
                                             {headers: {'Content-Type': 'application/wasm'}});
const locateFile = path => join(site, path);
const load = async name => (await import(pathToFileURL(join(site, name)).href)).default({locateFile});
const tethrix = await load('tethrix.js');
const hangarModule = await load('tethrix-hangar.js');
const H = hangarModule.hangar;

// The C functions that answer: those whose body starts an answer (Start,
// an edit's Change, the lap timers' Answer), by the layout they answer in.
function answering(file, lapReply) {
  const names = [];
  for (const chunk of readFileSync(join(web, file), 'utf8').split(/^EXPORT /m).slice(1)) {
    const name = chunk.match(/\b(tx_\w+)\s*\(/)[1];
    if (/\bStart\(\)/.test(chunk) || /\bChange\(/.test(chunk)) names.push(name);
    else if (/\bAnswer\(/.test(chunk)) names.push(lapReply);
  }
  return names;
}

const fatal = new TextDecoder('utf-8', {fatal: true});
// The answer at `at` as it lies in the module's memory: {texts, numbers}.
function raw(mod, at) {
  const w = mod.HEAPU32, i = at >> 2, texts = [];
  for (let t = 0; t < w[i]; ++t) texts.push(mod.HEAPU8.slice(w[i + 3 + 2 * t], w[i + 3 + 2 * t] + w[i + 4 + 2 * t]));
  const first = w[i + 2] >> 3;
  return {texts, numbers: Array.from(mod.HEAPF64.subarray(first, first + w[i + 1]))};
}
// Where a list's values fall among the layout's names: the run's name and
// how many items it has, or none; throws when they cannot fall there.
function fall(names = [], count, what) {
  const run = names.findIndex(Array.isArray);
  if (run < 0) {
    assert.equal(count, names.length, `${what}: ${count} where the layout names ${names.length}`);
    return null;
  }
  const size = Math.max(1, names[run].length - 1), over = count - (names.length - 1);
  assert.ok(over >= 0 && over % size === 0, `${what}: ${count} do not fill runs of ${size}`);
  return {name: names[run][0], items: over / size};
}
const checked = new Set();
// The last answer of `mod` (or the lap timers') held to layouts[name].
function hold(mod, layouts, name, at = mod._tx_reply()) {
  const layout = layouts[name], {texts, numbers} = raw(mod, at);
  assert.ok(layout, `${name} has no layout`);
  checked.add(name);
  if (layout.orNothing && !texts.length && !numbers.length) return {texts, numbers};
  const t = fall(layout.texts, texts.length, `${name} texts`);
  const n = fall(layout.numbers, numbers.length, `${name} numbers`);
  if (t && n && t.name === n.name) assert.equal(t.items, n.items, `${name}: ${t.name} in texts and numbers`);
  if (!layout.bytes) for (const bytes of texts) fatal.decode(bytes);
  return {texts, numbers};
}

test('every C function that answers has a layout, and every layout names one', () => {
  const calculator = [...answering('Bindings.cpp', ''), ...answering('FlightBindings.cpp', ''),
                      ...answering('LanguageBindings.cpp', ''),
                      ...answering('LapBindings.cpp', 'tx_lapReply')].filter(Boolean);
  assert.deepEqual([...new Set(calculator)].sort(), Object.keys(tethrix.replies).sort());
  assert.deepEqual(answering('HangarBindings.cpp', '').sort(), Object.keys(hangarModule.replies).sort());
});

test("every answer falls into its layout's places", () => {
  const R = tethrix.replies, HR = hangarModule.replies, calc = (name, at) => hold(tethrix, R, name, at);
  const hangar = name => hold(hangarModule, HR, name);
  const core = new tethrix.CaseEditor('.');
  const file = new TextEncoder().encode('an=Nobler\nlt=5.1\nll=60\n');

  const curves = tethrix.chartCurves(); calc('tx_chartCurves');
  const inputs = tethrix.inputs(); calc('tx_inputs');
  tethrix.languages(); calc('tx_languages');
  tethrix.useCatalogue('#language\tde\n%n lap(s)\t%n Runde\t%n Runden\n'); calc('tx_useCatalogue');
  tethrix.said('Lap Time'); calc('tx_said');
  assert.deepEqual(tethrix.pluralForms('%n lap(s)'), ['%n Runde', '%n Runden']); calc('tx_pluralForms');
  tethrix.pluralForms('Lap Time'); calc('tx_pluralForms');
  tethrix.useCatalogue('');
  tethrix.realChange('LineTension', 8, 8.1); calc('tx_realChange');
  const lines = core.figureLines(); calc('tx_figureLines');
  assert.equal(inputs.length > 0 && lines.length > 0 && curves.length, 4);
  const shown = () => {
    core.shown();
    const {numbers} = calc('tx_shown');
    assert.equal(numbers.length, lines.length + 2, 'tx_shown: a value for each figure line');
  };
  shown();  // before the first calculation
  for (const [call, name] of [
    [() => core.text('lt'), 'tx_text'], [() => core.setText('lt', '5', false), 'tx_setText'],
    [() => core.stepLines(1), 'tx_stepLines'], [() => core.headingCue(), 'tx_headingCue'],
    [() => core.recalculate(), 'tx_recalculate'], [() => core.whatIfText(true), 'tx_whatIfText'],
    [() => core.whatIf(true), 'tx_whatIf'], [() => core.whatIf(false), 'tx_whatIf'],
    [() => core.open('Nobler.TQD', file), 'tx_open'], [() => core.unitText('ll', 'feet'), 'tx_unitText'],
    [() => core.figureUnit('LineTension'), 'tx_figureUnit'], [() => core.storedText('lt'), 'tx_storedText'],
    [() => core.setStoredText('Temp', '80'), 'tx_setStoredText'], [() => core.conditionsSummary(), 'tx_conditionsSummary'],
    [() => core.altimeterNote('30.10'), 'tx_altimeterNote'], [() => core.keepAsA(), 'tx_keepAsA'],
    [() => core.openA('A.TQD', file), 'tx_openA'], [() => core.defaults(), 'tx_defaults'],
  ]) {
    call();
    calc(name);
  }
  // The figures with A kept and notes on inputs that make no sense, then
  // an error with its advice.
  core.recalculate(); shown();
  core.keepAsA(); core.setText('ls', '0.018', false); core.setText('Humidity', '150', false);
  core.recalculate(); shown();
  core.save(); calc('tx_save');
  core.report(); calc('tx_report');
  for (const [key, holdSpeed] of [['lt', false], ['ll', true]]) {
    core.chartTable(key, holdSpeed);
    const {numbers} = calc('tx_chartTable');
    assert.ok(numbers.length > 0 && numbers.length % (2 + curves.length) === 0, 'tx_chartTable: rows of the curves');
  }
  core.pressureAltitude('1165', '30.10'); calc('tx_pressureAltitude');
  core.pressureAltitude('x', '30.10'); calc('tx_pressureAltitude');
  core.conditionsRefusal(); calc('tx_conditionsRefusal');
  core.setText('lt', '0', false); core.recalculate(); shown();
  core.advice(); calc('tx_advice');
  core.report(); calc('tx_report');  // an error, no rows
  core.setText('lt', '5.1', false); core.recalculate();

  // The lap timers: taps, then a turn counter with no samples yet.
  const taps = [0, 5.1, 10.2, 10.3, 15.3, 25.6, 30.7];
  tethrix.HEAPF64.set(taps, tethrix._tx_lapIn(taps.length) >> 3);
  tethrix._tx_lapsOfTaps(46); tethrix.judgedLaps(); calc('tx_lapReply', tethrix._tx_lapReply());
  const counter = tethrix._tx_turnNew();
  tethrix._tx_lapIn(0);
  tethrix._tx_turnAdd(counter, 1, 46); tethrix.judgedLaps(); calc('tx_lapReply', tethrix._tx_lapReply());
  tethrix._tx_turnDelete(counter);

  // The hangar: every edit, each committed, and what is read of it.
  const kase = tethrix.caseInputs(core); calc('tx_caseInputs');
  const now = '2026-12-09T04:30:00Z';
  H.load([], []); hangar('tx_hangarLoad');
  H.load(['not a record'], []); hangar('tx_hangarLoad');
  const edit = (call, name) => { const r = call(); hangar(name); H.commit(); return r; };
  edit(() => H.add(kase, 'a1', 'Fox .35', now), 'tx_hangarAdd');
  edit(() => H.keep(kase, 'a1', 'Fox .36', now), 'tx_hangarKeep');
  edit(() => H.rename('a1', 'Nobler II', now), 'tx_hangarRename');
  edit(() => H.duplicate('a1', 'a2', 'Nobler III', now), 'tx_hangarDuplicate');
  const flight = tethrix.flightRecord(core, 'f1', 'a2', now, {lapTime: '5.1', notes: 'gusty'});
  calc('tx_flightRecord');
  edit(() => H.logFlight(kase, flight.record), 'tx_hangarLogFlight');
  edit(() => H.logFlight(kase, 'not a record'), 'tx_hangarLogFlight');  // an error
  edit(() => H.correct('f1', now, '.', {lapTime: '5.2', engine: 'Fox'}), 'tx_hangarCorrect');
  H.flightFields('f1', '.'); hangar('tx_flightFields');
  H.flightFields('none', '.'); hangar('tx_flightFields');
  for (const metric of [false, true]) {
    const columns = H.logColumns(metric).columns.length; hangar('tx_logColumns');
    H.logRows('a2', metric, '.');
    const {texts, numbers} = hangar('tx_logRows'), rows = texts.length - numbers.length;
    assert.equal(numbers.length, rows * columns, 'tx_logRows: a value for each column of each flight');
    H.csv('a2', metric); hangar('tx_logCsv');
  }
  H.list(); hangar('tx_hangarList');
  H.open('a1'); hangar('tx_hangarOpen');
  H.open('none'); hangar('tx_hangarOpen');
  H.fileName('Nobler/II'); hangar('tx_fileName');
  const exported = H.file('a2'); hangar('tx_hangarFile');
  H.file(); hangar('tx_hangarFile');
  edit(() => H.remove('a2', false), 'tx_hangarDelete');
  H.deleted(); hangar('tx_hangarDeleted');
  H.index(); hangar('tx_hangarIndex');
  edit(() => H.deleteFlight('f1'), 'tx_hangarDeleteFlight');
  // An import answers as every edit does, then tx_imported says what it
  // brought; its answer is read here before that call.
  for (const bytes of [exported.bytes, new TextEncoder().encode('{"format":"other"}')]) {
    const at = hangarModule._tx_arena(bytes.length);
    hangarModule.HEAPU8.set(bytes, at);
    hangarModule._tx_hangarImport(at, bytes.length);
    hangar('tx_hangarImport');
    H.drop();
  }
  H.import(exported.bytes, 'hangar.json'); hangar('tx_imported'); H.commit();

  const declared = [...Object.keys(R), ...Object.keys(HR)];
  assert.deepEqual(declared.filter(name => !checked.has(name)), [], 'layouts no answer was held to');
});
