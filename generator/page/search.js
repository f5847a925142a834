// SPDX-License-Identifier: GPL-3.0-or-later
// The search box and sort buttons of a searchable page. The markup it reads
// is described in README.md beside this file. It only adds the bar and hides,
// shows and reorders the page's own entries: without it the page reads as
// one made without the option. Nothing is fetched.
(function () {
  'use strict';
  if (!window.history || !window.URLSearchParams || !document.querySelector) return;

  // Work on long pages is done in slices of this many milliseconds, so the
  // page keeps drawing and answering keys while a million entries are read.
  var SLICE_MS = 12;
  var MISSING = -9e15;  // a fact the page does not have sorts before any real one

  var els = [];         // the entries, in page order
  var lists = [];       // {el, cols (0: a UL), first, end, kind, order}
  var sections = [];    // {el, dir, low, toc, lists, hits}
  var names, lows, shown, dirs;  // per entry
  var nat, ext, sizes, times;    // per entry, made on the first sort that needs them
  var ready = false;
  var box, count, bar, buttons = {};
  var query = '', sortKey = '';
  var job = 0;          // the filter running now; a newer one stops it

  function now() { return performance.now(); }

  // Runs step(deadline) until it returns true, one slice per task.
  function slices(step, id) {
    (function tick() {
      if (id !== undefined && id !== job) return;
      if (!step(now() + SLICE_MS)) setTimeout(tick, 0);
    })();
  }

  function collect() {
    var found = document.querySelectorAll('[data-dir]');
    var secEls = found.length ? Array.prototype.slice.call(found) : [document.body];
    var tocs = {};
    Array.prototype.forEach.call(document.querySelectorAll('[data-toc]'), function (e) {
      var k = e.getAttribute('data-toc');
      (tocs[k] = tocs[k] || []).push(e);
    });
    secEls.forEach(function (se) {
      var dir = se === document.body ? '' : se.getAttribute('data-dir');
      var sec = {el: se === document.body ? null : se, dir: dir, low: dir.toLowerCase(),
                 toc: tocs[dir] || [], lists: [], hits: 0};
      Array.prototype.forEach.call(se.querySelectorAll('ul.qv, table.qv'), function (le) {
        var table = le.tagName === 'TABLE';
        var items = table ? le.getElementsByTagName('td') : le.children;
        var list = {el: le, cols: table ? Math.max(1, +le.getAttribute('data-cols') || 1) : 0,
                    first: els.length, end: 0, kind: '', order: null, sec: sec};
        for (var i = 0; i < items.length; i++) els.push(items[i]);
        list.end = els.length;
        list.kind = kindOf(els.slice(list.first, list.end));
        sec.lists.push(list);
        lists.push(list);
      });
      sections.push(sec);
    });
  }

  // Where an entry's name stands: a picture's caption, a link, or the
  // entry's first text (plain text), decided once per list.
  function kindOf(items) {
    for (var i = 0; i < items.length; i++) {
      if (items[i].classList.contains('d')) continue;
      if (items[i].getElementsByTagName('strong').length) return 'strong';
      if (items[i].getElementsByTagName('a').length) return 'a';
      return 'text';
    }
    return 'text';
  }

  function nameOf(e, kind) {
    if (kind === 'strong' && !e.classList.contains('d')) return e.getElementsByTagName('strong')[0].textContent;
    if (kind === 'a' && !e.classList.contains('d')) return e.getElementsByTagName('a')[0].textContent;
    var t = e.firstChild && e.firstChild.nodeType === 3 ? e.firstChild.nodeValue : '';
    if (e.tagName === 'TD') t = t.replace(/^\n/, '');
    // The padding before the first detail is at least two non-breaking spaces.
    var cut = t.indexOf('\u00a0\u00a0');
    return cut >= 0 ? t.slice(0, cut) : t.replace(/\n$/, '');
  }

  // Natural order without regard to case: each run of digits becomes its
  // length and its digits, so file2 sorts before file10.
  function naturalKeys() {
    if (nat) return;
    nat = new Array(els.length);
    ext = new Array(els.length);
    for (var i = 0; i < els.length; i++) {
      var low = lows[i];
      nat[i] = low.replace(/\d+/g, function (d) {
        d = d.replace(/^0+(?=\d)/, '');
        return '0' + String.fromCharCode(0x40 + d.length) + d;
      });
      var base = low.slice(Math.max(low.lastIndexOf('/'), low.lastIndexOf('\\')) + 1);
      var dot = base.lastIndexOf('.');
      ext[i] = dirs[i] || dot <= 0 ? '' : base.slice(dot + 1);
    }
  }

  function numbers(attr) {
    var out = new Float64Array(els.length);
    for (var i = 0; i < els.length; i++) {
      var v = els[i].getAttribute(attr);
      out[i] = v === null || v === '' || isNaN(v) ? MISSING : +v;
    }
    return out;
  }

  function compareText(a, b) { return a < b ? -1 : a > b ? 1 : 0; }

  var compare = {
    name: function (a, b) { return compareText(nat[a], nat[b]); },
    type: function (a, b) { return compareText(ext[a], ext[b]) || compareText(nat[a], nat[b]); },
    size: function (a, b) { return sizes[a] - sizes[b]; },
    date: function (a, b) { return times[a] - times[b]; }
  };

  function sortNow() {
    var desc = sortKey.charAt(0) === '-';
    var key = desc ? sortKey.slice(1) : sortKey;
    var cmp = compare.hasOwnProperty(key) ? compare[key] : null;
    if (cmp) naturalKeys();
    if (key === 'size' && !sizes) sizes = numbers('data-s');
    if (key === 'date' && !times) times = numbers('data-t');
    lists.forEach(function (list) {
      var order = [];
      for (var i = list.first; i < list.end; i++) order.push(i);
      // Directories first either way; equal keys keep the page's order.
      if (cmp) order.sort(function (a, b) { return (dirs[b] - dirs[a]) || (desc ? cmp(b, a) : cmp(a, b)); });
      list.order = order;
      place(list);
    });
    Object.keys(buttons).forEach(function (k) {
      var on = k === key, b = buttons[k];
      b.setAttribute('aria-pressed', on ? 'true' : 'false');
      b.lastChild.textContent = on ? (desc ? ' \u25BC' : ' \u25B2') : '';
      b.title = 'Sort by ' + k + (on ? (desc ? ', descending' : ', ascending') + '; press again to reverse' : '');
    });
  }

  // Puts a list's entries into the page in its order. A table is re-flowed:
  // the shown cells fill its rows, as many to a row as the page had.
  function place(list) {
    var order = list.order, frag = document.createDocumentFragment(), i, k;
    var length = list.end - list.first;
    if (!list.cols) {
      for (i = 0; i < length; i++) frag.appendChild(els[order ? order[i] : list.first + i]);
      list.el.appendChild(frag);
      return;
    }
    var row = null, n = 0;
    for (i = 0; i < length; i++) {
      k = order ? order[i] : list.first + i;
      if (!shown[k]) continue;
      if (n++ % list.cols === 0) row = frag.appendChild(document.createElement('tr'));
      row.appendChild(els[k]);
    }
    var body = list.el.tBodies[0] || list.el;
    body.textContent = '';
    body.appendChild(frag);
  }

  // Shows the entries whose name, or directory and name, hold the query.
  // Long pages are done in slices; a newer query stops an older one.
  function filterNow() {
    var id = ++job, q = query.toLowerCase(), slash = q.indexOf('/') >= 0;
    var s = 0, l = 0, i = -1, hits = 0, changed = false;
    bar.setAttribute('aria-busy', 'true');
    slices(function (deadline) {
      for (; s < sections.length; s++, l = 0, i = -1) {
        var sec = sections[s];
        var dirHit = q !== '' && sec.low.indexOf(q) >= 0;
        var prefix = slash ? sec.low + '/' : null;
        if (l === 0 && i < 0) sec.hits = 0;
        for (; l < sec.lists.length; l++, i = -1) {
          var list = sec.lists[l];
          if (i < 0) { i = list.first; changed = false; }
          for (; i < list.end; i++) {
            if ((i & 1023) === 0 && now() > deadline) return false;
            var hit = q === '' || dirHit || lows[i].indexOf(q) >= 0 ||
                      (prefix !== null && (prefix + lows[i]).indexOf(q) >= 0) ? 1 : 0;
            sec.hits += hit;
            if (hit !== shown[i]) {
              shown[i] = hit;
              changed = true;
              if (!list.cols) els[i].hidden = !hit;
            }
          }
          if (list.cols && changed) place(list);
        }
        var off = q !== '' && sec.hits === 0;
        if (sec.el) sec.el.hidden = off;
        sec.toc.forEach(function (e) { e.hidden = off; });
        hits += sec.hits;
      }
      count.textContent = hits + ' of ' + els.length;
      bar.removeAttribute('aria-busy');
      return true;
    }, id);
  }

  function readHash() {
    var h = location.hash.slice(1);
    if (!/^(q|sort)=/.test(h)) return null;  // an anchor of the page, not our state
    var p = new URLSearchParams(h);
    return {q: p.get('q') || '', sort: p.get('sort') || ''};
  }

  function writeHash() {
    var p = new URLSearchParams();
    if (query) p.set('q', query);
    if (sortKey) p.set('sort', sortKey);
    var h = p.toString(), url = location.href.split('#')[0] + (h ? '#' + h : '');
    if (url === location.href) return;
    try { history.replaceState(history.state, '', url); } catch (e) { location.replace(h ? '#' + h : '#'); }
  }

  function setState(state) {
    query = state.q;
    if (box.value !== query) box.value = query;
    if (!ready) return;
    if (state.sort !== sortKey) { sortKey = state.sort; sortNow(); }
    filterNow();
  }

  function makeBar(keys) {
    bar = document.createElement('div');
    bar.className = 'qv-bar';
    bar.setAttribute('role', 'search');
    var label = bar.appendChild(document.createElement('label'));
    label.className = 'qv-sr';
    label.htmlFor = 'qv-q';
    label.textContent = 'Search the names on this page';
    box = bar.appendChild(document.createElement('input'));
    box.type = 'search';
    box.id = 'qv-q';
    box.placeholder = 'Search names   ( / )';
    box.autocomplete = 'off';
    box.spellcheck = false;
    count = bar.appendChild(document.createElement('span'));
    count.className = 'qv-n';
    count.setAttribute('aria-live', 'polite');
    count.textContent = '\u2026 of ' + els.length;
    var group = bar.appendChild(document.createElement('span'));
    group.className = 'qv-sort';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', 'Sort');
    group.appendChild(document.createElement('span')).textContent = 'Sort:';
    keys.forEach(function (k) {
      var b = group.appendChild(document.createElement('button'));
      b.type = 'button';
      b.setAttribute('aria-pressed', 'false');
      b.textContent = k.charAt(0).toUpperCase() + k.slice(1);
      b.appendChild(document.createElement('span')).setAttribute('aria-hidden', 'true');
      b.title = 'Sort by ' + k;
      b.addEventListener('click', function () {
        if (!ready) return;
        sortKey = sortKey === k ? '-' + k : k;
        sortNow();
        writeHash();
      });
      buttons[k] = b;
    });
    box.addEventListener('input', function () {
      query = box.value;
      if (ready) filterNow();
      writeHash();
    });
    box.addEventListener('keydown', function (e) {
      if (e.key === 'Escape' || e.key === 'Esc') {
        e.preventDefault();
        if (box.value) { box.value = ''; query = ''; if (ready) filterNow(); writeHash(); }
      }
    });
    document.addEventListener('keydown', function (e) {
      var t = e.target, typing = t && (t.isContentEditable || /^(INPUT|TEXTAREA|SELECT)$/.test(t.tagName));
      if (e.key === '/' && !typing && !e.ctrlKey && !e.metaKey && !e.altKey) {
        e.preventDefault();
        box.focus();
        box.select();
      }
    });
    window.addEventListener('hashchange', function () {
      var state = readHash();
      if (state) setState(state);
    });
    document.body.insertBefore(bar, document.body.firstChild);
  }

  function start() {
    collect();
    var keys = ['name'];
    if (document.querySelector('.qv [data-s]')) keys.push('size');
    if (document.querySelector('.qv [data-t]')) keys.push('date');
    keys.push('type');
    makeBar(keys);
    var state = readHash() || {q: '', sort: ''};
    query = state.q;
    box.value = query;
    var n = els.length, i = 0;
    names = new Array(n);
    lows = new Array(n);
    shown = new Uint8Array(n).fill(1);
    dirs = new Uint8Array(n);
    var listIndex = 0;
    // The names are read in slices: a page of a million entries stays usable.
    slices(function (deadline) {
      for (; listIndex < lists.length; listIndex++) {
        var list = lists[listIndex];
        if (i < list.first) i = list.first;
        for (; i < list.end; i++) {
          if ((i & 1023) === 0 && now() > deadline) return false;
          var e = els[i];
          dirs[i] = e.classList.contains('d') ? 1 : 0;
          names[i] = nameOf(e, list.kind);
          lows[i] = names[i].toLowerCase();
        }
      }
      ready = true;
      sortKey = state.sort;
      if (sortKey) sortNow();
      filterNow();
      return true;
    });
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
