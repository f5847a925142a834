// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProgress.h"

#include <QByteArray>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

void CliProgress::runStarted(int entryCount)
{
    tree = entryCount < 0;
    maximum = qMax(0, entryCount);
    shownPercent = -1;
    directories = files = 0;
    sinceShown.invalidate();
}

void CliProgress::entryWritten(int position)
{
    if (!visible)
        return;
    if (tree) {
        files = position;
        showTree();
        return;
    }
    if (maximum <= 0)
        return;
    // One update per percent: a line per entry would cost more than the entry.
    const int percent = int(qint64(position) * 100 / maximum);
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    show(QByteArray::number(percent) + "% (" + QByteArray::number(position) + " of " + QByteArray::number(maximum)
         + ")");
}

void CliProgress::directoryStarted(int count)
{
    directories = count;
    if (visible)
        showTree();
}

void CliProgress::showTree()
{
    // The counts change faster than anyone reads them.
    if (sinceShown.isValid() && sinceShown.elapsed() < 100)
        return;
    sinceShown.start();
    show(QByteArray::number(directories) + (directories == 1 ? " directory, " : " directories, ")
         + QByteArray::number(files) + (files == 1 ? " file" : " files"));
}

void CliProgress::show(const QByteArray &text)
{
    const QByteArray line = "\rCreating document: " + text;
    // A shorter line than the last one blanks what it leaves.
    const int length = int(line.size()) - 1;
    const QByteArray padded = line + QByteArray(qMax(0, lineLength - length), ' ');
    lineLength = qMax(lineLength, length);
    fwrite(padded.constData(), 1, size_t(padded.size()), stream);
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
