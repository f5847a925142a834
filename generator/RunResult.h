// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a document creation ended.

#include <QString>
#include <QtGlobal>

enum class RunOutcome {
    Completed,    // the document was written and committed
    NoSelection,  // nothing was selected (reported as NothingSelected)
    Declined,     // the user kept the existing document
    Failed,       // the directory was gone or the output failed (reported); an existing document is untouched
    Cancelled,    // the front end asked the run to stop (not reported); an existing document is untouched
};

struct RunResult {
    RunOutcome outcome = RunOutcome::NoSelection;
    QString outputPath;     // the file written, or that would have been
    QString documentPath;   // completed: the document as the browser button names it
    int fileCount = 0;      // entries written
    int subdirectoryCount = 0;  // on a whole tree's page, its directories below the listed one
    qint64 totalBytes = 0;  // sizes of link and plain-text entries
};
