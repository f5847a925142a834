// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One directory's section of a whole tree's page: its anchor, a heading
// with its path below the listed directory (none for the listed directory
// itself; a link or an unreadable directory says so), then its entries in
// the page's mode and layout, each section its own list or table, plain-
// text columns aligned within it. A searchable page marks the section with
// its path for the script (generator/page/README.md); everything else is
// the same for both kinds of page.

#include "generator/DocumentRequest.h"
#include "generator/PageWriter.h"

class EntryWriter;
class PageOutput;
class RunFeedback;
class TreeWalk;
struct TreeDirectory;

struct SectionTotals {
    qint64 files = 0;
    qint64 bytes = 0;  // of the files whose size is known
};

class SectionWriter {
public:
    // withFacts: the walk gathers the entries' facts (the page shows any).
    SectionWriter(const DocumentRequest &request, PageOutput &out, TreeWalk &walk, bool withFacts,
                  EntryWriter &entries, RunFeedback &feedback);

    // dir's section; index: its place in page order, 0 the listed directory.
    SectionTotals write(const TreeDirectory &dir, qint64 index);
    // Entries written over all sections so far.
    int entriesWritten() const { return written; }

private:
    void writeEntries(const TreeDirectory &dir, SectionTotals &totals);
    void writeSubdirectoryLines(const TreeDirectory &dir, int nameColumn);

    const DocumentRequest &request;
    PageOutput &out;
    PageWriter page;
    TreeWalk &walk;
    const bool withFacts;
    EntryWriter &entries;
    RunFeedback &feedback;
    int written = 0;
};
