// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SortedNames.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

bool isAscii(QByteArrayView s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Up to eight bytes from p as a big-endian number, zeros after the end.
quint64 word(const char *p, qsizetype n)
{
    unsigned char b[8] = {};
    std::memcpy(b, p, size_t(qMin<qsizetype>(n, 8)));
    return qFromBigEndian<quint64>(b);
}

// Byte order, a shorter name before every longer one it begins; eight bytes
// at a time, as names are short and often share a long beginning.
int compareBytes(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    qsizetype i = 0;
    for (; i + 8 <= common; i += 8) {
        const quint64 x = qFromBigEndian<quint64>(a.data() + i);
        const quint64 y = qFromBigEndian<quint64>(b.data() + i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    for (; i < common; ++i) {
        if (a[i] != b[i])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace

void SortedNames::add(QByteArrayView name)
{
    Name n{{0, 0}, qsizetype(bytes.size()), int(name.size()), -1};
    bytes.insert(bytes.end(), name.begin(), name.end());
    if (isAscii(name)) {
        std::transform(name.begin(), name.end(), std::back_inserter(bytes),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        const char *lower = bytes.data() + n.offset + n.length;
        n.head[0] = word(lower, name.size());
        n.head[1] = name.size() > 8 ? word(lower + 8, name.size() - 8) : 0;
    } else {
        n.folded = int(folded.size());
        texts.push_back(name.isValidUtf8() ? decodedFileName(name) : readableFileName(name));
        folded.push_back(texts.back().toLower());
    }
    names.push_back(n);
}

bool SortedNames::before(const Name &a, const Name &b) const
{
    int c;
    if (a.folded < 0 && b.folded < 0)
        c = a.head[0] != b.head[0] ? (a.head[0] < b.head[0] ? -1 : 1)
            : a.head[1] != b.head[1] ? (a.head[1] < b.head[1] ? -1 : 1)
                                     : compareBytes(lower(a), lower(b));
    else if (a.folded < 0)
        c = -QStringView(folded[size_t(b.folded)]).compare(QLatin1StringView(lower(a)));
    else if (b.folded < 0)
        c = QStringView(folded[size_t(a.folded)]).compare(QLatin1StringView(lower(b)));
    else
        c = QStringView(folded[size_t(a.folded)]).compare(QStringView(folded[size_t(b.folded)]));
    if (c != 0)
        return c < 0;
    if (a.folded < 0 && b.folded < 0)
        return compareBytes(raw(a), raw(b)) < 0;
    if (a.folded >= 0 && b.folded >= 0 && texts[size_t(a.folded)] != texts[size_t(b.folded)])
        return texts[size_t(a.folded)] < texts[size_t(b.folded)];
    // An ASCII name and another equal but for case, or two names of one
    // readable form ("a\xFF" spelt out, and "a" with the byte 0xFF).
    return compareBytes(raw(a), raw(b)) < 0;
}

FileNames SortedNames::take()
{
    std::sort(names.begin(), names.end(), [this](const Name &a, const Name &b) { return before(a, b); });
    FileNames list;
    list.reserve(qsizetype(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
#if defined(__GNUC__)
        // The names are read in their new order, all over memory: ask for
        // the next ones early.
        if (i + 16 < names.size())
            __builtin_prefetch(bytes.data() + names[i + 16].offset);
#endif
        list << FileName(raw(names[i]).toByteArray());
    }
    bytes = {};
    names = {};
    folded = {};
    texts = {};
    return list;
}
