# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the hostile pages in headless Chromium (called by browser_check.sh).

For each page of the manifest a copy with a small script at its end is put
beside it, so relative links resolve exactly as in the page; Chromium loads
the copy, the script lists document.links and the pictures' sources as the
browser resolved them, and --dump-dom hands that list back. Each resolved
URL must name the file the manifest says, byte for byte.
"""
import datetime
import html
import json
import os
import pathlib
import re
import subprocess
import sys
import urllib.parse

PROBE = b"""<script>
(function () {
  var out = {links: [], sources: []};
  document.querySelectorAll('a').forEach(function (a) { out.links.push(a.href); });
  document.querySelectorAll('img').forEach(function (i) { out.sources.push(i.src); });
  var pre = document.createElement('pre');
  pre.id = 'quorvant-probe';
  pre.textContent = JSON.stringify(out);
  document.documentElement.appendChild(pre);
})();
</script>
"""
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--blink-settings=imagesEnabled=false",  # sources are resolved all the same
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]


def url_path_bytes(url):
    parts = urllib.parse.urlsplit(url)
    if parts.scheme != "file" or parts.query or parts.fragment:
        return None
    return urllib.parse.unquote_to_bytes(parts.path)


def check_page(entry, profile):
    page = pathlib.Path(entry["page"])
    probe = page.with_name(".probe" + page.name)
    probe.write_bytes(page.read_bytes() + PROBE)
    try:
        result = subprocess.run(["chromium", *FLAGS, "--user-data-dir=" + profile, "--dump-dom", probe.as_uri()],
                                capture_output=True, timeout=180)
    finally:
        probe.unlink()
    found = re.search(rb'<pre id="quorvant-probe">(.*?)</pre>', result.stdout, re.S)
    if not found:
        return ["the probe did not run: a name broke the page (chromium exit %d)" % result.returncode], 0
    seen = json.loads(html.unescape(found.group(1).decode("utf-8")))
    problems = []
    checked = 0
    for kind in ("links", "sources"):
        want = [bytes.fromhex(h) for h in entry[kind]]
        got = seen[kind]
        if len(got) != len(want):
            problems.append("%d %s, expected %d" % (len(got), kind, len(want)))
            continue
        for url, path in zip(got, want):
            checked += 1
            if url_path_bytes(url) != path:
                problems.append("%s %r resolves elsewhere than %r" % (kind, url, path))
            elif not os.path.lexists(path):
                problems.append("%s %r names no file" % (kind, url))
    return problems, checked


def record(readme, lines):
    text = pathlib.Path(readme).read_text()
    start, end = "<!-- browser-check:start -->", "<!-- browser-check:end -->"
    block = start + "\n" + "\n".join(lines) + "\n" + end
    if start in text and end in text:
        text = text[:text.index(start)] + block + text[text.index(end) + len(end):]
    else:
        text += "\n" + block + "\n"
    pathlib.Path(readme).write_text(text)


def main():
    manifest, profile, readme = sys.argv[1:4]
    entries = json.load(open(manifest))
    version = subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.strip()
    total = 0
    failures = []
    for entry in entries:
        problems, checked = check_page(entry, profile)
        total += checked
        name = pathlib.Path(entry["page"]).name
        print("%-28s %6d checked  %s" % (name, checked, "ok" if not problems else "PROBLEMS"))
        for p in problems[:5]:
            print("    " + p)
        if problems:
            failures.append("%s: %d problems, first: %s" % (name, len(problems), problems[0]))
    verdict = "passed" if not failures else "FAILED"
    when = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    lines = ["Last run %s with %s: %s. %d pages (3 entry modes x no table and 1 to 5 columns x relative and"
             " absolute links), %d links and picture sources resolved by the browser, each naming its own file."
             % (when, version or "chromium", verdict, len(entries), total)]
    lines += ["- " + f for f in failures]
    record(readme, lines)
    print(lines[0])
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
