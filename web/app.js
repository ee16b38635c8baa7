// The page: binds its elements to the flier's case (the core, compiled to
// WebAssembly). What a field does with a typed text, when the figures are
// current, what a file or a page holds: all of that is the core's; this file
// only shows what it says.
import createTethrix from './tethrix.js?b=@BUILD@';
import {LANGUAGE_KEY, useLanguage, said, T, count, separatorOf, translateTree, pageLanguage} from './language.js?b=@BUILD@';
import {drawChart} from './charts.js?b=@BUILD@';
import {CONDITIONS_KEY, UNITS_KEY, START_KEY, CASE_KEY, storageProblem, storageRead, storageWrite, readConditions,
        conditionsProblem, storeConditions as store, hearOtherTabs, restoreCase, storeCase,
        forgetCase} from './storage.js?b=@BUILD@';

// This build's name: every file the page loads is asked for under it.
const BUILD = '@BUILD@';

/** @type {(id: any) => any} */
const $ = id => document.getElementById(id);

const tethrix = await createTethrix({locateFile: (path, folder) => folder + path + '?b=' + BUILD});
const languageProblem = await useLanguage(tethrix);
// A kept start on the screen (see keepStart) gives way to the page itself
// before anything is bound to its elements; its charts stay until the
// page's own are drawn (they belong to the same figures).
if (window.tethrixPage) {
  const charts = [$('ChartLapTime'), $('ChartLineLength')];
  document.querySelector('main').replaceChildren(window.tethrixPage);
  $('ChartLapTime').append(...charts[0].childNodes);
  $('ChartLineLength').append(...charts[1].childNodes);
}
translateTree(document.body);

// The decimal separator of the page's language, which a phone's decimal
// keypad shows: the fields read and show numbers with it (and only with it:
// "1,500" in English is no 1.5). Files and stored texts keep the point.
const core = new tethrix.CaseEditor(separatorOf(pageLanguage()));
window.tethrixSession = core;  // for the tests and the benchmarks
window.tethrixSpeech = {said, count};  // for the tests
// The core's table of inputs: key, caption, id, unit, condition, number.
const INPUTS = tethrix.inputs();
const CONDITIONS = INPUTS.filter(input => input.condition).map(input => input.key);
// The figures' lines: name, key and whether a gap stands before it.
const FIGURES = core.figureLines();

// The fields and the figures' lines, in the table's order.
function buildPanels() {
  for (const input of INPUTS) {
    const rows = $(input.condition ? 'ConditionRows' : 'MainRows');
    const label = document.createElement('label');
    label.htmlFor = input.id;
    label.textContent = said(input.caption);
    const field = document.createElement('input');
    field.id = input.id;
    field.autocomplete = 'off';
    if (input.key !== 'an') field.inputMode = input.number ? 'decimal' : 'numeric';
    rows.append(label, field);
    if (input.key !== 'an') {
      const unit = document.createElement('span');
      unit.dataset.imperial = input.unit;
      rows.append(unit);
    }
  }
  for (const f of FIGURES) {
    const li = document.createElement('li');
    li.id = f.name;
    li.dataset.key = f.key;
    if (f.gap) li.className = 'gap';
    // The figure, then A's value and the change when a case is kept as A.
    const compare = document.createElement('span');
    compare.id = f.name + 'A';
    compare.className = 'compare';
    li.append(document.createElement('span'), compare);
    $('Results').append(li);
  }
}

// An error stands under the figures; when the core names the field it
// concerns, it stands under that field too, with what would mend it, and
// comes into view.
function showError(text, advice = null) {
  text = said(text || '');
  $('Error').textContent = text;
  const beside = $('FieldError');
  const field = text && advice && advice.id ? $(advice.id) : null;
  if (!field) { beside.hidden = true; beside.textContent = ''; return; }
  const after = field.nextElementSibling && field.nextElementSibling.tagName === 'SPAN' ? field.nextElementSibling : field;
  after.after(beside);
  beside.textContent = text + (advice.text ? '\n' + said(advice.text) : '');
  beside.hidden = false;
  if (field.closest('details') && !field.closest('details').open) field.closest('details').open = true;
  // The field in the middle of the screen, its error just under it.
  const box = beside.getBoundingClientRect(), top = field.getBoundingClientRect().top;
  if (top < 0 || box.bottom > innerHeight) field.scrollIntoView({block: 'center'});
}

