// The hangar in the core (HangarBindings.cpp) as the page uses it, built
// into tethrix-hangar.js after wire.js, whose calls it makes. An edit
// answers {error, change}: the records it changed, which the page stores
// before it commits the edit here (commit) or drops it (drop). A case comes
// as the calculator's module gives it ({name, values}: caseInputs).

function change() {
  const {texts, numbers} = reply();
  // (No destructuring here: the build's minifier of this file loses it.)
  const airplanesPut = numbers[0], airplanesRemoved = numbers[1], flightsPut = numbers[2], flightsRemoved = numbers[3];
  let at = 1;
  const next = () => texts[at++];
  const out = {putAirplanes: [], removedAirplanes: [], putFlights: [], removedFlights: []};
  for (let i = 0; i < airplanesPut; ++i) out.putAirplanes.push({id: next(), record: next()});
  for (let i = 0; i < airplanesRemoved; ++i) out.removedAirplanes.push(next());
  for (let i = 0; i < flightsPut; ++i) out.putFlights.push({id: next(), airplane: next(), record: next()});
  for (let i = 0; i < flightsRemoved; ++i) out.removedFlights.push(next());
  return {error: texts[0], change: out};
}
const edit = (fn, ...args) => { call(fn, ...args); return change(); };
const separatorCode = separator => separator.charCodeAt(0);

Module['hangar'] = {
  // The store's records (texts), read into the hangar: the problems of those
  // that could not be read.
  load(airplanes, flights) {
    call(_tx_hangarLoad, encoder.encode(airplanes.join('\n')), encoder.encode(flights.join('\n')));
    return reply().texts;
  },
  commit() { call(_tx_hangarCommit); },
  drop() { call(_tx_hangarDrop); },
  list() {
    call(_tx_hangarList);
    return items(4, 0, ([id, name, notes, lastFlown]) => ({id, name, notes, lastFlown}));
  },
  // The airplanes deleted whose flights were kept: [{id, name, flights}].
  deleted() {
    call(_tx_hangarDeleted);
    return items(2, 1, ([id, name], [flights]) => ({id, name, flights}));
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
    const texts = reply(true).texts;
    return {error: decoder.decode(texts[0]), name: decoder.decode(texts[1]), bytes: texts[2]};
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
    const {texts, numbers} = reply();
    result.summary = {text: texts[0], addedAirplanes: numbers[0]};
    return result;
  },
  // The exchange file of the hangar (id '') or of one airplane: {error, bytes}.
  file(id = '') {
    call(_tx_hangarFile, id);
    const texts = reply(true).texts;
    return {error: decoder.decode(texts[0]), bytes: texts[1]};
  },
  // An airplane's name as an exported file's, before its extension.
  fileName(name) {
    call(_tx_fileName, name);
    return reply().texts[0];
  },
  flightFields(id, separator) {
    call(_tx_flightFields, id, separatorCode(separator));
    const texts = reply().texts;
    return Object.fromEntries(FLIER_FIELDS.map((name, i) => [name, texts[i] ?? '']));
  },
  // {columns: [{title, numeric}], lapTime, tension, densityAltitude: column indices}.
  logColumns(metric) {
    call(_tx_logColumns, metric);
    const {texts, numbers} = reply(), n = texts.length;
    return {columns: texts.map((title, i) => ({title, numeric: numbers[i] === 1})),
            lapTime: numbers[n], tension: numbers[n + 1], densityAltitude: numbers[n + 2]};
  },
  // An airplane's flights, newest first: [{id, cells: [{text, value}]}].
  logRows(id, metric, separator) {
    call(_tx_logRows, id, metric, separatorCode(separator));
    const {texts, numbers} = reply(), rows = [];
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
