// SPDX-License-Identifier: GPL-3.0-or-later
// The searchable page in a real browser: pages written by quorvant-cli over a
// directory made here, loaded from disk into headless Chromium; typing,
// sorting, the fragment, dark colours, and the page with JavaScript off.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {execFileSync} = require('child_process');
const {launch} = require('./browser.js');

const CLI = process.env.QUORVANT_CLI;
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvant-search-'));
let browser, page;

// Sizes and dates whose texts sort otherwise than their values; two equal sizes.
const FILES = [['alpha.md', 20, '2020-06-15'], ['File1.TXT', 9, '2022-01-01'], ['file10.txt', 100, '2021-05-01'],
               ['file2.txt', 20, '2019-12-07'], ['zeta.gif', 10, '2023-03-03']];

test.before(async () => {
  for (const [name, size, date] of FILES) {
    const file = path.join(dir, name);
    fs.writeFileSync(file, name.endsWith('.gif') ? Buffer.from('GIF89a\x40\x01\xc8\x00', 'latin1') : 'x'.repeat(size));
    fs.utimesSync(file, new Date(date + 'T10:00:00Z'), new Date(date + 'T10:00:00Z'));
  }
  fs.mkdirSync(path.join(dir, 'Sub'));
  browser = await launch();
  page = await browser.newPage();
});
test.after(async () => {
  await browser.close();
  fs.rmSync(dir, {recursive: true, force: true});
});

// Writes the page and returns its file URL.
function make(name, ...options) {
  execFileSync(CLI, ['--settings', path.join(dir, 'none.ini'), '--overwrite', '--name', name,
                     '--filter', '*.md;*.txt;*.gif', ...options, dir], {env: {...process.env, TZ: 'UTC', LC_ALL: 'C'}});
  return 'file://' + path.join(dir, name + '.html');
}

async function settled() {
  await page.waitForFunction(() => {
    const bar = document.querySelector('.qv-bar');
    return bar && !bar.hasAttribute('aria-busy') && !bar.textContent.includes('\u2026');
  });
}

async function open(url) {
  await page.goto(url);
  await settled();
}

// The names of the entries shown, in page order; in a table, row by row.
function shown() {
  return page.evaluate(() => {
    const rows = [...document.querySelectorAll('ul.qv, table.qv tr')].filter(e => !e.closest('[hidden]'));
    return rows.map(r => [...r.children].filter(e => !e.hidden).map(e => {
      const n = e.querySelector('strong, a');
      return n ? n.textContent : e.textContent.trim().split('\u00a0')[0];
    }).join(' ')).join(' | ');
  });
}
const state = () => page.evaluate(() => [document.querySelector('.qv-n').textContent, location.hash]);
async function press(label) {
  await page.evaluate(l => [...document.querySelectorAll('.qv-sort button')].find(b => b.textContent.startsWith(l)).click(), label);
  await settled();
}
async function type(text) {
  await page.type('#qv-q', text);
  await settled();
}

test('typing filters by name without regard to case; "/" focuses, Esc clears', async () => {
  await open(make('link', '--mode', 'link', '--size', '--date', '--searchable'));
  await page.keyboard.press('/');
  await type('FILE');
  assert.strictEqual(await shown(), 'File1.TXT file10.txt file2.txt');
  assert.deepStrictEqual(await state(), ['3 of 5', '#q=FILE']);
  await type('1');
  assert.strictEqual(await shown(), 'File1.TXT file10.txt');
  await page.keyboard.press('Escape');
  await settled();
  assert.strictEqual(await shown(), 'alpha.md File1.TXT file10.txt file2.txt zeta.gif');
  assert.deepStrictEqual(await state(), ['5 of 5', '']);
});

