// Writes the page's start with nothing stored (the default airplane and
// flying conditions, imperial units), as the page itself draws it, to the
// file named on the command line: the build puts it into index.html.
import {writeFileSync} from 'node:fs';
import {browser, serve} from './support.mjs';

const {server, url} = await serve();
const chromium = await browser();
try {
  const page = await (await chromium.newContext({serviceWorkers: 'block'})).newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  writeFileSync(process.argv[2], await page.evaluate(() => window.tethrixStartMarkup()));
} finally {
  await chromium.close();
  server.close();
}
