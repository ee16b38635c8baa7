// The core as the page sees it: its C functions (Bindings.cpp) behind the
// names, strings, objects and arrays the page uses. Built into tethrix.js
// after wire.js, whose calls it makes.

// What each C function of the calculator's module answers (read, wire.js),
// the one place its layout is written: Bindings.cpp answers in this order,
// and web/tests/replies.test.mjs holds every answer to it.
const TEXT = /** @type {const} */ ({texts: ['text']});
const REPLIES = /** @type {const} */ ({
  // The table of inputs, an input after another.
  tx_inputs: {texts: [['inputs', 'key', 'caption', 'id', 'unit']], numbers: [['inputs', 'condition', 'number']]},
  tx_chartCurves: {texts: [['curves', 'key', 'name']]},
  tx_realChange: {numbers: ['lo', 'hi']},
  // The name, then the line count and the other seven inputs as stored.
  tx_caseInputs: {texts: ['name'], numbers: [['values']]},
  tx_flightRecord: {texts: ['error', 'record']},
  tx_figureLines: {texts: [['figures', 'name', 'key']], numbers: [['figures', 'gap']]},
  // figureTexts: each figure's line then its comparison with A, every one
  // ended by a newline; values: the figures in the units shown (NaN for
  // none), in the order of figureLines; current: 1 when the figures belong
  // to the inputs.
  tx_shown: {texts: ['figureTexts', 'lapSpeedText', 'aText', 'headingCue', ['notes', 'id', 'text']],
             numbers: [['values'], 'lapSpeed', 'current']},
  tx_save: {bytes: true, texts: ['bytes']},
  tx_report: {texts: ['error', 'title', 'document', ['rows', 'text']], numbers: [['rows', 'k', 'bold', 'centred']]},
  // values: a row after another, each the input, 1 when it was solved (else
  // 0), then the figure of each of chartCurves' curves (0 when unsolved).
  tx_chartTable: {texts: ['error'], numbers: [['values']]},
  tx_advice: {texts: ['id', 'text']},
  tx_conditionsRefusal: {texts: ['error', 'id', 'text']},
  tx_pressureAltitude: {texts: ['error', 'text']},
  // The lap timers' answers (LapBindings.cpp), at tx_lapReply: the summary,
  // each lap's line, seconds and kind (0 for a lap counted), then the mean
  // to use: how many laps, the seconds, the text for Lap Time.
  tx_lapReply: {texts: ['summary', ['laps', 'line'], 'useText'], numbers: [['laps', 'seconds', 'kind'], 'useCount', 'useMean']},
  // The languages (LanguageBindings.cpp): English, then each of ours.
  tx_languages: {texts: [['languages', 'code', 'name']]},
  tx_pluralForms: {texts: [['forms']]},
  // One text: the functions that text() calls.
  tx_text: TEXT, tx_setText: TEXT, tx_stepLines: TEXT, tx_headingCue: TEXT, tx_recalculate: TEXT,
  tx_whatIfText: TEXT, tx_whatIf: TEXT, tx_open: TEXT, tx_defaults: TEXT, tx_unitText: TEXT, tx_figureUnit: TEXT,
  tx_storedText: TEXT, tx_setStoredText: TEXT, tx_conditionsSummary: TEXT, tx_altimeterNote: TEXT, tx_keepAsA: TEXT,
  tx_openA: TEXT, tx_useCatalogue: TEXT, tx_said: TEXT,
});
// The page's calls, each a property of the module (createTethrix's).
const TETHRIX = {
  replies: REPLIES,  // for the tests
  inputs: () => {
    call(_tx_inputs);
    return read(REPLIES.tx_inputs).inputs.map(({key, caption, id, unit, condition, number}) =>
      ({key, caption, id, unit, condition: Boolean(condition), number: Boolean(number)}));
  },
  languages: () => {
    call(_tx_languages);
    return read(REPLIES.tx_languages).languages;
  },
  metricLocale: locale => Boolean(call(_tx_metricLocale, locale)),
  // The page's language: its catalogue's text (translations.py core) read,
  // or why not; then a text of the core or of the page in that language,
  // and a %n text's plural forms (none when it has no translation).
  useCatalogue: catalogue => text(_tx_useCatalogue, catalogue),
  said: english => text(_tx_said, english),
  pluralForms: english => {
    call(_tx_pluralForms, english);
    return read(REPLIES.tx_pluralForms).forms;
  },
  acceptsLineChar: c => Boolean(call(_tx_acceptsLineChar, c)),
  maxFileBytes: () => call(_tx_maxFileBytes),
  chartCurves: () => {
    call(_tx_chartCurves);
    return read(REPLIES.tx_chartCurves).curves;
  },
  realChange: (figure, lo, hi) => {
    call(_tx_realChange, figure, lo, hi);
    const range = read(REPLIES.tx_realChange);
    return [range.lo, range.hi];
  },

  // The laps the lap timers judged last (tx_lapsOfTaps, tx_turnAdd): the
  // summary, each lap's line and whether it counts, and the mean to use.
  judgedLaps: () => {
    const r = read(REPLIES.tx_lapReply, _tx_lapReply());
    return {summary: r.summary, laps: r.laps.map(lap => ({line: lap.line, counted: lap.kind === 0})),
            use: {count: r.useCount, mean: r.useMean, text: r.useText}};
  },

  // What the hangar's module keeps of a case: {name, values: the line count
  // and the other seven inputs as stored}.
  caseInputs: editor => {
    call(_tx_caseInputs, editor.core);
    const inputs = read(REPLIES.tx_caseInputs);
    return {name: inputs.name, values: Array.from(inputs.values)};
  },
  // A flight of the case in force as solved now, with the flier's fields:
  // {error, record} for the hangar's module.
  flightRecord: (editor, id, airplane, now, fields) => {
    call(_tx_flightRecord, editor.core, id, airplane, now, ...fieldsOf(fields));
    const flight = read(REPLIES.tx_flightRecord);
    return {error: flight.error, record: flight.record};
  },

  CaseEditor: class CaseEditor {
    // separator: the decimal separator the fields read and show, '.' or ','.
    constructor(separator = '.') { this.core = _tx_new(separator.charCodeAt(0)); }
    separator() { return call(_tx_separator, this.core) === 44 ? ',' : '.'; }
    text(key) { return text(_tx_text, this.core, key); }
    setText(key, value, leaving) { return text(_tx_setText, this.core, key, value, leaving); }
    stepLines(delta) { return text(_tx_stepLines, this.core, delta); }
    current() { return Boolean(call(_tx_current, this.core)); }
    headingCue() { return text(_tx_headingCue, this.core); }
    recalculate() { return text(_tx_recalculate, this.core); }
    figureLines() {
      call(_tx_figureLines, this.core);
      return read(REPLIES.tx_figureLines).figures.map(({name, key, gap}) => ({name, key, gap: Boolean(gap)}));
    }
    // What the figures' panel shows, from one call: the figures' lines as one
    // text and their values, the lap speed and its text, A's name, the heading.
    shown() {
      call(_tx_shown, this.core);
      const r = read(REPLIES.tx_shown);
      return {texts: r.figureTexts, values: r.values, lapSpeed: r.lapSpeed, lapSpeedText: r.lapSpeedText,
              aText: r.aText, current: r.current === 1, headingCue: r.headingCue, notes: r.notes};
    }
    whatIfText(lapTime) { return text(_tx_whatIfText, this.core, lapTime); }
    setWhatIfText(lapTime, value) { call(_tx_setWhatIfText, this.core, lapTime, value); }
    whatIf(lapTime) { return text(_tx_whatIf, this.core, lapTime); }
    open(name, bytes) { return text(_tx_open, this.core, name, bytes); }
    save() {
      call(_tx_save, this.core);
      return read(REPLIES.tx_save).bytes;
    }
    savedAs(path) { call(_tx_savedAs, this.core, path); }
    report() {
      call(_tx_report, this.core);
      const r = read(REPLIES.tx_report);
      const rows = r.rows.map(({k, text, bold, centred}) =>
        ({k, text, bold: Boolean(bold), centred: Boolean(centred)}));
      return {error: r.error, title: r.title, document: r.document, rows};
    }
    defaults() { return text(_tx_defaults, this.core); }
    conditionDefaults() { call(_tx_conditionDefaults, this.core); }
    chartTable(key, holdSpeed) {
      call(_tx_chartTable, this.core, key, holdSpeed);
      const table = read(REPLIES.tx_chartTable);
      return {values: table.values, error: table.error};
    }
    shownCalculated(key) { return call(_tx_shownCalculated, this.core, key); }
    metric() { return Boolean(call(_tx_metric, this.core)); }
    setMetric(metric) { call(_tx_setMetric, this.core, metric); }
    unitText(key, imperial) { return text(_tx_unitText, this.core, key, imperial); }
    figureUnit(key) { return text(_tx_figureUnit, this.core, key); }
    storedText(key) { return text(_tx_storedText, this.core, key); }
    setStoredText(key, value) { return text(_tx_setStoredText, this.core, key, value); }
    advice() {
      call(_tx_advice, this.core);
      const advice = read(REPLIES.tx_advice);
      return {id: advice.id, text: advice.text};
    }
    conditionsSummary() { return text(_tx_conditionsSummary, this.core); }
    // Why the conditions in force are not to be kept ('' when they may be), and the advice.
    conditionsRefusal() {
      call(_tx_conditionsRefusal, this.core);
      const refusal = read(REPLIES.tx_conditionsRefusal);
      return {error: refusal.error, advice: {id: refusal.id, text: refusal.text}};
    }
    pressureAltitude(elevation, altimeter) {
      call(_tx_pressureAltitude, this.core, elevation, altimeter);
      const altitude = read(REPLIES.tx_pressureAltitude);
      return {error: altitude.error, text: altitude.text};
    }
    altimeterNote(altimeter) { return text(_tx_altimeterNote, this.core, altimeter); }
    keepAsA() { return text(_tx_keepAsA, this.core); }
    openA(name, bytes) { return text(_tx_openA, this.core, name, bytes); }
    clearA() { call(_tx_clearA, this.core); }
  },
};
Object.assign(Module, TETHRIX);
