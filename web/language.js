// The page in the flier's language, chosen by index.html's first script
// (tethrixLanguage) with its catalogue on the way (tethrixCatalogue). The
// core's texts and the page's own are translated by the module's catalogue
// (LanguageBindings.cpp), the window's rule: exact, else by template. Files,
// exports, data-file keys and stored texts are never translated.
export const LANGUAGE_KEY = 'Tethrix.language';  // a code of ours: "de", "pt_BR"

let module = null, language = 'en', plurals = new Intl.PluralRules('en');

/** The language's BCP 47 tag: "pt_BR" -> "pt-BR". */
export const tagOf = code => code.replace('_', '-');
export const pageLanguage = () => language;

// Reads the page's catalogue into the module; a catalogue that does not
// arrive leaves the page in English, and says why.
export async function useLanguage(tethrix) {
  module = tethrix;
  const chosen = window.tethrixLanguage || 'en';
  let problem = '';
  if (chosen !== 'en') {
    try {
      problem = tethrix.useCatalogue(await window.tethrixCatalogue);
    } catch (e) {
      problem = String(e.message || e);
    }
    if (!problem) language = chosen;
    document.documentElement.lang = tagOf(language);
  }
  plurals = new Intl.PluralRules(tagOf(language));
  return problem && `The page stays in English: ${problem}`;
}

/** A text of the core or of the page, in the page's language. */
export const said = english => language === 'en' || !english ? english : module.said(english);
/** A text with %s in it, translated, then each %s given its argument in turn. */
export function T(english, ...args) {
  let i = 0;
  return said(english).replace(/%s/g, () => String(args[i++]));
}
// A text with %n in it in the form n takes, as Qt picks it: one, few (when
// the language has three forms), else the last. In English "(s)" is an
// "s" for all but 1: "%n lap(s)" is "1 lap", "2 laps".
export function count(english, n) {
  const forms = language === 'en' ? [] : module.pluralForms(english);
  let text = english.replace('(s)', n === 1 ? '' : 's');
  if (forms.length) {
    const form = plurals.select(n);
    text = forms[form === 'one' ? 0 : form === 'few' && forms.length > 2 ? 1 : forms.length - 1];
  }
  return text.replaceAll('%n', String(n));
}

// The decimal separator the fields read and show: the browser's own when
// it speaks the page's language (de-CH writes a point), else the language's.
export function separatorOf(code) {
  const own = navigator.language || 'en';
  const tag = own.toLowerCase().split(/[-_]/)[0] === tagOf(code).toLowerCase().split('-')[0] ? own : tagOf(code);
  try {
    const part = new Intl.NumberFormat(tag).formatToParts(1.5).find(p => p.type === 'decimal');
    return part && part.value === ',' ? ',' : '.';
  } catch {
    return '.';
  }
}

// The page's own texts in its markup under root: each text and the labels
// a reader hears (aria-label, title), never a field's value.
export function translateTree(root) {
  if (language === 'en') return;
  const walk = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (let node; (node = /** @type {Text | null} */ (walk.nextNode()));) {
    const text = node.data.trim();
    if (!text || node.parentElement?.closest('script, style, [translate="no"]')) continue;
    const translated = said(text);
    if (translated !== text) node.data = node.data.replace(text, translated);
  }
  for (const element of root.querySelectorAll('[aria-label], [title]'))
    for (const name of ['aria-label', 'title'])
      if (element.hasAttribute(name)) element.setAttribute(name, said(element.getAttribute(name)));
}
