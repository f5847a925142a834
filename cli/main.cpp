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
    return runCommandLine(QCoreApplication::arguments());
}