// The flying conditions in force, on one line under their panel's title.
function showConditions() { $('ConditionsLine').textContent = said(core.conditionsSummary()); }

// Each field's unit beside it, in the units shown.
function showUnits() {
  for (const input of INPUTS) {
    const unit = $(input.id).nextElementSibling;
    if (unit && unit.tagName === 'SPAN') unit.textContent = said(core.unitText(input.key, unit.dataset.imperial));
  }
  $('WfLineLengthUnit').textContent = said(core.unitText('ll', 'feet'));
  $('FieldElevationUnit').textContent = said(core.unitText('Altitude', 'feet'));
  $('AltimeterSettingUnit').textContent = said(core.metric() ? 'hPa' : 'in/Hg');
  $('Units').value = core.metric() ? 'metric' : 'imperial';
}

function showWhatIf() {
  $('WfLapTime').value = core.whatIfText(true);
  $('WfLineLength').value = core.whatIfText(false);
}

function showTexts() {
  for (const input of INPUTS) $(input.id).value = core.text(input.key);
  showWhatIf();
}

function showHeading({current, headingCue} = {current: core.current(), headingCue: core.headingCue()}) {
  $('Label2').className = current ? 'current' : 'stale';
  write($('HeadingCue'), said(headingCue));
}

// A line is written only where it changed: Enter rewrites what it must.
function write(node, text) { if (node.textContent !== text) node.textContent = text; }
function showFigures() {
  const shown = core.shown(), {values} = shown, lines = shown.texts.split('\n');
  FIGURES.forEach((f, i) => {
    const li = $(f.name), compare = lines[2 * i + 1];
    li.hidden = !lines[2 * i];  // a figure the case does not show (the downwind tension without wind)
    write(li.firstChild, said(lines[2 * i]));
    write(li.lastChild, compare ? ` (${said(compare)})` : '');
    const value = String(values[i]);
    if (li.dataset.value !== value) li.dataset.value = value;
  });
  write($('LapSpeed'), said(shown.lapSpeedText));
  $('LapSpeed').dataset.value = shown.lapSpeed;
  // Notes on inputs with no physical meaning, for the figures shown.
  write($('Notes'), shown.notes.map(note => said(note.text)).join('\n'));
  write($('ComparedWith'), said(shown.aText));
  $('ClearA').disabled = !shown.aText;
  showHeading(shown);
  drawChartsAfterPaint();
}

// The charts' rows are swept when the figures are shown, around the case they
// belong to, so they belong to the same inputs; a resize redraws those rows,
// never the texts typed since.
let chartRows = null;
const CURVES = tethrix.chartCurves();
// The core's table of a chart as rows {input, ok, error, figures: {key: value}}.
function chartRowsOf(key, holdSpeed) {
  const {values, error} = core.chartTable(key, holdSpeed);
  const width = 2 + CURVES.length, rows = [];
  for (let at = 0; at < values.length; at += width) {
    const figures = {};
    CURVES.forEach((c, i) => { figures[c.key] = values[at + 2 + i]; });
    rows.push({input: values[at], ok: values[at + 1] === 1, error, figures});
  }
  return rows;
}
function drawCharts() {
  const holdSpeed = $('ChartHold').value === 'speed';
  chartRows = {lap: core.shownCalculated('lt'), line: core.shownCalculated('ll'), holdSpeed,
               curves: CURVES.map(c => ({...c, name: said(c.name), unit: said(core.figureUnit(c.key))})),
               lineUnit: said(core.unitText('ll', 'feet')), lapRows: chartRowsOf('lt', false),
               lineRows: chartRowsOf('ll', holdSpeed)};
  renderCharts();
  keepStart();
}
// The charts are drawn once the figures are on the screen: the flier reads
// the figures first, and the charts follow from the same calculated case.
let chartsPending = 0;
function drawChartsAfterPaint() {
  cancelAnimationFrame(chartsPending);
  chartsPending = requestAnimationFrame(() => setTimeout(drawCharts, 0));
}

