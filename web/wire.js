// How the page calls a module's C functions, built into each module's
// script (tethrix.js, tethrix-hangar.js) after its own code, whose HEAPU8,
// HEAPU32 and HEAPF64 it reads. Texts go in as UTF-8, bytes (a Uint8Array)
// as they are; a call's answer is a list of texts and a list of numbers
// (Reply.cpp), laid out as its entry in the module's table of replies
// (REPLIES in bindings.js, HANGAR_REPLIES in hangarBindings.js) says, and
// read by that entry (read). The types are in types/page.d.ts.
const encoder = new TextEncoder(), decoder = new TextDecoder(), NONE = new Float64Array(0);

// Calls the core's function fn with args: texts and bytes become an
// address and a length in one arena; booleans 1 or 0; numbers as they are.
function call(fn, ...args) {
  let room = 0;
  for (const a of args)
    room += typeof a === 'string' ? 3 * a.length : a instanceof Uint8Array ? a.length : 0;
  let at = room ? _tx_arena(room) : 0;
  const wire = [];
  for (const a of args) {
    if (typeof a === 'string') {
      const written = encode(a, at);
      wire.push(at, written);
      at += written;
    } else if (a instanceof Uint8Array) {
      HEAPU8.set(a, at);
      wire.push(at, a.length);
      at += a.length;
    } else {
      wire.push(typeof a === 'boolean' ? Number(a) : a);
    }
  }
  return fn(...wire);
}

// Writes a text as UTF-8 at `at`, with room for three bytes a character;
// short ASCII ones (most: keys, numbers) directly, quicker than the encoder.
function encode(text, at) {
  const n = text.length;
  if (n <= 32) {
    let i = 0;
    for (; i < n; ++i) {
      const c = text.charCodeAt(i);
      if (c > 0x7F) break;
      HEAPU8[at + i] = c;
    }
    if (i === n) return n;
  }
  return encoder.encodeInto(text, HEAPU8.subarray(at, at + 3 * n)).written;
}

// A text from the core's UTF-8: short ASCII ones (most) read directly,
// which is quicker than a decoder call.
function decode(bytes) {
  if (bytes.length > 24) return decoder.decode(bytes);
  let out = '';
  for (const b of bytes) {
    if (b > 0x7F) return decoder.decode(bytes);
    out += String.fromCharCode(b);
  }
  return out;
}

// The last call's answer: {texts, numbers}, or its texts as bytes; at: the
// address of the answer (tx_reply's, or the lap timers' tx_lapReply).
/** @returns {{texts: any[], numbers: Float64Array}} */
function reply(asBytes = false, at = _tx_reply()) {
  at >>= 2;
  const words = HEAPU32, count = words[at], numbers = words[at + 1], numbersAt = words[at + 2] >> 3;
  const texts = [];
  for (let i = 0; i < count; ++i) {
    const start = words[at + 3 + 2 * i], bytes = HEAPU8.subarray(start, start + words[at + 4 + 2 * i]);
    texts.push(asBytes ? bytes.slice() : decode(bytes));
  }
  return {texts, numbers: numbers ? HEAPF64.slice(numbersAt, numbersAt + numbers) : NONE};
}
// The last call's answer read by its layout: {texts, numbers, bytes}, each
// a list of names in the order the C function answers them. A name stands
// for one text (bytes with `bytes: true`) or one number; one entry of a list
// may be a run, [name, ...fields], repeated between the names before it and
// those after it: a list of objects of those fields, or, without fields, of
// the values themselves (the numbers as a Float64Array). A run named in both
// lists is one list of objects with the fields of both. `orNothing: true`:
// the answer may also be empty (every name then undefined).
/**
 * @template {Layout} L
 * @param {L} layout
 * @returns {Reply<L>}
 */
function read(layout, at = _tx_reply()) {
  const {texts, numbers} = reply(layout.bytes, at), out = {};
  place(out, layout.texts, texts);
  place(out, layout.numbers, numbers);
  return /** @type {Reply<L>} */ (out);
}
/**
 * @param {Record<string, any>} out
 * @param {readonly any[] | undefined} names
 * @param {any[] | Float64Array} values
 */
function place(out, names = [], values) {
  const run = names.findIndex(Array.isArray), end = values.length - (names.length - run - 1);
  names.forEach((name, i) => {
    if (i !== run) out[name] = values[run < 0 || i < run ? i : end + i - run - 1];
  });
  if (run < 0) return;
  const [list, ...fields] = names[run], size = fields.length;
  if (!size) {
    out[list] = values.slice(run, end);
    return;
  }
  const items = out[list] || (out[list] = []);
  for (let i = 0, at = run; at < end; ++i, at += size) {
    const item = items[i] || (items[i] = {});
    fields.forEach((field, f) => { item[field] = values[at + f]; });
  }
}
// The one text a call answers.
function text(fn, ...args) {
  call(fn, ...args);
  const at = _tx_reply() >> 2, start = HEAPU32[at + 3];
  return decode(HEAPU8.subarray(start, start + HEAPU32[at + 4]));
}


// The flier's fields of a flight, in the order the core takes them.
const FLIER_FIELDS = /** @type {const} */ (['lapTime', 'engine', 'prop', 'fuel', 'setting', 'handleSpacing',
  'tipWeight', 'notes']);
const fieldsOf = fields => FLIER_FIELDS.map(name => String(fields[name] ?? ''));
