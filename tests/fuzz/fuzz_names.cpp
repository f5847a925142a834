// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as file names, through everything that shows or links a name:
// the readable form, the page's text, link targets and the list's order.
#include "generator/HtmlText.h"
#include "generator/ReadableFileName.h"
#include "generator/SortedNames.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

void checkName(const FileName &name)
{
    const QByteArray &bytes = name.bytes();
    // Readable: no control character, no half of a surrogate pair, each
    // character one column.
    const QString readable = name.readable();
    const QList<uint> characters = readable.toUcs4();
    for (const uint c : characters)
        FUZZ_CHECK(c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && !(c >= 0xD800 && c <= 0xDFFF));
    FUZZ_CHECK(name.readableLength() == characters.size());
    // Nothing escaped (no backslash at all): the name itself.
    if (!readable.contains(QLatin1Char('\\')))
        FUZZ_CHECK(readable.toUtf8() == bytes);

    // Shown: plain ASCII that opens no tag, ends no attribute, and whose every
    // ampersand begins a reference.
    const QByteArray shown = htmlName(name);
    FUZZ_CHECK(isAscii(shown) && !shown.contains('<') && !shown.contains('>') && !shown.contains('"'));
    static const QRegularExpression stray(QStringLiteral("&(?!amp;|lt;|gt;|quot;|#[0-9]+;)"));
    FUZZ_CHECK(!stray.match(QString::fromLatin1(shown)).hasMatch());
    FUZZ_CHECK(shown == htmlText(readable));

    // Linked: printable ASCII without a character a URL may not hold, that
    // decodes to the very bytes, anchored where a colon would read as a scheme.
    const QByteArray link = relativeLink(bytes);
    for (const char c : link)
        FUZZ_CHECK(c > ' ' && c < 0x7F && !QByteArrayView("\"<>\\[]{}^|`#?&").contains(c));
    const qsizetype colon = bytes.indexOf(':'), slash = bytes.indexOf('/');
    const bool scheme = colon >= 0 && (slash < 0 || colon < slash);
    FUZZ_CHECK(QByteArray::fromPercentEncoding(link) == (scheme ? "./" + bytes : bytes));
}

} // namespace

int fuzzNames(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    FileNames names;
    while (names.size() < 64) {
        const QByteArray bytes = in.chunk();
        if (bytes.isEmpty())
            break;
        names << FileName(bytes);
        checkName(names.back());
    }
    // The list's order is a total order: the same whatever order the names
    // come in, every name kept.
    SortedNames forward, backward;
    for (qsizetype i = 0; i < names.size(); ++i) {
        forward.add(names.at(i).bytes());
        backward.add(names.at(names.size() - 1 - i).bytes());
    }
    const FileNames sorted = forward.take();
    FUZZ_CHECK(sorted == backward.take());
    FUZZ_CHECK(sorted.size() == names.size());
    for (const FileName &name : names)
        FUZZ_CHECK(sorted.contains(name));
    return 0;
}
