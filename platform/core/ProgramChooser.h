// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open-file dialog that picks a program file, behind a seam.

#include <QString>
#include <QStringList>

#include "platform/core/NativePaths.h"

class ProgramChooser {
public:
    virtual ~ProgramChooser() = default;
    // True and path set to the chosen file's full path when the user chose
    // one; false (path untouched) when the user cancelled.
    virtual bool chooseProgram(QString &path) = 0;
};

// The dialog's filter entries, the first one active. On Windows programs are
// "*.exe"; on POSIX the first entry passes every name and the dialog keeps
// only files with the executable bit, and "All Files" must not be "*.*",
// which would hide names without a dot.
QStringList programFileFilters(PathStyle style);