function renderCharts() {
  if (!chartRows) return;
  const widen = (key, lo, hi) => tethrix.realChange(key, lo, hi);
  const lineTitle = T('Line Length (%s)', chartRows.lineUnit);
  drawChart($('ChartLapTime'), {title: said('Trim figures against Lap Time (seconds)'), xTitle: said('Lap Time (seconds)'),
                                rows: chartRows.lapRows, current: chartRows.lap, curves: chartRows.curves, widen});
  drawChart($('ChartLineLength'), {
    title: T('Trim figures against %s', lineTitle) + '\n' +
           said(chartRows.holdSpeed ? 'at the same speed' : 'with the lap time held'),
    xTitle: lineTitle, rows: chartRows.lineRows, current: chartRows.line, curves: chartRows.curves, widen});
}
// The line length chart holds the lap time or the speed, as on the desktop.
$('ChartHold').addEventListener('change', drawCharts);
let chartWidth = 0;
new ResizeObserver(entries => {
  const width = Math.round(entries[0].contentRect.width);
  if (width !== chartWidth) { chartWidth = width; renderCharts(); }
}).observe($('ChartLapTime'));

function recalculate() {
  const error = core.recalculate();
  showFigures();
  showError(error, error ? core.advice() : null);
  return error;
}

// The pressure altitude from the field's elevation and altimeter setting,
// put into its field as if typed (stored, the figures left behind).
$('FillAltitude').addEventListener('click', () => {
  const {error, text} = core.pressureAltitude($('FieldElevation').value, $('AltimeterSetting').value);
  if (error) { showError(error, {id: 'AltimeterSetting', text: ''}); return; }
  $('Preasure').value = text;
  $('Preasure').dispatchEvent(new Event('input'));
  // A setting no altimeter shows (hPa typed for in/Hg, say) is filled, and said.
  const note = core.altimeterNote($('AltimeterSetting').value);
  if (note) showError(note, {id: 'AltimeterSetting', text: ''});
});

// The Calculate button, for keypads without Return: on a narrow screen the
// figures come into view (an error brings its field instead).
$('Calculate').addEventListener('click', () => {
  if (!recalculate() && matchMedia('(max-width: 759px)').matches)
    $('Label2').scrollIntoView({block: 'start'});
});

// The conditions this tab has written or read as they are stored, and the
// stored texts it could not use (they give way when a condition changes).
const unusable = {};
function storeConditions(changed) {
  const problem = store(CONDITIONS, changed, key => core.storedText(key), unusable);
  if (problem) showError(problem);
}

// The conditions kept on the device; what cannot be used is said once the
// first figures are shown, and stays stored until a condition is changed.
function loadConditions() {
  const {texts, problems} = readConditions(CONDITIONS);
  for (const [key, text] of Object.entries(texts)) {
    const error = core.setStoredText(key, text);
    if (error) { problems.push(`${key}: ${error}`); unusable[key] = text; }
  }
  return conditionsProblem(problems);
}

// Conditions another tab has stored are shown here too, the figures left
// behind, and said.
hearOtherTabs(CONDITIONS, (texts, problems) => {
  const changed = [];
  for (const input of INPUTS.filter(input => Object.hasOwn(texts, input.key))) {
    const text = texts[input.key];
    if (text === core.storedText(input.key)) continue;
    if (core.setStoredText(input.key, text)) { unusable[input.key] = text; continue; }
    $(input.id).value = core.text(input.key);
    changed.push(input.caption);
  }
  if (!changed.length && !problems.length) return;
  showConditions();
  showHeading();
  showError(changed.length ? T('Flying conditions changed in another tab: %s.', changed.map(said).join(', '))
                           : conditionsProblem(problems));
});

// The case in progress (the airplane's fields as typed, the What-If texts
// and the hangar's airplane open) is kept at every change of them, and
// comes back on the next visit; Defaults starts afresh.
const AIRPLANE_KEYS = INPUTS.filter(input => !input.condition).map(input => input.key);
const session = {airplane: ''};  // the id of the hangar's airplane in the fields, or ''
function keepCase() {
  const problem = storeCase(core, AIRPLANE_KEYS, session.airplane);
  if (problem) showError(problem);
  session.kept?.();  // the hangar shows which airplane is open
}

