// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Debian's Chromium headless for the browser tests and benchmarks.
// Without the background-networking flags Chromium keeps calling out, and a
// closed network refuses it; a fresh profile per run keeps runs apart.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');

const CHROMIUM = process.env.QUORVANT_CHROMIUM || '/usr/bin/chromium';

async function launch() {
  const puppeteer = require('puppeteer-core');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvant-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    // A page of a million entries may keep the browser busy for minutes.
    protocolTimeout: 0,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return browser;
}

module.exports = {CHROMIUM, launch};
