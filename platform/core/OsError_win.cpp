// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/OsError.h"

#include <windows.h>

int lastOsError()
{
    return int(GetLastError());
}

void clearLastOsError()
{
    SetLastError(0);
}

int genericIoError()
{
    return ERROR_WRITE_FAULT;
}

QString ioErrorText(int osError)
{
    switch (osError) {
    case ERROR_FILE_NOT_FOUND: return QStringLiteral("File not found");
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return QStringLiteral("Invalid filename");
    case ERROR_TOO_MANY_OPEN_FILES: return QStringLiteral("Too many open files");
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return QStringLiteral("File access denied");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return QStringLiteral("Disk full");
    default: break;
    }
    return QStringLiteral("I/O error %1").arg(osError);
}
