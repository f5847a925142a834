// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/OutputErrorText.h"

#include "platform/core/OsError.h"

#include <QDir>
#include <QFileInfo>

QString outputErrorText(int osError, const QString &path)
{
    const QFileInfo info(path);
    if ((info.exists() && !info.isFile()) || !info.absoluteDir().exists())
        return QStringLiteral("Invalid filename");
    return ioErrorText(osError);
}
