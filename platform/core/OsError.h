// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system's error codes (errno on POSIX, GetLastError on
// Windows) and the user's words for them. OsError_unix.cpp and
// OsError_win.cpp hold them; CMake builds the one that fits.

#include <QString>

// The error code of the last failed system call on this thread.
int lastOsError();
// Clears it, so a failure the system does not explain reads as 0.
void clearLastOsError();
// The code of a plain input/output error, for such a failure.
int genericIoError();

// The user's words for a failed operation on the output file.
QString ioErrorText(int osError);
