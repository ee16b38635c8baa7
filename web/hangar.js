// The hangar and the trim log in the page: the flier's airplanes and their
// flights, kept in the core (one hangar in memory) and on the device
// (hangarStore.js). Every edit is the core's; what it changed is stored in
// one transaction before the page shows it, so what the page shows is what
// is kept. Every text stored is shown as text, never as markup.
import {openStore, readStart, readStore, writeChange, writeIndex, announce, hearChanges} from './hangarStore.js?b=@BUILD@';
import {drawChart} from './charts.js?b=@BUILD@';
import createHangar from './tethrix-hangar.js?b=@BUILD@';
import {provideFlightLog} from './laphook.js?b=@BUILD@';
import {said, T, count} from './language.js?b=@BUILD@';

const BUILD = '@BUILD@';
const NOT_KEPT = 'Nothing will be kept on this device: ';
const PROMISED = 'The browser has promised to keep the hangar on this device.';
const NOT_PROMISED = 'The browser has not promised to keep the hangar: it may clear it when space runs short. ' +
                     'Export the hangar now and then to keep a copy.';
const MAX_FILE = 16 << 20;  // the core refuses a larger exchange file by its length
// The flier's fields of a flight and their inputs.
const FLIER = {lapTime: 'FlightLapTime', engine: 'FlightEngine', prop: 'FlightProp', fuel: 'FlightFuel',
               setting: 'FlightSetting', handleSpacing: 'FlightHandle', tipWeight: 'FlightTip', notes: 'FlightNotes'};

// Times as the hangar keeps them: UTC to the second.
const now = () => new Date().toISOString().slice(0, 19) + 'Z';
// A kept time as the flier reads it, in the device's own time zone, to the
// minute, as the window shows it: "2026-06-03 17:30".
const localTime = utc => {
  const t = new Date(utc);
  if (Number.isNaN(t.getTime())) return utc;
  const two = n => String(n).padStart(2, '0');
  return `${t.getFullYear()}-${two(t.getMonth() + 1)}-${two(t.getDate())} ${two(t.getHours())}:${two(t.getMinutes())}`;
};
const newId = () => crypto.randomUUID();

