#pragma once
// The subdirectory lines that open a plain-text page without table: one line
// per subdirectory of the listed directory, sorted by name without regard to
// case, with "Directory" in the size column and optionally its date.

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

class PageOutput;

struct SubdirectoryListing {
    QStringList names;               // sorted
    QHash<QString, QString> dates;   // name -> date text
    QHash<QString, qint64> modified; // name -> seconds since 1970, for a searchable page
    int longestName = 0;             // in characters
};

// The subdirectories of dir; hidden ones are left out.
SubdirectoryListing listSubdirectories(const QString &dir, const QLocale &locale);

// dirPath ends with its separator and stands before each name when showPath
// is set; nameColumn is the width the names are padded to. On a searchable
// page each line is a list item marked as a directory, with its time.
void writeSubdirectoryLines(PageOutput &out, const SubdirectoryListing &listing, const QString &dirPath,
                            bool showPath, bool withDates, int nameColumn, bool searchable = false);
