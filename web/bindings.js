// The core as the page sees it: its C functions (Bindings.cpp) behind the
// names, strings, objects and arrays the page uses. Built into tethrix.js
// after wire.js, whose calls it makes.

Module['inputs'] = () => {
  call(_tx_inputs);
  return items(4, 2, ([key, caption, id, unit], [condition, number]) =>
    ({key, caption, id, unit, condition: Boolean(condition), number: Boolean(number)}));
};
Module['acceptsLineChar'] = c => Boolean(call(_tx_acceptsLineChar, c));
Module['maxFileBytes'] = () => call(_tx_maxFileBytes);
Module['chartCurves'] = () => {
  call(_tx_chartCurves);
  return items(2, 0, ([key, name]) => ({key, name}));
};
Module['realChange'] = (figure, lo, hi) => {
  call(_tx_realChange, figure, lo, hi);
  return Array.from(reply().numbers);
};

// What the hangar's module keeps of a case: {name, values: the line count
// and the other seven inputs as stored}.
Module['caseInputs'] = editor => {
  call(_tx_caseInputs, editor.core);
  const {texts, numbers} = reply();
  return {name: texts[0], values: Array.from(numbers)};
};
// A flight of the case in force as solved now, with the flier's fields:
// {error, record} for the hangar's module.
Module['flightRecord'] = (editor, id, airplane, now, fields) => {
  call(_tx_flightRecord, editor.core, id, airplane, now, ...fieldsOf(fields));
  const texts = reply().texts;
  return {error: texts[0], record: texts[1]};
};

Module['CaseEditor'] = class CaseEditor {
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
    return items(2, 1, ([name, key], [gap]) => ({name, key, gap: Boolean(gap)}));
  }
  // What the figures' panel shows, from one call: the figures' lines as one
  // text and their values, the lap speed and its text, A's name, the heading.
  shown() {
    call(_tx_shown, this.core);
    const {texts, numbers} = reply(), n = numbers.length - 2, notes = [];
    for (let i = 4; i < texts.length; i += 2) notes.push({id: texts[i], text: texts[i + 1]});
    return {texts: texts[0], values: numbers.subarray(0, n), lapSpeed: numbers[n], lapSpeedText: texts[1],
            aText: texts[2], current: numbers[n + 1] === 1, headingCue: texts[3], notes};
  }
  whatIfText(lapTime) { return text(_tx_whatIfText, this.core, lapTime); }
  setWhatIfText(lapTime, value) { call(_tx_setWhatIfText, this.core, lapTime, value); }
  whatIf(lapTime) { return text(_tx_whatIf, this.core, lapTime); }
  open(name, bytes) { return text(_tx_open, this.core, name, bytes); }
  save() {
    call(_tx_save, this.core);
    return reply(true).texts[0];
  }
  savedAs(path) { call(_tx_savedAs, this.core, path); }
  report() {
    call(_tx_report, this.core);
    const {texts, numbers} = reply();
    const rows = [];
    for (let i = 3; i < texts.length; ++i) {
      const n = 3 * (i - 3);
      rows.push({k: numbers[n], text: texts[i], bold: Boolean(numbers[n + 1]), centred: Boolean(numbers[n + 2])});
    }
    return {error: texts[0], title: texts[1], document: texts[2], rows};
  }
  defaults() { return text(_tx_defaults, this.core); }
  conditionDefaults() { call(_tx_conditionDefaults, this.core); }
  chartTable(key, holdSpeed) {
    call(_tx_chartTable, this.core, key, holdSpeed);
    const {texts, numbers} = reply();
    return {values: numbers, error: texts[0]};
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
    return note()[0];
  }
  conditionsSummary() { return text(_tx_conditionsSummary, this.core); }
  // Why the conditions in force are not to be kept ('' when they may be), and the advice.
  conditionsRefusal() {
    call(_tx_conditionsRefusal, this.core);
    const [error, id, text] = reply().texts;
    return {error, advice: {id, text}};
  }
  pressureAltitude(elevation, altimeter) {
    call(_tx_pressureAltitude, this.core, elevation, altimeter);
    const [error, text] = reply().texts;
    return {error, text};
  }
  altimeterNote(altimeter) { return text(_tx_altimeterNote, this.core, altimeter); }
  keepAsA() { return text(_tx_keepAsA, this.core); }
  openA(name, bytes) { return text(_tx_openA, this.core, name, bytes); }
  clearA() { call(_tx_clearA, this.core); }
};
