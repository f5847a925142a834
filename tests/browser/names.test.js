// SPDX-License-Identifier: GPL-3.0-or-later
// Names on a page served by a web server that declares no character set, as
// Python's http.server does: the browser must show "café" and not the
// guess of a Western encoding, and every link must fetch its very file.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const {execFileSync, spawn, spawnSync} = require('child_process');
const {launch} = require('./browser.js');

const CLI = process.env.QUORVANT_CLI;
const PYTHON = process.env.QUORVANT_PYTHON || 'python3';
// Names a browser's link must carry encoded: non-ASCII, blanks, brackets,
// braces, caret, bar and backquote.
const NAMES = ['café.txt', 'naïve résumé.txt', 'a b [x]{y}^|`.txt', '日本.txt'];

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvant-names-'));
let server, port, browser;

test.before(async t => {
  if (spawnSync(PYTHON, ['--version']).status !== 0)
    return;
  for (const name of NAMES)
    fs.writeFileSync(path.join(dir, name), 'content of ' + name);
  server = spawn(PYTHON, ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', dir]);
  port = await new Promise((resolve, reject) => {
    server.stdout.on('data', d => {
      const m = /port (\d+)/.exec(d.toString());
      if (m)
        resolve(Number(m[1]));
    });
    server.on('exit', code => reject(new Error('http.server ended: ' + code)));
  });
  browser = await launch();
});
test.after(async () => {
  if (browser)
    await browser.close();
  if (server)
    server.kill();
  fs.rmSync(dir, {recursive: true, force: true});
});

function contentType(url) {
  return new Promise((resolve, reject) => http.get(url, r => { r.resume(); resolve(r.headers['content-type']); }).on('error', reject));
}

for (const mode of ['link', 'text', 'picture']) {
  test(`${mode} page over HTTP without a charset: names shown right, each link fetches its file`, async t => {
    if (!server)
      return t.skip('no ' + PYTHON + ' for http.server');
    execFileSync(CLI, ['--settings', path.join(dir, 'none.ini'), '--overwrite', '--name', mode, '--mode', mode,
                       '--picture-link', '--filter', '*.txt', dir]);
    const url = `http://127.0.0.1:${port}/${mode}.html`;
    assert.strictEqual(await contentType(url), 'text/html');
    const page = await browser.newPage();
    await page.goto(url);
    const text = await page.evaluate(() => document.body.innerText);
    for (const name of NAMES)
      assert.ok(text.includes(name), `${name} in ${JSON.stringify(text)}`);
    const fetched = await page.evaluate(async () => Promise.all(
        [...document.querySelectorAll('a[href], img[src]')].map(async e => {
          const r = await fetch(e.href || e.src);
          return [e.href || e.src, r.status, await r.text()];
        })));
    const bodies = fetched.map(([href, status, body]) => (assert.strictEqual(status, 200, href), body));
    const expected = NAMES.map(n => 'content of ' + n);
    assert.deepStrictEqual(bodies.sort(), {link: expected, text: [], picture: [...expected, ...expected]}[mode].sort());
    await page.close();
  });
}