// Fields: every change of a text goes to the core; Enter recalculates.
function bindField(input) {
  const {key} = input;
  const field = $(input.id);
  field.addEventListener('input', () => {
    let error = core.setText(key, field.value, false), advice = error ? core.advice() : null;
    if (field.value !== core.text(key)) field.value = core.text(key);
    showWhatIf();
    // Conditions no visit could start with are not kept.
    const refusal = !error && input.condition ? core.conditionsRefusal() : null;
    if (refusal && refusal.error) ({error, advice} = refusal);
    else if (refusal) storeConditions([key]);
    if (input.condition) showConditions();
    else keepCase();
    showError(error, advice);
    showHeading();
  });
  field.addEventListener('keydown', e => {
    if (e.key === 'Enter') { e.preventDefault(); recalculate(); }
  });
  if (key !== 'nl') return;
  // The line count takes the spin field's keys: characters it does not
  // accept are dropped, the arrow keys step it, leaving pulls it into 1 … 3.
  field.addEventListener('beforeinput', e => {
    if (e.inputType === 'insertText' && e.data &&
        [...e.data].some(c => !tethrix.acceptsLineChar(c.codePointAt(0))))
      e.preventDefault();
  });
  field.addEventListener('keydown', e => {
    if (e.key !== 'ArrowUp' && e.key !== 'ArrowDown') return;
    e.preventDefault();
    core.stepLines(e.key === 'ArrowUp' ? 1 : -1);
    field.value = core.text(key);
    keepCase();
    showHeading();
  });
  field.addEventListener('blur', () => {
    core.setText(key, field.value, true);
    field.value = core.text(key);
    keepCase();
    showHeading();
  });
}

for (const [id, lapTime] of [['WfLapTime', true], ['WfLineLength', false]]) {
  $(id).addEventListener('input', () => { core.setWhatIfText(lapTime, $(id).value); keepCase(); });
  $(id).addEventListener('keydown', e => {
    if (e.key !== 'Enter') return;
    showError(core.whatIf(lapTime));
    showWhatIf();
    keepCase();
  });
}

// The file chosen in a file input, as bytes for the core, and the input
// emptied for the next choice. A file larger than any data file is not
// read: the core refuses its length.
async function chosenFile(input) {
  const file = input.files[0];
  if (!file) return null;
  const max = tethrix.maxFileBytes();
  const bytes = file.size > max ? new Uint8Array(max + 1) : new Uint8Array(await file.arrayBuffer());
  input.value = '';
  return {name: file.name, bytes};
}

$('OpenFile').addEventListener('change', async () => {
  const file = await chosenFile($('OpenFile'));
  if (!file) return;
  const error = core.open(file.name, file.bytes);
  session.airplane = '';  // a data file, not the hangar's airplane
  keepCase();
  showTexts();
  showFigures();
  showError(error, error ? core.advice() : null);
});

// Two setups side by side: the inputs as they stand, or a data file, as A.
$('KeepAsA').addEventListener('click', () => {
  showError(core.keepAsA());
  showFigures();
});
$('OpenA').addEventListener('change', async () => {
  const file = await chosenFile($('OpenA'));
  if (!file) return;
  showError(core.openA(file.name, file.bytes));
  showFigures();
});
$('ClearA').addEventListener('click', () => {
  core.clearA();
  showFigures();
});

$('Save1').addEventListener('click', async () => {
  let name = (core.text('an') || 'Tethrix') + '.TQD';
  let handle = null;
  if (window.showSaveFilePicker && !navigator.webdriver) {
    try {
      handle = await window.showSaveFilePicker({suggestedName: name,
        types: [{description: 'Tethrix Data File', accept: {'application/octet-stream': ['.TQD']}}]});
      name = handle.name;
    } catch { return; }  // cancelled
  }
  const bytes = core.save();
  if (handle) {
    const out = await handle.createWritable();
    await out.write(bytes);
    await out.close();
  } else {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }
  core.savedAs(name);  // written: the airplane takes the file's name
  $('AcName').value = core.text('an');
  keepCase();
});

