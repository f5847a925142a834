#include "platform/core/IoErrorText.h"

#include <cerrno>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString ioErrorText(int osError)
{
#ifdef Q_OS_WIN
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
#else
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
#endif
    return QStringLiteral("I/O error %1").arg(osError);
}

int lastOsError()
{
#ifdef Q_OS_WIN
    return int(GetLastError());
#else
    return errno;
#endif
}
