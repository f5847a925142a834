// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list's contents: the files of one directory that match a mask,
// as the window's file list and the command-line tool both show them.

#include "generator/FileName.h"

#include <QString>
#include <QStringList>

// Splits a mask such as "*.gif;*.jpg" into its patterns. "*.*" matches every
// name, also names without a dot, as users of the filter expect.
QStringList maskPatterns(const QString &mask);

// The plain files of dir whose names match any pattern of mask, letter case
// ignored, sorted by name without regard to case (SortedNames.h); whatever
// their bytes, every such file is listed. A hidden name (one beginning with
// a dot) is listed only where a pattern that itself begins with a dot
// matches it: ".*" lists them all, "*.*" none. Names are matched in their
// readable form (ReadableFileName.h).
FileNames listMatchingFiles(const QString &dir, const QString &mask);
