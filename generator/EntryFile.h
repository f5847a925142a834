#pragma once
// Opening a listed file for its size, date or picture header. Only regular
// files are opened: a name that meanwhile became a directory, a FIFO or a
// device counts as a file that cannot be opened, and never blocks the run.

#include <QtGlobal>
#include <QString>

class QFile;

// Opens the file at path for reading.
bool openListedFile(QFile &file, const QString &path);

struct ListedFileFacts {
    bool ok = false;          // false: the file could not be opened
    qint64 size = 0;
    qint64 modifiedSecs = 0;  // last write, seconds since the epoch
};

// Opens the file, reads its size and last-write time, and closes it again.
ListedFileFacts listedFileFacts(const QString &path);
