#pragma once
// The file list's contents: the files of one directory that match a mask,
// as the window's file list and the command-line tool both show them, and
// the matching files the list cannot hold, from one walk over the directory.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Splits a mask such as "*.gif;*.jpg" into its patterns. "*.*" matches every
// name, also names without a dot, as users of the filter expect.
QStringList maskPatterns(const QString &mask);

struct FileListing {
    // Bare names, sorted by name without regard to case.
    QStringList names;
    // Names that are not valid UTF-8 (never on Windows, where names are
    // UTF-16): a QString cannot hold them, so these files can be neither
    // opened nor linked and stay out of names. As the file system holds
    // them, sorted by their readable form (ReadableFileName.h).
    QList<QByteArray> unlistable;
};

// The plain files of dir whose names match any pattern of mask, letter case
// ignored; hidden entries and directories left out.
FileListing listMatchingFiles(const QString &dir, const QString &mask);
