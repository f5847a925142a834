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
  var LONG_LIST_PARTS = 16;  // a list of more parts keeps only those near view

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

  // Finds the sections, their lists and the contents lines in one pass over
  // the page; the entries themselves are read afterwards, in slices.
  function collect() {
    var found = document.querySelectorAll('[data-dir], [data-toc], ul.qv, table.qv');
    var tocs = {}, sec = null, inParts = null, containers = [];
    Array.prototype.forEach.call(found, function (e) {
      if (e.hasAttribute('data-toc')) {
        var k = e.getAttribute('data-toc');
        (tocs[k] = tocs[k] || []).push(e);
        return;
      }
      var dir = e.getAttribute('data-dir');
      if (dir !== null || !sec) {
        sec = {el: dir !== null ? e : null, dir: dir || '', lists: [], hits: 0};
        sec.low = sec.dir.toLowerCase();
        sections.push(sec);
        inParts = null;  // the list the section's UL parts make up together
        if (dir !== null) return;
      }
      var table = e.tagName === 'TABLE';
      var list = table || !inParts ? {el: e, cols: table ? Math.max(1, +e.getAttribute('data-cols') || 1) : 0,
                                      parts: [], first: -1, end: 0, kind: '', order: null} : inParts;
      if (list !== inParts) {
        sec.lists.push(list);
        lists.push(list);
        inParts = table ? null : list;
      }
      // A table's parts are its row groups; a list's, its ULs.
      Array.prototype.forEach.call(table ? e.tBodies : [e], function (pe) {
        var part = {el: pe, size: 0, start: 0, far: false, empty: false};
        list.parts.push(part);
        containers.push({list: list, el: pe, part: part});
      });
    });
    sections.forEach(function (s) { s.toc = tocs[s.dir] || []; });
    return containers;
  }

  // Where an entry's name stands: a picture's caption, a link, or the
  // entry's first text (plain text), decided once per list.
  function kindOf(items) {
    for (var i = 0; i < items.length && i < 64; i++) {
      if (items[i].classList.contains('d')) continue;
      if (items[i].getElementsByTagName('strong').length) return 'strong';
      if (items[i].getElementsByTagName('a').length) return 'a';
      return 'text';
    }
    return 'text';
  }

  function nameOf(e, kind) {
    var n = kind === 'text' ? null : e.getElementsByTagName(kind)[0];
    if (n) return n.textContent;
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
    if (key === 'name' || key === 'type') naturalKeys();
    if (key === 'size' && !sizes) sizes = numbers('data-s');
    if (key === 'date' && !times) times = numbers('data-t');
    lists.forEach(function (list) {
      var order = [];
      for (var i = list.first; i < list.end; i++) order.push(i);
      // Directories first either way; equal keys keep the page's order.
      if (cmp) order.sort(function (a, b) { return (dirs[b] - dirs[a]) || (desc ? cmp(b, a) : cmp(a, b)); });
      list.order = order;
      place(list);
      sizeParts(list);
    });
    Object.keys(buttons).forEach(function (k) {
      var on = k === key, b = buttons[k];
      b.setAttribute('aria-pressed', on ? 'true' : 'false');
      b.lastChild.textContent = on ? (desc ? ' \u25BC' : ' \u25B2') : '';
      b.title = 'Sort by ' + k + (on ? (desc ? ', descending' : ', ascending') + '; press again to reverse' : '');
    });
  }

  // The entry at position k (from 0) of a list in its present order.
  function at(list, k) { return list.order ? list.order[k] : list.first + k; }

  // Puts a list's entries into the page in its order. Each part of a list
  // keeps its number of entries. A table is re-flowed: the shown cells fill
  // its rows, as many to a row as the page had, and each part as many rows.
  // A part far from view gets its entries only when it comes near.
  function place(list) {
    if (list.cols) {
      var shownCells = [];
      for (var i = 0; i < list.end - list.first; i++) {
        var k = at(list, i);
        if (shown[k]) shownCells.push(k);
      }
      list.cells = shownCells;
      list.parts.forEach(function (part, p) {
        part.start = p * list.perPart;
        part.size = Math.max(0, Math.min(list.perPart, shownCells.length - part.start));
      });
    }
    list.parts.forEach(function (part) {
      if (!part.far) fill(list, part);
      else if (!part.empty) empty(part);
    });
  }

  function fill(list, part) {
    var frag = document.createDocumentFragment(), row = null;
    for (var j = 0; j < part.size; j++) {
      var e = list.cols ? els[list.cells[part.start + j]] : els[at(list, part.start + j)];
      if (list.cols && j % list.cols === 0) row = frag.appendChild(document.createElement('tr'));
      (row || frag).appendChild(e);
    }
    if (part.empty) part.el.style.height = '';
    part.el.textContent = '';
    part.el.appendChild(frag);
    part.empty = false;
  }

  // A part far from view gives up its entries and keeps their height.
  function empty(part) {
    part.el.textContent = '';
    if (part.list && part.list.cols) {
      // A row group takes its height from its rows: one empty cell holds it.
      part.spacer = part.el.insertRow().insertCell();
      part.spacer.colSpan = part.list.cols;
      part.spacer.style.cssText = 'padding:0;border:0';
    }
    part.empty = true;
    setHeight(part);
  }

  function setHeight(part) {
    (part.spacer && part.el.contains(part.spacer) ? part.spacer : part.el).style.height = part.height + 'px';
  }

  // A part without shown entries is hidden; one far from view takes the
  // height its shown entries (in a table: their rows) will need.
  function sizeParts(list) {
    list.parts.forEach(function (part) {
      var count = 0;
      if (list.cols) count = Math.ceil(part.size / list.cols);
      else for (var k = part.start; k < part.start + part.size; k++) count += shown[at(list, k)];
      part.el.hidden = count === 0;
      part.height = Math.round(count * list.entryHeight);
      if (part.empty) setHeight(part);
    });
  }

  // On a long list only the parts within a screen of view hold their
  // entries; the others keep their height, so a search or sort moves and
  // lays out a few hundred entries, not all of them. Only the script does
  // this: the page alone is a plain page. Returns the parts to empty now.
  function watchParts() {
    var view = window.innerHeight, far = [];
    var watcher = window.IntersectionObserver && new IntersectionObserver(function (records) {
      records.forEach(function (r) {
        var part = r.target.qvPart;
        if (r.isIntersecting !== part.far) return;
        part.far = !r.isIntersecting;
        if (!part.far) {
          if (part.empty) fill(part.list, part);
        } else if (!part.empty) {
          part.height = r.boundingClientRect.height;
          empty(part);
        }
      });
    }, {rootMargin: '100% 0px'});
    // Every size is read before anything changes: one layout, not one per part.
    var rects = lists.map(function (list) {
      if (!list.parts.length) return [];
      var first = list.parts[0].el.getBoundingClientRect(), last = list.parts[list.parts.length - 1].el.getBoundingClientRect();
      list.parts.forEach(function (part) { part.list = list; });
      var entries = list.end - list.first;
      list.entryHeight = Math.max(0, last.bottom - first.top) / Math.max(1, list.cols ? Math.ceil(entries / list.cols) : entries);
      // Many lists (a whole tree's sections) count as one long list.
      if (!watcher || (list.parts.length <= LONG_LIST_PARTS && lists.length <= LONG_LIST_PARTS)) return [];
      if (list.cols) list.widths = Array.prototype.map.call(list.el.rows[0].cells, function (c) { return c.getBoundingClientRect().width; })
        .concat(list.el.getBoundingClientRect().width);
      return list.parts.map(function (part) { return part.el.getBoundingClientRect(); });
    });
    lists.forEach(function (list, l) {
      // Columns keep the widths the whole table gave them, whichever rows are there.
      if (list.widths) {
        var group = list.el.insertBefore(document.createElement('colgroup'), list.el.firstChild);
        list.widths.slice(0, -1).forEach(function (w) { group.appendChild(document.createElement('col')).style.width = w + 'px'; });
        list.el.style.tableLayout = 'fixed';
        list.el.style.width = list.widths[list.widths.length - 1] + 'px';
      }
      rects[l].forEach(function (r, p) {
        var part = list.parts[p];
        part.el.qvPart = part;
        if (r.bottom < -view || r.top > 2 * view) {
          part.far = true;
          part.height = r.height;
          far.push(part);
        }
        watcher.observe(part.el);
      });
    });
    return far;
  }

  // Shows the entries whose name, or directory and name, hold the query.
  // Long pages are done in slices; a newer query stops an older one.
  function filterNow() {
    var id = ++job, q = query.toLowerCase(), slash = q.indexOf('/') >= 0;
    var s = 0, l = 0, i = -1, hits = 0, changed = false;
    // What changes the page's layout waits for the last slice: a whole tree
    // is laid out once, not once per slice.
    var changedLists = [], sectionsOff = [];
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
          if (changed) changedLists.push(list);
        }
        sectionsOff.push(q !== '' && sec.hits === 0);
        hits += sec.hits;
      }
      changedLists.forEach(function (list) {
        if (list.cols) place(list);
        sizeParts(list);
      });
      sections.forEach(function (sec, k) {
        var off = sectionsOff[k];
        if (sec.el && sec.el.hidden !== off) sec.el.hidden = off;
        sec.toc.forEach(function (e) { if (e.hidden !== off) e.hidden = off; });
      });
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
    count.textContent = '\u2026';
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

  // Start-up in slices, so a page of a million entries keeps drawing and
  // scrolling: read the entries and their names, then empty the parts far
  // from view (in long slices: the browser's work after each one grows with
  // the entries still laid out), then apply the state of the fragment.
  function start() {
    var keys = ['name'];
    if (document.querySelector('.qv [data-s]')) keys.push('size');
    if (document.querySelector('.qv [data-t]')) keys.push('date');
    keys.push('type');
    makeBar(keys);
    var state = readHash() || {q: '', sort: ''};
    query = state.q;
    box.value = query;
    var containers = collect(), c = 0, far = null, f = 0;
    names = [];
    lows = [];
    var isDir = [];
    slices(function (deadline) {
      for (; c < containers.length; c++) {
        if (now() > deadline) return false;
        var it = containers[c], list = it.list;
        var items = list.cols ? it.el.getElementsByTagName('td') : it.el.children;
        if (list.first < 0) {
          list.first = els.length;
          list.kind = kindOf(items);
        }
        it.part.size = items.length;
        it.part.start = els.length - list.first;
        // A table part holds whole rows: as many cells as its first part.
        if (list.cols && !list.perPart) list.perPart = Math.max(1, it.el.rows.length) * list.cols;
        for (var i = 0; i < items.length; i++) {
          var e = items[i], dir = e.classList.contains('d');
          var name = nameOf(e, dir ? 'text' : list.kind);
          els.push(e);
          isDir.push(dir ? 1 : 0);
          names.push(name);
          lows.push(name.toLowerCase());
        }
        list.end = els.length;
      }
      if (!far) {
        shown = new Uint8Array(els.length).fill(1);
        dirs = Uint8Array.from(isDir);
        lists.forEach(function (l) {
          if (!l.cols) return;
          l.cells = [];
          for (var k = l.first; k < l.end; k++) l.cells.push(k);
        });
        far = watchParts();
        count.textContent = '\u2026 of ' + els.length;
      }
      // Long slices here: the browser's work after each grows with the
      // entries still laid out (and a table is laid out whole), so a few
      // long pauses cost far less in all than many short ones.
      for (var limit = now() + 80 * SLICE_MS; f < far.length; f++) {
        if (now() > limit) return false;
        if (far[f].far) empty(far[f]);
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
