#pragma once
// Files the file list cannot show. Qt's directory listing leaves out, without
// a word, every name that is not valid in the file-name encoding (UTF-8 on
// POSIX): a QString cannot hold such a name, so the file could be neither
// opened nor linked. The front ends tell the user about these names instead
// of dropping them silently.

#include <QString>
#include <QStringList>

// The plain, not hidden files of dir that match mask (as listMatchingFiles
// matches) and whose names are not valid UTF-8, sorted, each as readable
// text in which every byte that is not valid UTF-8 is written as \xNN.
// Always empty on Windows, where names are UTF-16.
QStringList unlistableFileNames(const QString &dir, const QString &mask);

// name as readable text: valid UTF-8 decoded, every other byte as \xNN.
QString readableFileName(const QByteArray &name);
