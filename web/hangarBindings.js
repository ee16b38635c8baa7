// The hangar in the core (HangarBindings.cpp) as the page uses it, built
// into tethrix-hangar.js after wire.js, whose calls it makes. An edit
// answers {error, change}: the records it changed, which the page stores
// before it commits the edit here (commit) or drops it (drop). A case comes
// as the calculator's module gives it ({name, values}: caseInputs).

// What each C function of the hangar's module answers (read, wire.js), the
// one place its layout is written: HangarBindings.cpp answers in this
// order, and web/tests/replies.test.mjs holds every answer to it.
// An edit's change: the error, then the records it puts and the ids it
// removes, as many of each as the numbers say, in the order of the numbers.
const CHANGE = /** @type {const} */ ({texts: ['error', ['records']],
  numbers: ['airplanesPut', 'airplanesRemoved', 'flightsPut', 'flightsRemoved']});
const HANGAR_REPLIES = /** @type {const} */ ({
  tx_hangarLoad: {texts: [['problems']]},
  tx_hangarList: {texts: [['airplanes', 'id', 'name', 'notes', 'lastFlown']]},
  tx_hangarDeleted: {texts: [['airplanes', 'id', 'name']], numbers: [['airplanes', 'flights']]},
  tx_hangarOpen: {bytes: true, texts: ['error', 'name', 'bytes']},
  tx_hangarAdd: CHANGE, tx_hangarKeep: CHANGE, tx_hangarRename: CHANGE, tx_hangarDuplicate: CHANGE,
  tx_hangarDelete: CHANGE, tx_hangarLogFlight: CHANGE, tx_hangarCorrect: CHANGE, tx_hangarDeleteFlight: CHANGE,
  tx_hangarImport: CHANGE,
  tx_imported: {texts: ['text'], numbers: ['addedAirplanes']},
  tx_hangarFile: {bytes: true, texts: ['error', 'bytes']},
  tx_fileName: {texts: ['text']},
  // Nothing for a flight that is not there.
  tx_flightFields: {texts: FLIER_FIELDS, orNothing: true},  // wire.js
  // The columns' titles and whether each is numeric, then the columns of
  // the lap time, the line tension and the density altitude.
  tx_logColumns: {texts: [['columns', 'title']], numbers: [['columns', 'numeric'], 'lapTime', 'tension',
                                                            'densityAltitude']},
  // Each flight, newest first: its id, then a text per cell; a value per
  // cell (NaN for a text), as many cells to each flight.
  tx_logRows: {texts: [['texts']], numbers: [['values']]},
  tx_logCsv: {texts: ['text']},
  tx_hangarIndex: {texts: [['texts']], numbers: [['numbers']]},  // index() reads it
});
Module['replies'] = HANGAR_REPLIES;  // for the tests

function change() {
  const r = read(CHANGE), records = r.records;
  // (No destructuring here: the build's minifier of this file loses it.)
  const airplanesPut = r.airplanesPut, airplanesRemoved = r.airplanesRemoved, flightsPut = r.flightsPut,
        flightsRemoved = r.flightsRemoved;
  let at = 0;
  const next = () => records[at++];
  const out = {putAirplanes: [], removedAirplanes: [], putFlights: [], removedFlights: []};
  for (let i = 0; i < airplanesPut; ++i) out.putAirplanes.push({id: next(), record: next()});
  for (let i = 0; i < airplanesRemoved; ++i) out.removedAirplanes.push(next());
  for (let i = 0; i < flightsPut; ++i) out.putFlights.push({id: next(), airplane: next(), record: next()});
  for (let i = 0; i < flightsRemoved; ++i) out.removedFlights.push(next());
  return {error: r.error, change: out};
}
const edit = (fn, ...args) => { call(fn, ...args); return change(); };
const separatorCode = separator => separator.charCodeAt(0);

