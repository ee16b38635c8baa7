// The page: binds its elements to the calculator's session (the engine and
// the window's rules, compiled to WebAssembly). What a field does with a
// typed text, when the figures are current, what a file or a page holds:
// all of that is the session's; this file only shows what it says.
import createTethrix from './tethrix.js';
import {drawChart, SERIES} from './charts.js';

const FIELDS = {an: 'AcName', nl: 'NumLines', ls: 'LineDia', ll: 'LineLength', wl: 'WingLength', hl: 'HndlLngth',
                wt: 'Weight', lt: 'LapTime', wa: 'WingArea', ArmLngth: 'ArmLngth', HndlAngl: 'HndlAngl',
                WndSpeed: 'WindSpeed', Temp: 'Temprature', Altitude: 'Preasure', Humidity: 'Humidity'};
const CONDITIONS = ['ArmLngth', 'HndlAngl', 'WndSpeed', 'Temp', 'Altitude', 'Humidity'];
const STORE = 'Tethrix.conditions';
const UNITS = 'Tethrix.units';  // "metric" or "imperial"
const $ = id => document.getElementById(id);

const tethrix = await createTethrix();
const session = new tethrix.Session();
window.tethrixSession = session;  // for the tests and the benchmarks

function showError(text) { $('Error').textContent = text || ''; }

// Each field's unit beside it, in the units shown.
function showUnits() {
  for (const [key, id] of Object.entries(FIELDS)) {
    const unit = $(id).nextElementSibling;
    if (!unit || unit.tagName !== 'SPAN' || key === 'nl') continue;
    unit.dataset.imperial ??= unit.textContent;
    unit.textContent = session.unitText(key, unit.dataset.imperial);
  }
  $('WfLineLengthUnit').textContent = session.unitText('ll', 'feet');
  $('Units').value = session.metric() ? 'metric' : 'imperial';
}

function showTexts() {
  for (const [key, id] of Object.entries(FIELDS)) $(id).value = session.text(key);
  $('WfLapTime').value = session.text('lt');
  $('WfLineLength').value = session.text('ll');
}

function showHeading() {
  const current = session.current();
  $('Label2').className = current ? 'current' : 'stale';
  $('HeadingCue').textContent = current ? 'The figures belong to the inputs shown.'
                                        : 'Figures are out of date: press Enter';
}

function showFigures() {
  for (const f of session.figures()) {
    const li = $(f.name);
    li.textContent = f.text;
    li.dataset.value = f.value;
    li.dataset.key = f.key;
  }
  const lap = session.lapSpeed();
  $('LapSpeed').textContent = session.lapSpeedText();
  $('LapSpeed').dataset.value = lap;
  showHeading();
  drawCharts();
}

// The charts' rows are swept when the figures are shown, around the case they
// belong to, so they belong to the same inputs; a resize redraws those rows,
// never the texts typed since.
let chartRows = null;
function drawCharts() {
  const units = Object.fromEntries(SERIES.map(s => [s.key, session.figureUnit(s.key)]));
  chartRows = {lap: session.shownCalculated('lt'), line: session.shownCalculated('ll'), units,
               lineUnit: session.unitText('ll', 'feet'),
               lapRows: session.sweepAround('lt', 0.8, 1.2, 41),
               lineRows: session.sweepAround('ll', 0.85, 1.15, 31)};
  renderCharts();
}

function renderCharts() {
  if (!chartRows) return;
  drawChart($('ChartLapTime'), 'Trim figures against lap time', 'Lap Time (seconds)', chartRows.lapRows, chartRows.lap,
            chartRows.units);
  drawChart($('ChartLineLength'), 'Trim figures against line length (lap time held)',
            `Line Length (${chartRows.lineUnit})`, chartRows.lineRows, chartRows.line, chartRows.units);
}
let chartWidth = 0;
new ResizeObserver(entries => {
  const width = Math.round(entries[0].contentRect.width);
  if (width !== chartWidth) { chartWidth = width; renderCharts(); }
}).observe($('ChartLapTime'));

