// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page around the entries: head (title, colours, centring, heading,
// font, table), the cells and rows of a table, and the tail with the totals
// line of a plain-text page. A searchable page also carries its script and
// style in the head, and holds its entries in a list (without a table) or in
// cells that carry the entries' facts.

#include "generator/DocumentRequest.h"

#include <QByteArrayView>

class PageOutput;

class PageWriter {
public:
    PageWriter(const DocumentRequest &page, PageOutput &output) : request(page), out(output) {}

    void writeHead();
    // A page of several lists (a whole tree): the head without the list,
    // and each list opened and closed on its own.
    void writePageTop();
    void openList();
    void closeList();
    // Around the entry at position (counted from 1) of entryCount. facts:
    // the entry's data attributes, each with its leading blank; they go into
    // the cell, or without a table into the list item a searchable page
    // wraps each entry in.
    void openCell(int position, QByteArrayView facts = {});
    void closeCell(int position, int entryCount);
    void writeTail(int entryCount, int subdirectoryCount, qint64 totalBytes);
    // The tail after the last list: the totals line and the closing tags.
    void writePageEnd(qint64 entryCount, int subdirectoryCount, qint64 totalBytes);

    // A searchable page without a table holds its entries in lists of at
    // most this many.
    static constexpr int kEntriesPerListPart = 256;

private:
    void writeSearchHead();
    QByteArrayView listTag() const;
    bool isTable() const { return request.settings.table.isTable(); }
    bool isPlainText() const { return request.settings.entryMode == EntryMode::PlainText; }

    const DocumentRequest &request;
    PageOutput &out;
};
