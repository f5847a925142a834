// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/StartDirectory.h"

#include <QDir>
#include <QFileInfo>

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

QString nearestExistingDirectory(const QString &path)
{
    for (QString dir = QDir::cleanPath(path); !dir.isEmpty(); dir = QFileInfo(dir).path()) {
        if (QFileInfo(dir).isDir())
            return dir;
        if (QFileInfo(dir).path() == dir)
            break;
    }
    return QDir::rootPath();
}