function recalculate() {
  showError(session.recalculate());
  showFigures();
}

function storeConditions() {
  const texts = {};
  for (const key of CONDITIONS) texts[key] = session.storedText(key);
  localStorage.setItem(STORE, JSON.stringify(texts));
}

function loadConditions() {
  let stored = null;
  try { stored = JSON.parse(localStorage.getItem(STORE) || 'null'); } catch { stored = null; }
  if (!stored) return;
  const problems = [];
  for (const key of CONDITIONS)
    if (typeof stored[key] === 'string') {
      const error = session.setStoredText(key, stored[key]);
      if (error) problems.push(`${key}: ${error}`);
    }
  if (problems.length) showError('Stored conditions not used: ' + problems.join(' '));
}

// Fields: every change of a text goes to the session; Enter recalculates.
for (const [key, id] of Object.entries(FIELDS)) {
  const input = $(id);
  input.addEventListener('input', () => {
    const error = session.setText(key, input.value, false);
    if (key === 'nl' && input.value !== session.text('nl')) input.value = session.text('nl');
    const copy = tethrix.Session.copiedTo(key);
    if (!error && copy) $(copy).value = input.value;
    if (!error && CONDITIONS.includes(key)) storeConditions();
    showError(error);
    showHeading();
  });
  if (key === 'nl')
    input.addEventListener('change', () => {
      session.setText(key, input.value, true);
      input.value = session.text('nl');
      showHeading();
    });
  input.addEventListener('keydown', e => {
    if (e.key === 'Enter') { e.preventDefault(); recalculate(); }
  });
}

for (const [id, fromLapTime, other] of [['WfLapTime', true, 'WfLineLength'], ['WfLineLength', false, 'WfLapTime']])
  $(id).addEventListener('keydown', e => {
    if (e.key !== 'Enter') return;
    const r = session.whatIf(fromLapTime, $(id).value);
    if (r.error) showError(r.error); else if (r.text) $(other).value = r.text;
  });

$('OpenFile').addEventListener('change', async () => {
  const file = $('OpenFile').files[0];
  if (!file) return;
  const bytes = file.size > (1 << 20) ? new Uint8Array(file.size > 1e9 ? 0 : (1 << 20) + 1)
                                      : new Uint8Array(await file.arrayBuffer());
  const error = session.open(file.name, bytes);
  $('OpenFile').value = '';
  showTexts();
  showError(error);
  showFigures();
});

$('Save1').addEventListener('click', async () => {
  let name = (session.text('an') || 'Tethrix') + '.TQD';
  let handle = null;
  if (window.showSaveFilePicker && !navigator.webdriver) {
    try {
      handle = await window.showSaveFilePicker({suggestedName: name,
        types: [{description: 'Tethrix Data File', accept: {'application/octet-stream': ['.TQD']}}]});
      name = handle.name;
    } catch { return; }  // cancelled
  }
  const bytes = session.save(name);
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
  $('AcName').value = session.text('an');
});

$('Print1').addEventListener('click', () => {
  const report = session.report();
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
  window.print();
});

$('Defaults1').addEventListener('click', () => {
  session.defaults();
  showTexts();
  showError('');
  showFigures();
});

$('DefaultsBtn').addEventListener('click', () => {
  session.conditionDefaults();
  showTexts();
  storeConditions();
  recalculate();
});

// Units: a matter of showing and typing; the conditions stay kept in imperial.
$('Units').addEventListener('change', () => {
  session.setMetric($('Units').value === 'metric');
  localStorage.setItem(UNITS, $('Units').value);
  showUnits();
  showTexts();
  showFigures();
});

loadConditions();
session.setMetric(localStorage.getItem(UNITS) === 'metric');
showUnits();
showTexts();
recalculate();
document.querySelector('main').hidden = false;
$('Loading').hidden = true;
document.body.dataset.readyAt = performance.now().toFixed(1);  // for the benchmark
document.body.dataset.ready = 'true';

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
