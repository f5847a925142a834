// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtDocumentShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <shellapi.h>
#elif !defined(Q_OS_MACOS)
#include <QMimeDatabase>
#endif

namespace {

// QDesktopServices answers only "opened or not"; whether no program is
// associated at all has to be asked of the desktop beforehand. True only
// when the desktop says so for certain.
bool knownToHaveNoProgram(const QString &path)
{
#if defined(Q_OS_WIN)
    wchar_t found[MAX_PATH] = {};
    const QString native = QDir::toNativeSeparators(path);
    const auto code = reinterpret_cast<INT_PTR>(
        FindExecutableW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, found));
    return code == SE_ERR_NOASSOC;
#elif defined(Q_OS_MACOS)
    Q_UNUSED(path);
    return false;
#else
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!query.waitForStarted(2000))
        return false;  // no xdg-utils: leave the verdict to the open itself
    const bool succeeded = query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit
        && query.exitCode() == 0;
    if (query.state() != QProcess::NotRunning) {
        query.kill();
        query.waitForFinished(1000);
    }
    return queryNamesNoProgram(succeeded, query.readAllStandardOutput());
#endif
}

}  // namespace

OpenResult QtDocumentShell::openDocument(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return OpenResult::Missing;
    if (knownToHaveNoProgram(path))
        return OpenResult::NoAssociation;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::Failed;
}

bool QtDocumentShell::startProgram(const QString &program, const QStringList &arguments)
{
    // Each argument reaches the program whole, blanks included.
    return !program.isEmpty() && QProcess::startDetached(program, arguments);
}
