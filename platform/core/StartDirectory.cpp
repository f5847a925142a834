#include "platform/core/StartDirectory.h"

#include <QDir>

QString startDirectory()
{
    const QString current = QDir::currentPath();
    if (!current.isEmpty())
        return current;
#ifdef Q_OS_UNIX
    const QString shell = qEnvironmentVariable("PWD");
    if (QDir::isAbsolutePath(shell))
        return QDir::cleanPath(shell);
#endif
    return QDir::rootPath();
}
