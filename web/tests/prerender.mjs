// Writes the page's start with nothing stored (the default airplane and
// flying conditions, imperial units), as the page itself draws it, to the
// file named on the command line: the build puts it into index.html. With
// a folder after it, each other language's start there as start-<language>.json:
// the start the page keeps, made in the language's usual locale (metric,
// its decimal separator), without its charts; a first visit in that locale
// shows it while the calculator loads.
import {writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import {browser, serve} from './support.mjs';

export const LOCALES = {de: 'de-DE', fr: 'fr-FR', es: 'es-ES', it: 'it-IT', pl: 'pl-PL', pt_BR: 'pt-BR', ru: 'ru-RU',
                        uk: 'uk-UA'};

// The start a first visit in locale keeps, as start-<language>.json holds it.
export async function keptStart(chromium, url, locale) {
  const context = await chromium.newContext({serviceWorkers: 'block', locale});
  try {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    await page.waitForFunction(() => localStorage.getItem('Tethrix.start'));
    const {elements, outside} = JSON.parse(await page.evaluate(() => localStorage.getItem('Tethrix.start')));
    return {locale, elements, outside};
  } finally {
    await context.close();
  }
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {  // run, not imported
  const {server, url} = await serve();
  const chromium = await browser();
  try {
    const page = await (await chromium.newContext({serviceWorkers: 'block'})).newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-ready="true"]');
    writeFileSync(process.argv[2], await page.evaluate(() => window.tethrixStartMarkup()));
    for (const [language, locale] of process.argv[3] ? Object.entries(LOCALES) : [])
      writeFileSync(join(process.argv[3], `start-${language}.json`),
                    JSON.stringify(await keptStart(chromium, url, locale)) + '\n');
  } finally {
    await chromium.close();
    server.close();
  }
}
