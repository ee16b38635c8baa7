// The core as the page sees it: its C functions (Bindings.cpp) behind the
// names, strings, objects and arrays the page uses. Built into tethrix.js
// after the module's own code, whose HEAPU8, HEAPU32 and HEAPF64 it reads.
// Texts go in as UTF-8, bytes (a Uint8Array) as they are; a call's answer is
// a list of texts and a list of numbers.
const encoder = new TextEncoder(), decoder = new TextDecoder();

// Calls the core's function tx_<name> with args: texts and bytes become an
// address and a length in one arena; booleans 1 or 0; numbers as they are.
function call(name, ...args) {
  const parts = args.map(a => typeof a === 'string' ? encoder.encode(a) : a instanceof Uint8Array ? a : null);
  const size = parts.reduce((n, p) => n + (p ? p.length : 0), 0);
  let at = size ? Module['_tx_arena'](size) : 0;
  const wire = [];
  args.forEach((a, i) => {
    const p = parts[i];
    if (p) {
      HEAPU8.set(p, at);
      wire.push(at, p.length);
      at += p.length;
    } else {
      wire.push(typeof a === 'boolean' ? Number(a) : a);
    }
  });
  return Module['_tx_' + name](...wire);
}

// The last call's answer: {texts, numbers}, or its texts as bytes.
function reply(asBytes) {
  const at = Module['_tx_reply']() >> 2;
  const words = HEAPU32, count = words[at], numbers = words[at + 1], numbersAt = words[at + 2] >> 3;
  const texts = [];
  for (let i = 0; i < count; ++i) {
    const start = words[at + 3 + 2 * i], bytes = HEAPU8.subarray(start, start + words[at + 4 + 2 * i]);
    texts.push(asBytes ? bytes.slice() : decoder.decode(bytes));
  }
  return {texts, numbers: HEAPF64.slice(numbersAt, numbersAt + numbers)};
}
// The one text a call answers.
function text(name, ...args) {
  call(name, ...args);
  return reply().texts[0];
}
// Items of `size` texts and `step` numbers each, as objects made by `make`.
function items(size, step, make) {
  const {texts, numbers} = reply();
  const list = [];
  for (let i = 0; i * size < texts.length; ++i)
    list.push(make(texts.slice(i * size, (i + 1) * size), numbers.subarray(i * step, (i + 1) * step)));
  return list;
}
const note = () => items(2, 0, ([id, text]) => ({id, text}));

Module['inputs'] = () => {
  call('inputs');
  return items(4, 2, ([key, caption, id, unit], [condition, number]) =>
    ({key, caption, id, unit, condition: Boolean(condition), number: Boolean(number)}));
};
Module['acceptsLineChar'] = c => Boolean(call('acceptsLineChar', c));
Module['maxFileBytes'] = () => call('maxFileBytes');
Module['chartCurves'] = () => {
  call('chartCurves');
  return items(2, 0, ([key, name]) => ({key, name}));
};
Module['realChange'] = (figure, lo, hi) => {
  call('realChange', figure, lo, hi);
  return Array.from(reply().numbers);
};

Module['CaseEditor'] = class CaseEditor {
  constructor() { this.core = Module['_tx_new'](); }
  text(key) { return text('text', this.core, key); }
  setText(key, value, leaving) { return text('setText', this.core, key, value, leaving); }
  stepLines(delta) { return text('stepLines', this.core, delta); }
  current() { return Boolean(call('current', this.core)); }
  headingCue() { return text('headingCue', this.core); }
  recalculate() { return text('recalculate', this.core); }
  figureLines() {
    call('figureLines', this.core);
    return items(2, 1, ([name, key], [gap]) => ({name, key, gap: Boolean(gap)}));
  }
  figures() {
    call('figures', this.core);
    const {texts, numbers} = reply();
    return {texts: texts[0], values: numbers};
  }
  lapSpeed() { return call('lapSpeed', this.core); }
  lapSpeedText() { return text('lapSpeedText', this.core); }
  whatIfText(lapTime) { return text('whatIfText', this.core, lapTime); }
  setWhatIfText(lapTime, value) { call('setWhatIfText', this.core, lapTime, value); }
  whatIf(lapTime) { return text('whatIf', this.core, lapTime); }
  open(name, bytes) { return text('open', this.core, name, bytes); }
  save() {
    call('save', this.core);
    return reply(true).texts[0];
  }
  savedAs(path) { call('savedAs', this.core, path); }
  report() {
    call('report', this.core);
    const {texts, numbers} = reply();
    const rows = [];
    for (let i = 3; i < texts.length; ++i) {
      const n = 3 * (i - 3);
      rows.push({k: numbers[n], text: texts[i], bold: Boolean(numbers[n + 1]), centred: Boolean(numbers[n + 2])});
    }
    return {error: texts[0], title: texts[1], document: texts[2], rows};
  }
  defaults() { return text('defaults', this.core); }
  conditionDefaults() { call('conditionDefaults', this.core); }
  chartTable(key, holdSpeed) {
    call('chartTable', this.core, key, holdSpeed);
    const {texts, numbers} = reply();
    return {values: numbers, error: texts[0]};
  }
  shownCalculated(key) { return call('shownCalculated', this.core, key); }
  metric() { return Boolean(call('metric', this.core)); }
  setMetric(metric) { call('setMetric', this.core, metric); }
  unitText(key, imperial) { return text('unitText', this.core, key, imperial); }
  figureUnit(key) { return text('figureUnit', this.core, key); }
  storedText(key) { return text('storedText', this.core, key); }
  setStoredText(key, value) { return text('setStoredText', this.core, key, value); }
  notes() {
    call('notes', this.core);
    return note();
  }
  advice() {
    call('advice', this.core);
    return note()[0];
  }
  conditionsSummary() { return text('conditionsSummary', this.core); }
  pressureAltitude(elevation, altimeter) {
    call('pressureAltitude', this.core, elevation, altimeter);
    const [error, text] = reply().texts;
    return {error, text};
  }
  keepAsA() { return text('keepAsA', this.core); }
  openA(name, bytes) { return text('openA', this.core, name, bytes); }
  clearA() { call('clearA', this.core); }
  aText() { return text('aText', this.core); }
};
