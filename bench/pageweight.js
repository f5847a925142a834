// SPDX-License-Identifier: GPL-3.0-or-later
// Opens one page in headless Chromium at a given window size and counts
// what the browser fetched to show its first screen: the page and every
// picture it asked for until the network fell quiet, by the sizes of their
// files. Prints one JSON line. Called by bench/pageweight.sh.
//   node bench/pageweight.js file:///path/page.html WIDTH HEIGHT
'use strict';
const fs = require('fs');
const {fileURLToPath} = require('url');
const {launch} = require('../tests/browser/browser.js');

async function main() {
  const [url, width, height] = process.argv.slice(2);
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({width: Number(width), height: Number(height)});
    const fetched = new Set();
    page.on('requestfinished', request => fetched.add(request.url()));
    const start = Date.now();
    await page.goto(url, {waitUntil: 'networkidle0', timeout: 0});
    const ms = Date.now() - start;
    let bytes = 0;
    let pictures = 0;
    for (const u of fetched) {
      bytes += fs.statSync(fileURLToPath(u)).size;
      if (u !== url)
        pictures++;
    }
    const shown = await page.evaluate(() => [...document.images].filter(i => i.complete && i.naturalWidth > 0).length);
    const total = await page.evaluate(() => document.images.length);
    console.log(JSON.stringify({url, width: Number(width), height: Number(height), bytes, pictures, shown, total, ms}));
  } finally {
    await browser.close();
  }
}

main().catch(error => {
  console.error(error);
  process.exit(1);
});