// The hangar's calls: the module's (createHangar's) `hangar`.
const HANGAR = {
  // The store's records (texts), read into the hangar: the problems of those
  // that could not be read.
  load(airplanes, flights) {
    call(_tx_hangarLoad, encoder.encode(airplanes.join('\n')), encoder.encode(flights.join('\n')));
    return read(HANGAR_REPLIES.tx_hangarLoad).problems;
  },
  commit() { call(_tx_hangarCommit); },
  drop() { call(_tx_hangarDrop); },
  list() {
    call(_tx_hangarList);
    return read(HANGAR_REPLIES.tx_hangarList).airplanes;
  },
  // The airplanes deleted whose flights were kept: [{id, name, flights}].
  deleted() {
    call(_tx_hangarDeleted);
    return read(HANGAR_REPLIES.tx_hangarDeleted).airplanes;
  },
  // What a start reads before the flights (tx_hangarIndex): {airplanes:
  // {id: {lastFlown, flights: [ids]}}, deleted: [{id, name, flights: [ids]}]}.
  index() {
    call(_tx_hangarIndex);
    const {texts, numbers} = reply(), out = {airplanes: {}, deleted: []};
    let at = 0, n = 2;
    const entry = () => {
      const id = texts[at++], text = texts[at++], count = numbers[n++];
      const flights = texts.slice(at, at + count);
      at += count;
      return [id, text, flights];
    };
    for (let i = 0; i < numbers[0]; ++i) {
      const [id, lastFlown, flights] = entry();
      out.airplanes[id] = {lastFlown, flights};
    }
    for (let i = 0; i < numbers[1]; ++i) {
      const [id, name, flights] = entry();
      out.deleted.push({id, name, flights});
    }
    return out;
  },
  // The airplane's name and its data file's bytes, to open as a data file.
  open(id) {
    call(_tx_hangarOpen, id);
    const airplane = read(HANGAR_REPLIES.tx_hangarOpen);
    return {error: decoder.decode(airplane.error), name: decoder.decode(airplane.name), bytes: airplane.bytes};
  },
  add: (kase, id, notes, now) => edit(_tx_hangarAdd, kase.name, ...kase.values, id, notes, now),
  keep: (kase, id, notes, now) => edit(_tx_hangarKeep, kase.name, ...kase.values, id, notes, now),
  rename: (id, name, now) => edit(_tx_hangarRename, id, name, now),
  duplicate: (id, newId, name, now) => edit(_tx_hangarDuplicate, id, newId, name, now),
  remove: (id, withFlights) => edit(_tx_hangarDelete, id, withFlights),
  // A flight's record (the calculator's flightRecord) with the case it was flown as.
  logFlight: (kase, record) => edit(_tx_hangarLogFlight, kase.name, ...kase.values, record),
  correct: (id, now, separator, fields) =>
    edit(_tx_hangarCorrect, id, now, separatorCode(separator), ...fieldsOf(fields)),
  deleteFlight: id => edit(_tx_hangarDeleteFlight, id),
  // An exchange file's bytes merged in: the change, and what it brought
  // ({text, addedAirplanes: how many}).
  import(bytes, name) {
    const result = edit(_tx_hangarImport, bytes);
    call(_tx_imported, name);
    const imported = read(HANGAR_REPLIES.tx_imported);
    return {error: result.error, change: result.change,
            summary: {text: imported.text, addedAirplanes: imported.addedAirplanes}};
  },
  // The exchange file of the hangar (id '') or of one airplane: {error, bytes}.
  file(id = '') {
    call(_tx_hangarFile, id);
    const file = read(HANGAR_REPLIES.tx_hangarFile);
    return {error: decoder.decode(file.error), bytes: file.bytes};
  },
  // An airplane's name as an exported file's, before its extension.
  fileName(name) {
    call(_tx_fileName, name);
    return read(HANGAR_REPLIES.tx_fileName).text;
  },
  flightFields(id, separator) {
    call(_tx_flightFields, id, separatorCode(separator));
    const fields = read(HANGAR_REPLIES.tx_flightFields);
    return Object.fromEntries(FLIER_FIELDS.map(name => [name, fields[name] ?? '']));
  },
  // {columns: [{title, numeric}], lapTime, tension, densityAltitude: column indices}.
  logColumns(metric) {
    call(_tx_logColumns, metric);
    const r = read(HANGAR_REPLIES.tx_logColumns);
    return {columns: r.columns.map(c => ({title: c.title, numeric: c.numeric === 1})),
            lapTime: r.lapTime, tension: r.tension, densityAltitude: r.densityAltitude};
  },
  // An airplane's flights, newest first: [{id, cells: [{text, value}]}].
  logRows(id, metric, separator) {
    call(_tx_logRows, id, metric, separatorCode(separator));
    const log = read(HANGAR_REPLIES.tx_logRows), texts = log.texts, numbers = log.values, rows = [];
    // Each row: its id and a text per cell; a number per cell.
    const count = texts.length - numbers.length, cellsPerRow = count ? numbers.length / count : 0;
    for (let r = 0; r < count; ++r) {
      const at = r * (cellsPerRow + 1), cells = [];
      for (let c = 0; c < cellsPerRow; ++c)
        cells.push({text: texts[at + 1 + c], value: numbers[r * cellsPerRow + c]});
      rows.push({id: texts[at], cells});
    }
    return rows;
  },
  csv(id, metric) { return text(_tx_logCsv, id, metric); },
};
Module['hangar'] = HANGAR;
