// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subdirectory lines that open a plain-text page without table: one line
// per subdirectory of the listed directory, sorted by name without regard to
// case, with "Directory" in the size column and optionally its date.

#include "generator/FileName.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

class PageOutput;

struct Subdirectory {
    FileName name;
    QString date;                         // its date text, "unknown" where the system told none
    std::optional<qint64> modifiedSecs;   // seconds since 1970, for a searchable page
};

struct SubdirectoryListing {
    QList<Subdirectory> entries;  // sorted
    int longestName = 0;          // in characters of the readable form
};

// The subdirectories of dir, whatever their names' bytes; hidden ones are
// left out.
SubdirectoryListing listSubdirectories(const QString &dir, const QLocale &locale);

// dirPath ends with its separator and stands before each name when showPath
// is set; nameColumn is the width the names are padded to. On a searchable
// page each line is a list item marked as a directory, with its time.
void writeSubdirectoryLines(PageOutput &out, const SubdirectoryListing &listing, const QString &dirPath,
                            bool showPath, bool withDates, int nameColumn, bool searchable = false);