export async function startHangar(page) {
  const started = performance.now();
  const {tethrix, core, session, $} = page;
  // The hangar's own module, loaded now: the calculator never waits for it.
  let H;
  try {
    H = (await createHangar({locateFile: (path, folder) => folder + path + '?b=' + BUILD})).hangar;
  } catch (e) {
    $('HangarError').textContent = T('The hangar could not be loaded: %s.', e.message || e);
    $('Hangar').hidden = false;
    return;
  }
  const kase = () => tethrix.caseInputs(core);  // the case in the fields, as an airplane keeps it
  let db = null, generation = 0, readOnly = '', airplanes = [], queue = Promise.resolve();
  // The flight being corrected; the log's column sorted by, and which way;
  // the airplane shown as open.
  let correcting = '', sort = null, shownAirplane = '';
  let logOf = null;  // a deleted airplane whose kept flights are shown: {id, name}, or null
  // Until every flight is read (just after the start), what the store's
  // index says of the airplanes: the core then holds only the open
  // airplane's flights, and whatever needs the others waits.
  let early = null;

  // An error, or what an edit did, under the panel's title; each replaces the other.
  const say = text => { $('HangarError').textContent = said(text); $('HangarNote').textContent = ''; };
  const element = (tag, text, className) => {
    const e = document.createElement(tag);
    if (text !== undefined) e.textContent = text;
    if (className) e.className = className;
    return e;
  };
  const button = (text, action) => {
    const b = element('button', said(text));
    b.type = 'button';
    b.addEventListener('click', action);
    return b;
  };
  const nameOf = id => airplanes.find(a => a.id === id)?.name;

  // The store read into the core. Records it cannot read are said, and the
  // hangar is then not written to, so that nothing of them is lost.
  async function load() {
    const stored = await readStore(db);
    const problems = H.load(stored.airplanes, stored.flights);
    generation = stored.generation;
    readOnly = problems.length ? 'The hangar on this device holds records this page cannot read, so it changes ' +
                                 `nothing in it: ${problems.join('; ')}.` : '';
    early = null;
    show();
    if (readOnly) say(readOnly);
    else keepIndex();
  }
  // The start: the list and the open airplane's log from the index and the
  // airplanes alone, when the index is the store's; then the rest, before
  // any edit or anything that needs every flight.
  async function start() {
    const first = await readStart(db, session.airplane).catch(() => null);
    if (!first || H.load(first.airplanes, first.flights).length) return load();
    generation = first.generation;
    early = first.index;
    show();
    serial(() => load().catch(e => say(NOT_KEPT + e.message)));
  }
  const keepIndex = () => { if (airplanes.length) writeIndex(db, generation, H.index()); };

  // One edit at a time: make() asks the core for it ({error, change}); it is
  // stored, then committed. A store another tab has changed since it was
  // read is read again and the edit made anew on it. Answers whether it
  // was kept.
  function change(make) {
    const run = async () => {
      if (readOnly) { say(readOnly); return false; }
      if (!db) { say(NOT_KEPT + storeProblem); return false; }
      for (let attempt = 0; attempt < 3; ++attempt) {
        const result = make();
        if (result.error) { H.drop(); say(result.error); return false; }
        try {
          const written = await writeChange(db, generation, result.change);
          if (written === null) { H.drop(); await load(); continue; }
          H.commit();
          generation = written;
          announce(generation);
          keepIndex();
          say('');
          return result;
        } catch (e) {
          H.drop();
          say(`The last change was not kept: ${why(e)}.`);
          await load().catch(() => {});
          return false;
        }
      }
      say('The last change was not kept: other tabs kept changing the hangar.');
      return false;
    };
    return serial(run);
  }
  // Edits and reads of the store one after another: a read never lands
  // between an edit made and its commit.
  /** @returns {Promise<any>} */
  function serial(run) { return (queue = queue.then(run, run)); }

  // ---- The airplanes ----
  function show() {
    airplanes = H.list().map(a => (early ? {...a, lastFlown: early.airplanes[a.id].lastFlown} : a))
      .sort((a, b) => a.name.localeCompare(b.name) || (a.id < b.id ? -1 : 1));  // by name
    const list = $('Airplanes');
    list.replaceChildren(...airplanes.map(a => {
      const li = element('li');
      const name = element('bdi', a.name, 'name');
      const flown = element('span', a.lastFlown ? `Last flown ${localTime(a.lastFlown)}` : 'Not flown yet', 'flown');
      const actions = element('span', undefined, 'actions');
      actions.append(button('Open', () => serial(async () => openAirplane(a.id))), button('Rename', () => rename(a)),
                     button('Duplicate', () => duplicate(a)), button('Delete', () => remove(a)));
      li.append(name, flown);
      if (a.notes) li.append(element('span', a.notes, 'notes'));
      li.append(actions);
      if (a.id === session.airplane) li.className = 'open';
      return li;
    }));
    const open = airplanes.find(a => a.id === session.airplane);
    // An airplane deleted (in another tab, say) is no longer open here.
    const gone = db && session.airplane && !open;
    if (gone) session.airplane = '';
    shownAirplane = session.airplane;
    if (gone) page.keepCase();
    $('OpenAirplane').replaceChildren(...(open ? [said('Open: '), element('bdi', open.name)]
                                               : [said('No airplane of the hangar is open.')]));
    $('KeepChanges').disabled = !open;
    $('ExportHangar').disabled = Boolean(early);  // until every flight is read
    // Airplanes deleted with their flights kept: their logs can still be read.
    const deleted = early ? early.deleted.map(d => ({id: d.id, name: d.name, flights: d.flights.length})) : H.deleted();
    if (logOf && !deleted.some(d => d.id === logOf.id)) logOf = null;
    $('DeletedAirplanes').replaceChildren(...deleted.map(d => {
      const li = element('li');
      li.append(element('bdi', d.name, 'name'), element('span', count('Deleted; %n flight(s) kept', d.flights), 'flown'));
      const actions = element('span', undefined, 'actions');
      actions.append(button('Show its log', () => serial(async () => {
        logOf = {id: d.id, name: d.name};
        stopCorrecting();
        show();
      })));
      li.append(actions);
      return li;
    }));
    $('KeepFlight').textContent = said(correcting ? 'Keep the correction' : open ? 'Log a flight' :
                                      'Log a flight (keeps this airplane)');
    showLog(logOf || open);
  }

  function openAirplane(id) {
    logOf = null;
    const file = H.open(id);
    const error = file.error || core.open(file.name, file.bytes);
    session.airplane = id;
    $('AirplaneNotes').value = airplanes.find(a => a.id === id)?.notes || '';
    page.keepCase();
    page.showTexts();
    page.showFigures();
    page.showError(error);
    stopCorrecting();
    show();
  }

  $('KeepAirplane').addEventListener('click', async () => {
    const id = newId(), first = airplanes.length === 0;
    if (!(await change(() => H.add(kase(), id, $('AirplaneNotes').value, now())))) return;
    session.airplane = id;
    logOf = null;
    page.keepCase();
    show();
    if (first) askToKeep();
  });
  $('KeepChanges').addEventListener('click', async () => {
    if (await change(() => H.keep(kase(), session.airplane, $('AirplaneNotes').value, now()))) show();
  });
  async function rename(a) {
    const name = prompt(T('New name for %s:', a.name), a.name);
    if (name !== null && await change(() => H.rename(a.id, name, now()))) show();
  }
  async function duplicate(a) {
    const name = prompt(T('Name of the copy of %s:', a.name), T('%s copy', a.name));
    if (name !== null && await change(() => H.duplicate(a.id, newId(), name, now()))) show();
  }
  async function remove(a) {
    if (!confirm(T('Delete %s from the hangar?', a.name))) return;
    const withFlights = confirm(T('Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.', a.name));
    if (!(await change(() => H.remove(a.id, withFlights)))) return;
    if (session.airplane === a.id) { session.airplane = ''; page.keepCase(); }
    show();
  }

  // The browser is asked to keep the hangar once it holds an airplane; what
  // it promised is said.
  async function askToKeep() {
    let promised = false;
    try { promised = await navigator.storage.persist(); } catch {}
    $('HangarStatus').textContent = said(promised ? PROMISED : NOT_PROMISED);
  }
  async function showPromise() {
    let promised = false;
    try { promised = await navigator.storage.persisted(); } catch {}
    $('HangarStatus').textContent = airplanes.length ? said(promised ? PROMISED : NOT_PROMISED) : '';
  }

  // ---- Flights ----
  const fields = () => Object.fromEntries(Object.entries(FLIER).map(([name, id]) => [name, $(id).value]));
  function fillFields(values) { for (const [name, id] of Object.entries(FLIER)) $(id).value = values[name] || ''; }
  function stopCorrecting() {
    correcting = '';
    $('CancelCorrect').hidden = true;
  }
  $('KeepFlight').addEventListener('click', async () => {
    if (correcting) {
      if (await change(() => H.correct(correcting, now(), core.separator(), fields()))) {
        stopCorrecting();
        fillFields({});
        show();
      }
      return;
    }
    if (await logFlight(fields())) fillFields({});
  });
  // The flight of the inputs in force, their figures brought up to date
  // first; whether it was kept (if not, the reason is shown).
  async function logFlight(values) {
    logOf = null;
    page.recalculate();
    const airplane = session.airplane || newId(), first = airplanes.length === 0;
    const flight = tethrix.flightRecord(core, newId(), airplane, now(), values);
    if (flight.error) { say(flight.error); return false; }
    if (!(await change(() => H.logFlight(kase(), flight.record)))) return false;
    if (session.airplane !== airplane) { session.airplane = airplane; page.keepCase(); }
    show();
    if (first) askToKeep();
    return true;
  }
  // The lap timer's "Log this flight": its mean as the lap time measured,
  // the flier's other fields as typed.
  provideFlightLog(async ({lapTimeText}) => {
    if (correcting) return 'The flight was not logged: a flight of the log is being corrected.';
    const kept = await logFlight({...fields(), lapTime: lapTimeText});
    return kept ? `Logged a flight with a lap time of ${lapTimeText} s.`
                : `The flight was not logged: ${$('HangarError').textContent}`;
  });
  $('CancelCorrect').addEventListener('click', () => { stopCorrecting(); fillFields({}); show(); });

  // The log of the airplane open (or of a deleted one) as a table, newest
  // first or by the column tapped (numbers by value), and its chart.
  function showLog(open) {
    $('LogArea').hidden = !open;
    if (!open) return;
    $('LogTitle').replaceChildren(said('Trim log of '), element('bdi', open.name));
    const metric = core.metric(), {columns, lapTime, tension, densityAltitude} = H.logColumns(metric);
    const rows = H.logRows(open.id, metric, core.separator());
    if (sort) {
      const {column, down} = sort, numeric = columns[column].numeric;
      const key = row => row.cells[column];
      rows.sort((a, b) => {
        const x = key(a), y = key(b);
        if (numeric) {
          // @ts-expect-error: true and false subtract as 1 and 0
          if (Number.isNaN(x.value) || Number.isNaN(y.value)) return Number.isNaN(x.value) - Number.isNaN(y.value);
          return down ? y.value - x.value : x.value - y.value;
        }
        return down ? y.text.localeCompare(x.text) : x.text.localeCompare(y.text);
      });
    }
    const head = element('tr');
    head.append(element('th', ''));
    columns.forEach((c, i) => {
      const th = element('th');
      th.append(button((i === 0 ? 'Flown (local time)' : c.title) + (sort && sort.column === i ? (sort.down ? ' ▼' : ' ▲') : ''), () => {
        sort = {column: i, down: Boolean(sort && sort.column === i && !sort.down)};
        show();
      }));
      head.append(th);
    });
    const body = rows.map(row => {
      const tr = element('tr');
      const actions = element('td', undefined, 'row-actions');
      actions.append(button('Correct', () => correct(row.id)), button('Delete', () => deleteFlight(row)));
      tr.append(actions, ...row.cells.map((cell, i) =>
        element('td', i === 0 ? localTime(cell.text) : cell.text, columns[i].numeric ? 'number' : i === 0 ? 'flown' : '')));
      return tr;
    });
    const thead = element('thead'), tbody = element('tbody');
    thead.append(head);
    tbody.append(...body);
    $('LogTable').replaceChildren(thead, tbody);
    $('LogEmpty').hidden = rows.length > 0;
    drawLogChart(rows, columns, {lapTime, tension, densityAltitude}, metric);
  }
  function correct(id) {
    correcting = id;
    fillFields(H.flightFields(id, core.separator()));
    $('CancelCorrect').hidden = false;
    show();
    $('FlightLapTime').focus();
  }
  async function deleteFlight(row) {
    if (!confirm(T('Delete the flight of %s from the log?', localTime(row.cells[0].text)))) return;
    if (await change(() => H.deleteFlight(row.id))) {
      if (correcting === row.id) { stopCorrecting(); fillFields({}); }
      show();
    }
  }

  // Lap time and line tension against the date or the density altitude.
  let chartRows = null;
  function drawLogChart(rows, columns, at, metric) {
    const byDate = $('LogChartX').value === 'date';
    const x = row => (byDate ? Date.parse(row.cells[0].text) / 864e5 : row.cells[at.densityAltitude].value);
    const points = rows.map(row => ({input: x(row), ok: true, figures: {LapTime: row.cells[at.lapTime].value,
                                                                        LineTension: row.cells[at.tension].value}}))
      .filter(p => Number.isFinite(p.input) && Number.isFinite(p.figures.LapTime) &&
                   Number.isFinite(p.figures.LineTension))
      .sort((a, b) => a.input - b.input);
    const xTitle = byDate ? 'Date flown (UTC)' : columns[at.densityAltitude].title;
    chartRows = {title: `Lap time and line tension against the ${byDate ? 'date' : 'density altitude'}`, xTitle,
                 rows: points, current: NaN, dots: true,
                 // Dates on whole days (UTC), as many as fit.
                 xTicks: byDate ? (lo, hi, about) => dayTicks(lo, hi, about) : null,
                 xText: byDate ? t => new Date(t * 864e5).toISOString().slice(0, 10) : null,
                 curves: [{key: 'LapTime', name: 'Lap Time Measured', unit: 'seconds'},
                          {key: 'LineTension', name: 'Line Tension', unit: core.figureUnit('LineTension')}],
                 widen: (key, lo, hi) => tethrix.realChange(key, lo, hi),
                 empty: 'Log flights with a lap time measured to see them here.'};
    drawChart($('LogChart'), chartRows);
  }
  $('LogChartX').addEventListener('change', show);
  new ResizeObserver(() => { if (chartRows && !$('LogArea').hidden) drawChart($('LogChart'), chartRows); })
    .observe($('LogChart'));

  // ---- Files ----
  function download(bytes, name, type) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], {type}));
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }
  // The open airplane's name as a file's, as the window proposes it.
  const openName = () => H.fileName(logOf ? logOf.name : nameOf(session.airplane) || '');
  $('ExportHangar').addEventListener('click', () => {
    const {error, bytes} = H.file('');
    if (error) say(error);
    else download(bytes, 'tethrix-hangar.json', 'application/json');
  });
  $('ExportAirplane').addEventListener('click', () => {
    const {error, bytes} = H.file(logOf ? logOf.id : session.airplane);
    if (error) say(error);
    else download(bytes, `${openName()}.tethrix-hangar.json`, 'application/json');
  });
  $('LogCsv').addEventListener('click', () =>
    download(H.csv(logOf ? logOf.id : session.airplane, core.metric()), `${openName()}.csv`, 'text/csv'));
  $('PrintLog').addEventListener('click', () => {
    const title = document.title;
    document.title = `${openName()} - Trim Log`;
    document.body.classList.add('print-log');
    window.print();
    document.body.classList.remove('print-log');
    document.title = title;
  });
  $('ImportHangar').addEventListener('change', async () => {
    const file = $('ImportHangar').files[0];
    if (!file) return;
    const bytes = file.size > MAX_FILE ? new Uint8Array(MAX_FILE + 1) : new Uint8Array(await file.arrayBuffer());
    $('ImportHangar').value = '';
    /** @type {any} */
    let summary = null;
    const result = await change(() => {
      const r = H.import(bytes, file.name);
      summary = r.summary;
      return r;
    });
    if (!result) return;
    show();
    $('HangarNote').textContent = said(summary.text);
    if (airplanes.length && summary.addedAirplanes === airplanes.length) askToKeep();
  });

  // The units and the airplane open, as the page changes them.
  $('Units').addEventListener('change', show);
  session.kept = () => { if (shownAirplane !== session.airplane) show(); };

  // Another tab's change: the store read again.
  hearChanges(heard => serial(async () => {
    if (db && heard !== generation) await load().catch(e => say(NOT_KEPT + e.message));
  }));

  let storeProblem = '';
  try {
    db = await openStore();
    await start();
  } catch (e) {
    db = null;
    storeProblem = e.message || e.name;
    H.load([], []);
    show();
    say(NOT_KEPT + storeProblem);
  }
  // The notes of the airplane open when the page was left.
  $('AirplaneNotes').value = airplanes.find(a => a.id === session.airplane)?.notes || '';
  $('Hangar').hidden = false;
  document.body.dataset.hangarShownIn = (performance.now() - started).toFixed(1);  // for the benchmark
  if (db) await showPromise();
  await queue;  // every flight read
  document.body.dataset.hangarReady = 'true';  // for the tests and the benchmark
}

// Whole days from lo to hi (days since 1970), about `about` of them.
function dayTicks(lo, hi, about) {
  const step = Math.max(1, Math.ceil((hi - lo) / about)), ticks = [];
  for (let day = Math.ceil(lo / step) * step; day <= hi; day += step) ticks.push(day);
  return ticks;
}

// Why the browser did not keep a change, in words.
const why = e => (e && e.name === 'QuotaExceededError' ? 'the storage for this page on the device is full'
                                                       : (e && (e.message || e.name)) || 'the browser did not keep it');

