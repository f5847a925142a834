#pragma once
// The page around the entries: head (title, colours, centring, heading,
// font, table), the cells and rows of a table, and the tail with the totals
// line of a plain-text page.

#include "generator/DocumentRequest.h"

class PageOutput;

class PageWriter {
public:
    PageWriter(const DocumentRequest &page, PageOutput &output) : request(page), out(output) {}

    void writeHead();
    // Around the entry at position (counted from 1) of entryCount.
    void openCell(int position);
    void closeCell(int position, int entryCount);
    void writeTail(int entryCount, int subdirectoryCount, qint64 totalBytes);

private:
    bool isTable() const { return request.settings.table.isTable(); }
    bool isPlainText() const { return request.settings.entryMode == EntryMode::PlainText; }

    const DocumentRequest &request;
    PageOutput &out;
};
