#pragma once
// The file list's contents: the files of one directory that match a mask,
// as the window's file list and the command-line tool both show them.

#include <QString>
#include <QStringList>

// Splits a mask such as "*.gif;*.jpg" into its patterns. "*.*" matches every
// name, also names without a dot, as users of the filter expect.
QStringList maskPatterns(const QString &mask);

// Bare names of the plain files of dir matching any pattern of mask, letter
// case ignored; hidden entries and directories left out; sorted by name
// without regard to case.
QStringList listMatchingFiles(const QString &dir, const QString &mask);
