// SPDX-License-Identifier: GPL-3.0-or-later
// Loads one searchable page in headless Chromium and measures, inside the
// page: when the search box first answers, each keystroke's filter and each
// sort until the next frame is drawn, and the longest task after the page
// was parsed. Prints one JSON line. Called by bench/search.sh.
//   node bench/search.js file:///path/page.html
//   node bench/search.js --plain file:///path/page.html   (load times only)
'use strict';
const {launch} = require('../tests/browser/browser.js');

// Injected before the page's own script: waits for the bar, then types one
// key as soon as the names are read, and records when it was answered.
function watch() {
  const qv = window.__qv = {tasks: []};
  new PerformanceObserver(list => list.getEntries().forEach(e => qv.tasks.push([e.startTime, e.duration])))
    .observe({type: 'longtask', buffered: true});
  const poll = setInterval(() => {
    const bar = document.querySelector('.qv-bar');
    if (!bar) return;
    if (qv.bar === undefined) qv.bar = performance.now();
    if (bar.hasAttribute('aria-busy') || bar.textContent.includes('\u2026')) return;
    clearInterval(poll);
    qv.ready = performance.now();
    const box = document.getElementById('qv-q');
    box.value = '7';
    box.dispatchEvent(new Event('input'));
    const done = () => bar.hasAttribute('aria-busy') ? setTimeout(done, 1)
      : requestAnimationFrame(() => setTimeout(() => { qv.answered = performance.now(); }, 0));
    done();
  }, 5);
}

// In the page: runs action, waits until its work is done and a frame drawn.
function timed(action, arg) {
  const bar = document.querySelector('.qv-bar');
  const box = document.getElementById('qv-q');
  const t0 = performance.now();
  if (action === 'type') {
    box.value = arg;
    box.dispatchEvent(new Event('input'));
  } else {
    [...bar.querySelectorAll('button')].find(b => b.textContent.startsWith(arg)).click();
  }
  return new Promise(resolve => {
    const done = () => bar.hasAttribute('aria-busy') ? setTimeout(done, 1)
      : requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - t0), 0));
    done();
  });
}

// A page without the option: only when the browser had parsed and loaded it.
async function loadOnly(page, url) {
  await page.goto(url, {waitUntil: 'load', timeout: 0});
  const load = await page.evaluate(() => {
    const nav = performance.getEntriesByType('navigation')[0];
    return {domContentLoaded: nav.domContentLoadedEventStart, load: nav.loadEventEnd};
  });
  console.log(JSON.stringify({url, load}));
}

(async () => {
  const [url, plain] = process.argv[2] === '--plain' ? [process.argv[3], true] : [process.argv[2], false];
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 1280, height: 900});
    if (plain) return await loadOnly(page, url);
    await page.evaluateOnNewDocument(watch);
    await page.goto(url, {waitUntil: 'load', timeout: 0});
    await page.waitForFunction(() => window.__qv.answered, {timeout: 0, polling: 50});
    const load = await page.evaluate(() => {
      const nav = performance.getEntriesByType('navigation')[0];
      const qv = window.__qv;
      const afterParse = qv.tasks.filter(t => t[0] >= nav.domContentLoadedEventStart).map(t => t[1]);
      return {domContentLoaded: nav.domContentLoadedEventStart, load: nav.loadEventEnd, bar: qv.bar,
              ready: qv.ready, answered: qv.answered, longestTaskAfterParse: Math.max(0, ...afterParse),
              entries: +document.querySelector('.qv-n').textContent.split(' of ')[1]};
    });
    const keys = {};
    for (const q of ['', 'f', 'fi', 'fil', 'file', 'file0', 'file01', 'file012', 'file0123', 'file01', 'file', ''])
      keys[JSON.stringify(q)] = (keys[JSON.stringify(q)] || []).concat(await page.evaluate(timed, 'type', q));
    const sorts = {};
    for (const b of ['Name', 'Name', 'Size', 'Size', 'Date', 'Date', 'Type', 'Type']) {
      const has = await page.evaluate(l => [...document.querySelectorAll('.qv-sort button')].some(e => e.textContent.startsWith(l)), b);
      if (has) sorts[b] = (sorts[b] || []).concat(await page.evaluate(timed, 'sort', b));
    }
    console.log(JSON.stringify({url, load, keys, sorts}));
  } finally {
    await browser.close();
  }
})().catch(e => { console.error(e); process.exit(1); });
