// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ReadableFileName.h"

#include <algorithm>

namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isPrintableAscii(QByteArrayView s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

void appendEscaped(QString &out, QByteArrayView bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char escape[] = {'\\', 'x', hex[b >> 4], hex[b & 0x0F]};
        out += QLatin1StringView(escape, 4);
    }
}

// Length of the valid UTF-8 sequence at the start of s, 0 when there is
// none: overlong forms, surrogates and values beyond U+10FFFF are not valid.
int validSequence(const unsigned char *s, qsizetype n, char32_t &value)
{
    if (s[0] < 0x80) {
        value = s[0];
        return 1;
    }
    int len = 0;
    char32_t lowest = 0;
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
    // Nearly every name: nothing to decode or escape.
    if (isPrintableAscii(name))
        return QString::fromLatin1(name);
    QString out;
    out.reserve(name.size());
    const auto *s = reinterpret_cast<const unsigned char *>(name.data());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        char32_t value = 0;
        const int len = validSequence(s + i, n - i, value);
        if (len == 0)
            appendEscaped(out, name.sliced(i, 1));
        else if (isControl(value))
            appendEscaped(out, name.sliced(i, len));
        else
            out += QStringView(QChar::fromUcs4(value));  // a byte order mark too: it is part of the name
        i += qMax(len, 1);
    }
    return out;
}

QString readableText(QStringView text)
{
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isControl(c.unicode()); }))
        return text.toString();
    QString out;
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            appendEscaped(out, QString(c).toUtf8());
        else
            out += c;
    }
    return out;
}

int readableLength(QStringView readable)
{
    return int(readable.size() - std::count_if(readable.begin(), readable.end(), [](QChar c) { return c.isLowSurrogate(); }));
}