$('Print1').addEventListener('click', () => {
  const report = core.report();
  showFigures();
  if (report.error) { showError(report.error); return; }
  // The page's line grid: the title's height T, then k line heights below 4T.
  const T = 28 * 1.15, H = 12 * 1.15;
  const page = $('Report');
  page.replaceChildren();
  const title = document.createElement('div');
  title.className = 'title';
  title.style.top = `${T}pt`;
  title.textContent = report.title;
  page.appendChild(title);
  for (const row of report.rows) {
    const div = document.createElement('div');
    div.className = (row.bold ? 'bold ' : '') + (row.centred ? 'centred' : '');
    div.style.top = `${4 * T + row.k * H}pt`;
    div.textContent = row.text;
    page.appendChild(div);
  }
  // The browser proposes the PDF file after the document's title.
  const pageTitle = document.title;
  document.title = report.document;
  window.print();
  document.title = pageTitle;
});

// The built-in airplane replaces the one shown only when the flier says so.
$('Defaults1').addEventListener('click', () => {
  if (!confirm(said('Replace ') + (core.text('an') || said('this airplane')) +
               said(' with the built-in airplane? Its inputs are lost unless saved.'))) return;
  core.defaults();
  session.airplane = '';
  forgetCase();
  session.kept?.();
  showTexts();
  showError('');
  showFigures();
});

$('DefaultsBtn').addEventListener('click', () => {
  core.conditionDefaults();
  showTexts();
  showConditions();
  storeConditions(CONDITIONS);
  recalculate();
});

// The language: kept, and the page starts again in it.
$('Language').value = pageLanguage();
$('Language').addEventListener('change', () => {
  const problem = storageWrite(LANGUAGE_KEY, $('Language').value);
  if (problem) showError(problem);
  else location.reload();
});

// Units: a matter of showing and typing; the conditions stay kept in imperial.
$('Units').addEventListener('change', () => {
  core.setMetric($('Units').value === 'metric');
  const problem = storageWrite(UNITS_KEY, $('Units').value);
  if (problem) showError(problem);
  showUnits();
  showTexts();
  showConditions();
  showFigures();
  if (storageRead(CASE_KEY) !== null) keepCase();
});

// The page as it starts (the default airplane under the stored conditions
// and units) is kept once drawn, and the next visit of this build with the
// same stored texts shows it at once, inert, until this script has
// calculated the same page again. A flier who acts before the charts are
// drawn leaves the last kept start as it was. With nothing stored, the start
// built into index.html (made by scripts/prerender-web.sh) is shown.
const startedWith = {conditions: storageRead(CONDITIONS_KEY), units: storageRead(UNITS_KEY),
                     case: storageRead(CASE_KEY)};
let touched = false, startKept = false;
for (const type of ['input', 'change', 'keydown', 'click', 'toggle'])
  document.addEventListener(type, () => { touched = true; }, true);
// The page's markup as it stands, each field's value written in, without
// the charts (whose width is not known): the start built into the page.
function startMarkup() {
  /** @type {any} */
  const main = document.querySelector('main'), copy = main.cloneNode(true);
  const live = main.querySelectorAll('input, select'), kept = copy.querySelectorAll('input, select');
  live.forEach((field, i) => {
    if (field.type === 'file') return;
    if (field.tagName === 'SELECT') kept[i].querySelector(`option[value="${field.value}"]`)?.setAttribute('selected', '');
    else kept[i].setAttribute('value', field.value);
  });
  for (const chart of copy.querySelectorAll('.charts figure')) chart.replaceChildren();
  return copy.innerHTML;
}
window.tethrixStartMarkup = startMarkup;  // for the tests and scripts/prerender-web.sh
// The page as it stands as data, never as markup: of each element but the
// charts' drawings, in order, its tag and id (which must be those of the
// start built in), class, whether hidden, text (of an element holding no
// other), a field's value and the texts beside the elements it holds; each chart as its elements and attributes.
const startElements = root => [...root.querySelectorAll('*')].filter(e => !e.closest('figure'));
const ownTexts = e => [...e.childNodes].filter(node => node.nodeType === Node.TEXT_NODE);  // beside its elements
const chartData = e => [e.localName, Object.fromEntries([...e.attributes].map(a => [a.name, a.value])),
                        e.childElementCount ? [...e.children].map(chartData) : e.textContent];
