// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contents list of a whole tree's page: one line per directory, in page
// order, indented by its depth, with the files and bytes of everything
// below it, linking to its section. It stands at the top, but its totals
// are known only once a directory's last subdirectory is written: the
// lines are kept as fixed-size records in one temporary file, patched when
// a directory is complete, and their paths in another, and written out at
// the end. Memory holds only the directories the walk is inside of.

#include "generator/TreeWalk.h"

#include <QByteArray>

#include <vector>

class PageOutput;
class SpoolFile;

class TreeContents {
public:
    // records and paths: open, empty.
    TreeContents(SpoolFile &records, SpoolFile &paths) : recordFile(records), pathFile(paths) {}

    // The line of the directory whose section comes next.
    void begin(const TreeDirectory &dir);
    // Its own files, and the bytes of those whose size is known.
    void add(qint64 files, qint64 bytes);
    // After the last directory: every total is complete.
    void finish();

    // The lines, anchors d0, d1 ... in page order. A searchable page gives
    // each line its directory's path as the script reads it; bytes only
    // where the page shows sizes.
    void write(PageOutput &out, bool searchable, bool withBytes);

    static QByteArray anchor(qint64 index) { return 'd' + QByteArray::number(index); }

private:
    struct Open {
        qint64 index;
        int depth;
        qint64 files;
        qint64 bytes;
    };
    void closeInnermost();

    SpoolFile &recordFile;
    SpoolFile &pathFile;
    qint64 count = 0;
    std::vector<Open> open;  // the directories the walk is inside of, outermost first
};
