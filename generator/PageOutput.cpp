#include "generator/PageOutput.h"

void PageOutput::put(QByteArrayView bytes)
{
    if (!file.write(bytes))
        throw OutputFailure{file.error()};
}

void PageOutput::putLine(QByteArrayView bytes)
{
    // One write per line, in a buffer kept from line to line.
    lineBuffer.resize(0);
    lineBuffer.append(bytes);
    lineBuffer.append("\r\n", 2);
    put(lineBuffer);
}

void PageOutput::pad(int count)
{
    static const QByteArray run = QByteArray("&nbsp;").repeated(64);
    for (int left = count; left > 0; left -= 64)
        put(QByteArrayView(run).first(6 * qMin(left, 64)));
}