test('sort buttons: natural names, raw sizes and dates, ties in page order, reverse', async () => {
  await open(make('link', '--mode', 'link', '--size', '--date', '--searchable'));
  const orders = [['Name', 'alpha.md File1.TXT file2.txt file10.txt zeta.gif'],
                  ['Name', 'zeta.gif file10.txt file2.txt File1.TXT alpha.md'],
                  ['Size', 'File1.TXT zeta.gif alpha.md file2.txt file10.txt'],
                  ['Size', 'file10.txt alpha.md file2.txt zeta.gif File1.TXT'],
                  ['Date', 'file2.txt alpha.md file10.txt File1.TXT zeta.gif'],
                  ['Type', 'zeta.gif alpha.md File1.TXT file2.txt file10.txt']];
  for (const [button, order] of orders) {
    await press(button);
    assert.strictEqual(await shown(), order, button);
  }
});

test('a table re-flows its cells in the new order and the same columns', async () => {
  await open(make('table', '--mode', 'picture', '--columns', '2', '--size', '--searchable'));
  await press('Size');
  assert.strictEqual(await shown(), 'File1.TXT zeta.gif | alpha.md file2.txt | file10.txt');
  await type('file');
  assert.strictEqual(await shown(), 'File1.TXT file2.txt | file10.txt');
  assert.deepStrictEqual(await page.$$eval('.qv-sort button', b => b.map(e => e.textContent.trim())),
                         ['Name', 'Size \u25B2', 'Type']);
});

test('plain text: directories first, columns stay aligned', async () => {
  await open(make('text', '--mode', 'text', '--subdirs', '--size', '--date', '--searchable'));
  await press('Size');
  await press('Size');
  assert.strictEqual(await shown(), 'Sub file10.txt alpha.md file2.txt zeta.gif File1.TXT');
  // Where each line's date begins, as the browser lays it out.
  const starts = await page.$$eval('ul.qv li', lines => lines.map(li => {
    const text = li.firstChild, range = document.createRange();
    const at = text.data.search(/\d+ \w+ \d{4}/);
    range.setStart(text, at);
    range.setEnd(text, at + 1);
    return range.getBoundingClientRect().left;
  }));
  assert.strictEqual(new Set(starts).size, 1, String(starts));
});

test('the fragment restores search and sort on reload and from a shared link', async () => {
  const url = make('link', '--mode', 'link', '--size', '--date', '--searchable');
  await open(url + '#q=file&sort=-date');
  assert.strictEqual(await shown(), 'File1.TXT file10.txt file2.txt');
  await press('Name');
  await page.reload();
  await settled();
  assert.strictEqual(await page.$eval('#qv-q', b => b.value), 'file');
  assert.strictEqual(await shown(), 'File1.TXT file2.txt file10.txt');
  assert.deepStrictEqual(await state(), ['3 of 5', '#q=file&sort=name']);
});

test('dark only where the page keeps the default colours', async () => {
  await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'dark'}]);
  const background = () => page.$eval('body', b => getComputedStyle(b).backgroundColor);
  await open(make('link', '--mode', 'link', '--searchable'));
  assert.strictEqual(await background(), 'rgb(24, 25, 28)');
  await open(make('link', '--mode', 'link', '--searchable', '--bgcolor', '#FFFFF0'));
  assert.strictEqual(await background(), 'rgb(255, 255, 240)');
  await page.emulateMediaFeatures([]);
});

test('without JavaScript the page reads and looks as one made without the option', async () => {
  await page.setJavaScriptEnabled(false);
  const look = async url => {
    await page.goto(url);
    return [await page.evaluate(() => document.body.innerText), await page.screenshot({fullPage: true})];
  };
  for (const options of [['--mode', 'link', '--size', '--date', '--center'],
                         ['--mode', 'text', '--subdirs', '--size', '--date'],
                         ['--mode', 'picture', '--columns', '3', '--picture-size', '--size']]) {
    const [text, shot] = await look(make('plain', ...options));
    const [searchText, searchShot] = await look(make('search', ...options, '--searchable'));
    assert.strictEqual(searchText, text, options.join(' '));
    assert.ok(searchShot.equals(shot), options.join(' '));
  }
  await page.setJavaScriptEnabled(true);
});

