// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The directory the program was started in.

#include <QString>

// A full path. Where the system can no longer name it (it was deleted while
// a shell stood in it), the shell's own record of it ($PWD on POSIX) is
// used, so the user still learns where the program was started.
QString startDirectory();

// path itself when it is a directory, else its nearest parent that is: where
// a deleted start directory's documents can go.
QString nearestExistingDirectory(const QString &path);
