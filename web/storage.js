// The browser's storage of the page: the flying conditions, the units, the
// case in progress and the kept start. Blocked site data throws on every use, and a full one on
// writing: the page works without it and says that nothing is kept.
export const CONDITIONS_KEY = 'Tethrix.conditions';
export const UNITS_KEY = 'Tethrix.units';  // "metric" or "imperial"
export const START_KEY = 'Tethrix.start';
export const CASE_KEY = 'Tethrix.case';
const NOT_KEPT = 'Nothing will be kept on this device: ';

// What went wrong with the storage last, for the page to say.
export let storageProblem = '';

export function storageRead(key) {
  try { return localStorage.getItem(key); } catch (e) { storageProblem = NOT_KEPT + e.message; return null; }
}

// Writes, or answers what keeps the value from being kept.
export function storageWrite(key, value) {
  try {
    try {
      localStorage.setItem(key, value);
    } catch (full) {
      // The kept start is only a quicker first paint: it gives way.
      if (localStorage.getItem(START_KEY) === null) throw full;
      localStorage.removeItem(START_KEY);
      localStorage.setItem(key, value);
    }
    return '';
  } catch (e) {
    return storageProblem = NOT_KEPT + e.message;
  }
}

// The stored conditions, text (as stored) read: {texts: the text of each
// of keys stored as one, problems: what of them cannot be used, stored: the
// whole stored set, keys of other builds among them}.
export function readConditions(keys, text = storageRead(CONDITIONS_KEY)) {
  if (text === null) return {texts: {}, problems: [], stored: {}};
  let stored;
  try {
    stored = JSON.parse(text);
  } catch (e) {
    return {texts: {}, problems: [`they cannot be read (${e.message}).`], stored: {}};
  }
  if (!stored || typeof stored !== 'object' || Array.isArray(stored))
    return {texts: {}, problems: ['they cannot be read (no set of texts by their keys).'], stored: {}};
  const texts = {}, problems = [];
  for (const key of keys) {
    if (!Object.hasOwn(stored, key)) continue;
    if (typeof stored[key] === 'string') texts[key] = stored[key];
    else problems.push(`${key}: ${JSON.stringify(stored[key])} is not a text.`);
  }
  if (!Object.keys(texts).length && !problems.length) problems.push('they hold none of the flying conditions.');
  return {texts, problems, stored};
}

// What the page says of stored conditions it does not use.
export function conditionsProblem(problems) {
  return problems.length ? `Stored conditions not used: ${problems.join(' ')} The built-in values stand in ` +
                           'for them; what is stored is kept until a flying condition is changed.' : '';
}

// The conditions of changed, as this tab has them (textOf), over what is
// stored now: another tab's change since stands, and a stored text this page
// could not use (unusable) gives way to the one shown. Two tabs never revert
// each other's conditions. Answers what keeps them from being kept.
export function storeConditions(keys, changed, textOf, unusable) {
  const {texts, stored} = readConditions(keys);
  const out = {...stored};
  for (const key of keys)
    if (changed.includes(key) || !Object.hasOwn(texts, key) || texts[key] === unusable[key]) out[key] = textOf(key);
  return storageWrite(CONDITIONS_KEY, JSON.stringify(out));
}

// Calls heard(texts, problems) with the conditions another tab has stored.
export function hearOtherTabs(keys, heard) {
  addEventListener('storage', e => {
    if (e.key === CONDITIONS_KEY && e.newValue !== null) {
      const {texts, problems} = readConditions(keys, e.newValue);
      heard(texts, problems);
    }
  });
}

// The case in progress, as the flier left it: {texts: the airplane's fields
// as typed, by key; whatIf: [lap time, line length] texts; units and
// separator they were typed in; airplane: the id of the hangar's airplane
// open, or ''}. Stored as data only; what does not fit is dropped and said.
export function readCase(keys, text = storageRead(CASE_KEY)) {
  if (text === null) return {kept: null, problem: ''};
  const dropped = why => ({kept: null, problem: `The case kept from the last visit could not be used (${why}): ` +
                                                'the built-in airplane stands in for it.'});
  let kept;
  try {
    kept = JSON.parse(text);
  } catch (e) {
    return dropped(e.message);
  }
  if (!kept || typeof kept !== 'object' || !kept.texts || typeof kept.texts !== 'object') return dropped('no texts');
  const isText = t => typeof t === 'string' && t.length <= 1000;
  const texts = {};
  for (const key of keys)
    if (Object.hasOwn(kept.texts, key)) {
      if (!isText(kept.texts[key])) return dropped(`${key} is not a text`);
      texts[key] = kept.texts[key];
    }
  const whatIf = Array.isArray(kept.whatIf) && kept.whatIf.length === 2 && kept.whatIf.every(isText) ? kept.whatIf
                                                                                                     : null;
  return {kept: {texts, whatIf, units: kept.units === 'metric' ? 'metric' : 'imperial',
                 separator: kept.separator === ',' ? ',' : '.',
                 airplane: isText(kept.airplane) ? kept.airplane : ''}, problem: ''};
}

// The case in progress of core (a CaseEditor) kept, with the hangar's
// airplane open (its id, or ''); answers what keeps it from being kept.
export function storeCase(core, keys, airplane) {
  const texts = Object.fromEntries(keys.map(key => [key, core.text(key)]));
  return storageWrite(CASE_KEY, JSON.stringify({texts, whatIf: [core.whatIfText(true), core.whatIfText(false)],
                                                units: core.metric() ? 'metric' : 'imperial',
                                                separator: core.separator(), airplane}));
}
// The kept case put into core as typed (in the units and with the decimal
// separator it was typed in), session.airplane set; answers what of it
// could not be used.
export function restoreCase(core, keys, session) {
  const {kept, problem} = readCase(keys);
  if (!kept) return problem;
  const metric = core.metric(), separator = core.separator();
  core.setMetric(kept.units === 'metric');
  for (const [key, text] of Object.entries(kept.texts))
    core.setText(key, key === 'an' || kept.separator === separator ? text : text.replaceAll(kept.separator, separator));
  if (kept.whatIf) kept.whatIf.forEach((text, i) => core.setWhatIfText(i === 0, text));
  core.setMetric(metric);
  session.airplane = kept.airplane;
  return '';
}
export function forgetCase() { try { localStorage.removeItem(CASE_KEY); } catch {} }
