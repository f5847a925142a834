// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/OsError.h"

#include <cerrno>

int lastOsError()
{
    return errno;
}

void clearLastOsError()
{
    errno = 0;
}

int genericIoError()
{
    return EIO;
}

QString ioErrorText(int osError)
{
    switch (osError) {
    case ENOENT: return QStringLiteral("File not found");
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case EINVAL: return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE: return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS: return QStringLiteral("File access denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Disk full");
    default: break;
    }
    return QStringLiteral("I/O error %1").arg(osError);
}
