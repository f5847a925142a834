// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/NativePaths.h"

PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QChar pathSeparator(PathStyle style)
{
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

QString withTrailingSeparator(const QString &dir, PathStyle style)
{
    if (style == PathStyle::Windows) {
        // A drive root is the drive letter, a colon and a backslash.
        const QString root = dir.left(1) + QStringLiteral(":\\");
        return dir == root ? dir : dir + QLatin1Char('\\');
    }
    return dir == QLatin1String("/") ? dir : dir + QLatin1Char('/');
}

QString fileNamePart(const QString &path, PathStyle style)
{
    qsizetype cut = path.lastIndexOf(pathSeparator(style));
    if (style == PathStyle::Windows)
        cut = qMax(cut, path.lastIndexOf(QLatin1Char(':')));
    return path.mid(cut + 1);
}
