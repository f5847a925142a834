// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PageOutput.h"

#include <algorithm>

void PageOutput::grow(size_t more)
{
    const size_t wanted = std::max({used + more, 2 * capacity, size_t(4096)});
    std::unique_ptr<char[]> larger(new char[wanted]);
    if (used != 0)
        std::memcpy(larger.get(), buffer.get(), used);
    buffer = std::move(larger);
    capacity = wanted;
}

void PageOutput::putNumber(qint64 value)
{
    char digits[24];
    char *end = digits + sizeof digits;
    char *p = end;
    // Counted as unsigned, so the most negative value has its digits too.
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    put(QByteArrayView(p, end - p));
}

void PageOutput::putLine(QByteArrayView bytes)
{
    put(bytes);
    put("\r\n");
    if (used >= gatherLines)
        flush();
}

void PageOutput::pad(int count)
{
    static const QByteArray run = QByteArray("&nbsp;").repeated(64);
    for (int left = count; left > 0; left -= 64)
        put(QByteArrayView(run).first(6 * qMin(left, 64)));
}

void PageOutput::flush()
{
    if (used == 0)
        return;
    const size_t length = used;
    used = 0;
    if (!file.write(QByteArrayView(buffer.get(), qsizetype(length))))
        throw OutputFailure{file.error()};
}
