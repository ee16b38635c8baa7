// The page in the flier's language: the browser's first language we have,
// or the bar's choice, kept; no English before it; numbers, units and
// plurals as the language has them.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {mkdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';
import {servePage, openPage, site} from './support.mjs';
import {LOCALES, keptStart} from './prerender.mjs';

let url, chrome;
servePage(shared => ({url, chrome} = shared));
const shots = process.env.TETHRIX_SCREENSHOTS || join(import.meta.dirname, '..', '..', 'docs', 'screenshots');

// Before any of the page's scripts: the texts a flier sees, and those of
// the first frame in which any are seen.
const WATCH_FIRST_PAINT = () => {
  const visibleTexts = () => {
    const texts = [], walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node; (node = walk.nextNode());) {
      const text = node.data.trim(), parent = node.parentElement;
      if (text && !parent.closest('script, template, option, [translate="no"]') &&
          parent.checkVisibility({visibilityProperty: true}))
        texts.push(text);
    }
    return texts;
  };
  window.visibleTexts = visibleTexts;
  const look = () => {
    if (document.body && !document.documentElement.classList.contains('translating') && visibleTexts().length) {
      window.firstPaint = visibleTexts();
      window.firstPaintInert = document.querySelector('main').inert;  // a start, before the calculator
    }
    else
      requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
};
const speaking = (language, options = {}) => async () => {
  const context = await chrome.newContext(options);
  await context.addInitScript(WATCH_FIRST_PAINT);
  if (language) await context.addInitScript(l => localStorage.setItem('Tethrix.language', l), language);
  return context;
};
// The texts shown that the catalogue would still translate: none may be.
const untranslated = (page, texts) => page.evaluate(ts => ts.filter(t => window.tethrixSpeech.said(t) !== t), texts);

test('a first visit speaks the browser\'s first language we have, from its first paint', async () => {
  // The start built in for a language is its usual locale's: another waits for the calculator.
  for (const [locale, lang, units, figure, builtStart] of [
    ['de-DE', 'de', 'metric', /^Leinenzug|= \d+,\d+ /, true], ['pt-PT', 'pt-BR', 'metric', /= \d+,\d+ /, false],
    ['uk-UA', 'uk', 'metric', /= \d+,\d+ /, true], ['en-GB', 'en', 'metric', /= \d+\.\d+ /, false],
    ['en-US', 'en', 'imperial', /= \d+\.\d+ pounds/, true], ['ja-JP', 'en', 'metric', /= \d+\.\d+ /, false]]) {
    const context = await speaking(null, {locale})();
    // With a start built in, the calculator is held back until the first
    // paint: on a fast machine it can be live by then, and the paint would
    // not show what the page draws without it.
    let release;
    const painted = new Promise(done => (release = done));
    if (!builtStart) release();
    await context.route('**/tethrix.wasm*', async route => { await painted; await route.continue(); });
    const page = await context.newPage();
    page.setDefaultTimeout(5000);
    await page.goto(url, {waitUntil: 'commit'});
    await page.waitForFunction(() => window.firstPaint);
    release();
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.getAttribute('html', 'lang'), lang, locale);
    assert.equal(await page.inputValue('#Units'), units, locale);
    assert.equal(await page.inputValue('#Language'), lang.replace('-', '_'), locale);
    const first = await page.evaluate(() => window.firstPaint);
    assert.deepEqual(await untranslated(page, first), [], `${locale}: English first`);
    assert.equal(await page.evaluate(() => window.firstPaintInert), builtStart, `${locale}: a start built in`);
    // English outside the United States first says it is loading (the start built in is American).
    if (lang !== 'en' || locale === 'en-US')
      assert.ok(first.some(t => figure.test(t)), `${locale}: the first paint shows the figures`);
    await context.close();
  }
});

test("each language's start built in is the page's own start in its usual locale", async () => {
  for (const [language, locale] of Object.entries(LOCALES))
    assert.deepEqual(await keptStart(chrome, url, locale),
                     JSON.parse(readFileSync(join(site, `start-${language}.json`), 'utf8')),
                     `web/starts/start-${language}.json is not the page's start: run scripts/prerender-web.sh`);
});

test('every text shown in German is German where the catalogue has it, without escapes', async () => {
  const context = await speaking('de', {viewport: {width: 1280, height: 1300}})();
  const page = await openPage(context, url);
  await page.waitForSelector('#Hangar:not([hidden])');
  await page.click('#Conditions summary');
  await page.click('#LapTimer summary');
  await page.waitForSelector('#ChartLineLength svg');
  const shown = await page.evaluate(() => window.visibleTexts());
  assert.deepEqual(await untranslated(page, shown), []);
  assert.deepEqual(shown.filter(t => /\\[nt]|%[sn1-9]|&[a-z]+;|\{[a-z]+\}/.test(t)), []);
  for (const [id, english] of [['Label1', 'Input Data'], ['Save1', 'Save'], ['Calculate', 'Calculate']])
    assert.notEqual(await page.textContent('#' + id), english, id);
  // The manifest the page names is the language's.
  const manifest = await page.getAttribute('link[rel="manifest"]', 'href');
  const {lang, description} = await (await page.request.get(new URL(manifest, url).href)).json();
  assert.deepEqual([manifest, lang], ['manifest-de.webmanifest', 'de']);
  assert.notEqual(description, 'Trim calculator for control-line model airplanes');
  await context.close();
});

