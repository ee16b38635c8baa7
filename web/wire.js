// How the page calls a module's C functions, built into each module's
// script (tethrix.js, tethrix-hangar.js) after its own code, whose HEAPU8,
// HEAPU32 and HEAPF64 it reads. Texts go in as UTF-8, bytes (a Uint8Array)
// as they are; a call's answer is a list of texts and a list of numbers
// (Reply.cpp).
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

// The last call's answer: {texts, numbers}, or its texts as bytes.
function reply(asBytes) {
  const at = _tx_reply() >> 2;
  const words = HEAPU32, count = words[at], numbers = words[at + 1], numbersAt = words[at + 2] >> 3;
  const texts = [];
  for (let i = 0; i < count; ++i) {
    const start = words[at + 3 + 2 * i], bytes = HEAPU8.subarray(start, start + words[at + 4 + 2 * i]);
    texts.push(asBytes ? bytes.slice() : decode(bytes));
  }
  return {texts, numbers: numbers ? HEAPF64.slice(numbersAt, numbersAt + numbers) : NONE};
}
// The one text a call answers.
function text(fn, ...args) {
  call(fn, ...args);
  const at = _tx_reply() >> 2, start = HEAPU32[at + 3];
  return decode(HEAPU8.subarray(start, start + HEAPU32[at + 4]));
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


// The flier's fields of a flight, in the order the core takes them.
const FLIER_FIELDS = ['lapTime', 'engine', 'prop', 'fuel', 'setting', 'handleSpacing', 'tipWeight', 'notes'];
const fieldsOf = fields => FLIER_FIELDS.map(name => String(fields[name] ?? ''));
