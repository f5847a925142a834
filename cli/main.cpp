// SPDX-License-Identifier: GPL-3.0-or-later
// quorvant-cli: the document generator without a window, for scripts and
// scheduled jobs.

#include "cli/CliRun.h"
#include "Version.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvant-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANT_VERSION));
#ifdef Q_OS_WIN
    // Qt reads the UTF-16 command line there; argv would be the ANSI code page.
    return runCommandLine(QCoreApplication::arguments());
#else
    // A FILE argument is a name: its bytes, which a QString may not hold.
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return runCommandLine(arguments);
#endif
}