test('the language chosen in the bar is kept, and its kept start shown in it', async () => {
  const context = await speaking(null, {locale: 'de-DE', serviceWorkers: 'block'})();
  const page = await openPage(context, url);
  await Promise.all([page.waitForEvent('load'), page.selectOption('#Language', 'uk')]);
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.getAttribute('html', 'lang'), 'uk');
  await page.waitForFunction(() => JSON.parse(localStorage.getItem('Tethrix.start') || '{}').language === 'uk');
  // Again, the calculator held back: the kept start, in Ukrainian.
  const stalled = [];
  await page.route('**/tethrix.wasm*', route => { stalled.push(route); });
  await page.reload({waitUntil: 'domcontentloaded'});
  await page.waitForFunction(() => window.firstPaint);
  const first = await page.evaluate(() => window.firstPaint);
  assert.equal(await page.inputValue('#Language'), 'uk');
  await page.unroute('**/tethrix.wasm*');
  stalled.forEach(route => route.abort().catch(() => {}));
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.deepEqual(await untranslated(page, first), []);
  assert.ok(first.some(t => /= \d+,\d+ /.test(t)) && first.includes(await page.textContent('#Save1')));
  // What another page or a hand stored is not a language: the browser's stands.
  for (const hostile of ['xx', '<img src=x onerror=alert(1)>', '{"code":"uk"}', '__proto__', ''])  {
    await page.evaluate(v => localStorage.setItem('Tethrix.language', v), hostile);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.getAttribute('html', 'lang'), 'de', hostile);
    assert.equal(await page.textContent('#Error'), '', hostile);
  }
  // A catalogue that does not arrive: the page calculates in English and says why.
  await page.evaluate(() => localStorage.removeItem('Tethrix.language'));
  await page.route('**/tethrix-de.txt*', route => route.fulfill({status: 404, body: ''}));
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.match(await page.textContent('#Error'), /^The page stays in English: tethrix-de\.txt: 404/);
  assert.equal(await page.textContent('#Label2'), 'Computed Data');
  await context.close();
});

test('plurals take the form Qt gives them', async () => {
  const forms = {
    ru: ['0 кругов', '1 круг', '2 круга', '5 кругов', '11 кругов', '21 круг', '22 круга'],
    uk: ['0 кіл', '1 коло', '2 кола', '5 кіл', '11 кіл', '21 коло', '22 кола'],
    pl: ['0 okrążeń', '1 okrążenie', '2 okrążenia', '5 okrążeń', '11 okrążeń', '21 okrążeń', '22 okrążenia'],
    fr: ['0 tour', '1 tour', '2 tours', '5 tours', '11 tours', '21 tours', '22 tours'],
    pt_BR: ['0 volta', '1 volta', '2 voltas', '5 voltas', '11 voltas', '21 voltas', '22 voltas'],
    en: ['0 laps', '1 lap', '2 laps', '5 laps', '11 laps', '21 laps', '22 laps'],
  };
  for (const [language, want] of Object.entries(forms)) {
    const context = await speaking(language)();
    const page = await openPage(context, url);
    assert.deepEqual(await page.evaluate(() => [0, 1, 2, 5, 11, 21, 22].map(n => window.tethrixSpeech.count('%n lap(s)', n))),
                     want, language);
    if (language === 'en')
      assert.deepEqual(await page.evaluate(() => [1, 2].map(n => window.tethrixSpeech.count('Deleted; %n flight(s) kept', n))),
                       ['Deleted; 1 flight kept', 'Deleted; 2 flights kept']);
    await context.close();
  }
});

test('every language fits a small phone\'s screen, 360 px wide', async () => {
  for (const language of ['de', 'fr', 'es', 'it', 'pl', 'pt_BR', 'ru', 'uk']) {
    const context = await speaking(language, {viewport: {width: 360, height: 800}, hasTouch: true, isMobile: true,
                                              deviceScaleFactor: 2})();
    const page = await openPage(context, url);
    await page.click('#Conditions summary');
    await page.waitForSelector('#ChartLineLength svg');
    // Nothing wider than the screen, no text cut at its box's edge.
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), language);
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('button, label, h1, h2, h3, summary, li')]
      .filter(e => e.checkVisibility() && e.scrollWidth > e.clientWidth + 1).map(e => e.id || e.textContent)), [],
                     language);
    // The charts' titles and legends inside their drawings.
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.charts svg text')].filter(t => {
      const box = t.getBBox();
      return box.x < -0.5 || box.x + box.width > t.ownerSVGElement.viewBox.baseVal.width + 0.5;
    }).map(t => t.textContent)), [], language);
    if (language === 'uk') {
      mkdirSync(shots, {recursive: true});
      await page.screenshot({path: join(shots, 'page-uk-phone.png'), fullPage: true});
    }
    await context.close();
  }
});