// A whole-tree page as quorvant-cli --recursive writes it: a contents list,
// then one section per directory (one without files among them).
test('whole-tree page: search across sections, hits under their directory, sorting within each', async () => {
  const root = path.join(dir, 'tree');
  const files = [['readme.txt', 5], ['photos/img10.gif', 30], ['photos/img2.gif', 10], ['photos/readme-photos.txt', 20],
                 ['docs/old/b.txt', 3], ['docs/old/a.txt', 2], ['docs/old/img.txt', 1]];
  for (const [name, size] of files) {
    fs.mkdirSync(path.dirname(path.join(root, name)), {recursive: true});
    fs.writeFileSync(path.join(root, name), 'x'.repeat(size));
  }
  execFileSync(CLI, ['--settings', path.join(dir, 'none.ini'), '--name', 'tree', '--mode', 'link', '--size',
                     '--recursive', '--searchable', root]);
  const visibleToc = () => page.$$eval('[data-toc]', l => l.filter(e => !e.hidden).map(e => e.querySelector('a').textContent).join(' '));
  await open('file://' + path.join(root, 'tree.html'));
  await type('README');
  assert.strictEqual(await shown(), 'readme.txt | readme-photos.txt');
  assert.deepStrictEqual([await visibleToc(), (await state())[0]], ['. photos', '2 of 7']);
  assert.strictEqual(await page.$eval('[data-dir="photos"] h2', h => h.getClientRects().length), 1);
  await page.evaluate(() => { document.querySelector('#qv-q').value = ''; });
  await type('old/');
  assert.strictEqual(await shown(), 'a.txt b.txt img.txt');
  assert.strictEqual(await visibleToc(), 'old');
  await page.evaluate(() => { document.querySelector('#qv-q').value = ''; });
  await type('photos/img1');
  assert.strictEqual(await shown(), 'img10.gif');
  await page.keyboard.press('Escape');
  await press('Size');
  assert.strictEqual(await shown(), 'readme.txt | img.txt a.txt b.txt | img2.gif readme-photos.txt img10.gif');
  await press('Name');
  assert.strictEqual(await shown(), 'readme.txt | a.txt b.txt img.txt | img2.gif img10.gif readme-photos.txt');
});

// A long list comes in parts; only those near view hold their entries.
test('a long list: order, search and scrolling across its parts', async () => {
  const many = path.join(dir, 'many');
  fs.mkdirSync(many);
  for (let i = 0; i < 5000; i++) fs.writeFileSync(path.join(many, `n${i}.dat`), 'x'.repeat((i * 7919) % 5000));
  execFileSync(CLI, ['--settings', path.join(dir, 'none.ini'), '--name', 'many', '--filter', '*.dat', '--mode', 'text',
                     '--size', '--searchable', many]);
  await open('file://' + path.join(many, 'many.html') + '#sort=-size');
  const lines = () => page.$$eval('ul.qv li:not([hidden])', l => l.map(e => e.textContent.split('\u00a0')[0]));
  const bySize = [...Array(5000).keys()].sort((a, b) => (b * 7919) % 5000 - (a * 7919) % 5000).map(i => `n${i}.dat`);
  assert.deepStrictEqual((await lines()).slice(0, 3), bySize.slice(0, 3));
  assert.ok((await lines()).length < 2000, 'parts far from view hold no entries');
  await type('9');
  const hits = bySize.filter(n => n.includes('9'));
  assert.strictEqual((await state())[0], `${hits.length} of 5000`);
  const height = () => page.evaluate(() => document.documentElement.scrollHeight);
  const estimated = await height();  // parts far from view stand in at the height of their hits
  await page.evaluate(() => window.scrollTo(0, document.body.scrollHeight));
  await page.waitForFunction(last => [...document.querySelectorAll('ul.qv li:not([hidden])')].pop().textContent.startsWith(last),
                             {}, hits[hits.length - 1]);
  const tail = await lines();  // the parts near the end of the page, in the sorted order
  assert.deepStrictEqual(tail, hits.slice(-tail.length));
  assert.ok(Math.abs(await height() - estimated) < estimated / 20, `${estimated} -> ${await height()}`);
});
