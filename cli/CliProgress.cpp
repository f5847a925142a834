#include "cli/CliProgress.h"

#include <QByteArray>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

void CliProgress::runStarted(int entryCount)
{
    maximum = entryCount;
    shownPercent = -1;
}

void CliProgress::entryWritten(int position)
{
    if (!visible || maximum <= 0)
        return;
    // One update per percent: a line per entry would cost more than the entry.
    const int percent = int(qint64(position) * 100 / maximum);
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    const QByteArray line = QByteArray("\rCreating document: ") + QByteArray::number(percent) + "% ("
        + QByteArray::number(position) + " of " + QByteArray::number(maximum) + ")";
    lineLength = int(line.size()) - 1;
    fwrite(line.constData(), 1, size_t(line.size()), stream);
    fflush(stream);
}

void CliProgress::finish()
{
    if (lineLength == 0)
        return;
    const QByteArray blank = "\r" + QByteArray(lineLength, ' ') + "\r";
    fwrite(blank.constData(), 1, size_t(blank.size()), stream);
    fflush(stream);
    lineLength = 0;
}

bool standardErrorIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}