function startData() {
  const elements = startElements(document.querySelector('main')).map(e =>
    [e.tagName, e.id, e.className, e.hidden, e.childElementCount ? null : e.textContent,
     (e.tagName === 'INPUT' && e.type !== 'file') || e.tagName === 'SELECT' ? e.value : null,
     e.childElementCount ? ownTexts(e).map(node => node.data) : null]);
  const charts = {};
  for (const figure of document.querySelectorAll('.charts figure'))
    if (figure.firstElementChild) charts[figure.id] = chartData(figure.firstElementChild);
  return {elements, charts};
}
function keepStart() {
  if (touched || startKept) return;
  startKept = true;
  const data = startData();
  // An error under its field moves it: such a start is not kept.
  const shape = list => list.map(([tag, id]) => tag + '#' + id).join(' ');
  if (shape(data.elements) !== shape(startElements($('BuiltStart').content).map(e => [e.tagName, e.id]))) return;
  try {
    const outside = window.tethrixOutsideTexts().map(node => node.data);
    localStorage.setItem(START_KEY, JSON.stringify({build: BUILD, ...startedWith, language: pageLanguage(), outside,
                                                    ...data}));
  } catch {}
}
// The lap timer's code loads when its panel is first opened: the first
// figures wait for none of it.
let lapTimer = null;
$('LapTimer').addEventListener('toggle', () => {
  if (!$('LapTimer').open || lapTimer) return;
  lapTimer = import('./laptimer.js?b=' + BUILD).then(m => m.openLapTimer(tethrix, core.separator())).catch(e => {
    lapTimer = null;
    $('LapNote').textContent = T('The lap timer could not be loaded: %s', e.message);
  });
});
buildPanels();
for (const input of INPUTS) bindField(input);
const storedProblem = loadConditions();
// A first visit from a country that measures in metric starts in metric.
if (startedWith.units === null && startedWith.conditions === null && startedWith.case === null &&
    tethrix.metricLocale(navigator.language) && !storageWrite(UNITS_KEY, 'metric'))
  startedWith.units = 'metric';
core.setMetric(startedWith.units === 'metric');
const caseProblem = restoreCase(core, AIRPLANE_KEYS, session);
showUnits();
showTexts();
showConditions();
recalculate();
// What is stored and cannot be used, or a kept start that was dropped.
let dropped = '';
if (window.tethrixStartDropped !== undefined) {
  dropped = T("The start kept on this device was not this page's own (%s): it was dropped.", window.tethrixStartDropped);
  try { localStorage.removeItem(START_KEY); } catch {}
}
if (!$('Error').textContent)
  showError([storedProblem, caseProblem, storageProblem, dropped, languageProblem].filter(Boolean).join('\n'));
document.querySelector('main').hidden = false;
document.querySelector('main').inert = false;
document.documentElement.classList.remove('translating');
$('Loading').hidden = true;
document.body.dataset.readyAt = performance.now().toFixed(1);  // for the benchmark
document.body.dataset.ready = 'true';

// The hangar, once the first figures are on the screen: it never holds them up.
requestAnimationFrame(() => setTimeout(() => import('./hangar.js?b=@BUILD@').then(hangar => hangar.startHangar(
  {tethrix, core, session, keepCase, showTexts, showFigures, showError, recalculate, $})), 0));

document.documentElement.dataset.build = BUILD;

// A new build, fetched and checked in the background, is offered; the page
// reloads into it only when the flier says so (or next opens the page).
function offerNewBuild(worker) {
  $('NewBuild').hidden = false;
  $('UseNewBuild').onclick = () => {
    navigator.serviceWorker.addEventListener('controllerchange', () => location.reload());
    worker.postMessage('use-new-build');
  };
}
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'}).then(registration => {
    if (registration.waiting && navigator.serviceWorker.controller) offerNewBuild(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker.addEventListener('statechange', () => {
        if (worker.state === 'installed' && navigator.serviceWorker.controller) offerNewBuild(worker);
      });
    });
  }).catch(() => {});
}
