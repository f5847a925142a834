// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ReadableFileName.h"

namespace {

// Length of the valid UTF-8 sequence at the start of bytes, 0 when there is
// none: overlong forms, surrogates and values beyond U+10FFFF are not valid.
int validSequence(const unsigned char *s, qsizetype n)
{
    if (s[0] < 0x80)
        return 1;
    int len = 0;
    char32_t lowest = 0;
    char32_t value = 0;
    if ((s[0] & 0xE0) == 0xC0)
        len = 2, lowest = 0x80, value = s[0] & 0x1F;
    else if ((s[0] & 0xF0) == 0xE0)
        len = 3, lowest = 0x800, value = s[0] & 0x0F;
    else if ((s[0] & 0xF8) == 0xF0)
        len = 4, lowest = 0x10000, value = s[0] & 0x07;
    else
        return 0;
    if (n < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (s[i] & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString readableFileName(QByteArrayView name)
{
    QString out;
    const auto *s = reinterpret_cast<const unsigned char *>(name.constData());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        const int len = validSequence(s + i, n - i);
        if (len > 0) {
            out += QString::fromUtf8(name.constData() + i, len);
            i += len;
        } else {
            out += QStringLiteral("\\x") + QString::number(s[i], 16).toUpper().rightJustified(2, QLatin1Char('0'));
            ++i;
        }
    }
    return out;
}
