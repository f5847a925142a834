#pragma once
// The user's words for a failed operation on the output file, from the
// operating system's error code (errno on POSIX, GetLastError on Windows).

#include <QString>

QString ioErrorText(int osError);

// The error code of the last failed system call on this thread.
int lastOsError();
