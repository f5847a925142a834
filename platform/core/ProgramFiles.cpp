// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ProgramFiles.h"

#include "platform/core/NativePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

// The data folder as seen from the program's folder; the build sets it from
// the install layout.
#ifndef QUORVANT_DATA_FROM_PROGRAM
#define QUORVANT_DATA_FROM_PROGRAM "../share/quorvant"
#endif

namespace {

const QString kHelpName = QStringLiteral("quorvant-help.html");

QString nativeDirectory(const QString &path)
{
    return withTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(path)), nativePathStyle());
}

// Beside the program first, so a build folder or a portable copy uses its own.
QString findProgramFile(const QString &programDir, const QString &name)
{
    for (const QString &dir : {programDir, installedDataDirectory(programDir)}) {
        if (QFileInfo(dir + name).isFile())
            return dir + name;
    }
    return {};
}

}  // namespace

QString installedDataDirectory(const QString &programDir)
{
    return nativeDirectory(programDir + QStringLiteral(QUORVANT_DATA_FROM_PROGRAM));
}

bool isInstalledProgram(const QString &programDir)
{
    return QFileInfo(installedDataDirectory(programDir)).isDir();
}

QString userConfigDirectory()
{
    // Not the application's own config location: that is named after the
    // application name, which the window sets to its title.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base.isEmpty() ? QString() : nativeDirectory(base + QStringLiteral("/quorvant"));
}

QString completionSoundFile(const QString &programDir)
{
    const QString found = findProgramFile(programDir, QStringLiteral("ready.wav"));
    return found.isEmpty() ? programDir + QStringLiteral("ready.wav") : found;
}

QString oldHelpFile(const QString &startDirectory)
{
    return withTrailingSeparator(startDirectory, nativePathStyle()) + QStringLiteral("quorva21.HLP");
}

QByteArray ownHelpHtml()
{
    QFile resource(QStringLiteral(":/quorvant/") + kHelpName);
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

QString ownHelpFile(const QString &programDir)
{
    const QString found = findProgramFile(programDir, kHelpName);
    if (!found.isEmpty())
        return found;

    // A browser needs a file: the built-in copy goes into the user's own
    // cache folder (not a shared temporary one, where another user could
    // put something in its place).
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QByteArray html = ownHelpHtml();
    if (cache.isEmpty() || html.isEmpty() || !QDir().mkpath(cache + QStringLiteral("/quorvant")))
        return {};
    const QString path = nativeDirectory(cache + QStringLiteral("/quorvant")) + kHelpName;
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == html)
        return path;
    current.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size() || !file.commit())
        return {};
    return path;
}
