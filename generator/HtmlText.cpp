// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/HtmlText.h"

#include "generator/ReadableFileName.h"

#include <algorithm>
#include <array>

namespace {

void appendReference(QByteArray &out, char32_t c)
{
    out += "&#";
    out += QByteArray::number(uint(c));
    out += ';';
}

// Characters outside ASCII as references; escapeMarkup also escapes & < > ".
QByteArray asciiHtml(QStringView text, bool escapeMarkup)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) {
            char32_t code = c;
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, text[++i].unicode());
            else if (QChar::isSurrogate(c))
                code = QChar::ReplacementCharacter;  // half a pair names no character
            appendReference(out, code);
            continue;
        }
        if (escapeMarkup) {
            switch (c) {
            case '&': out += "&amp;"; continue;
            case '<': out += "&lt;"; continue;
            case '>': out += "&gt;"; continue;
            case '"': out += "&quot;"; continue;
            default: break;
            }
        }
        out += char(c);
    }
    return out;
}

// Which bytes a link carries percent-encoded.
constexpr std::array<bool, 256> encodedInLinks()
{
    std::array<bool, 256> encode{};
    for (int c = 0; c < 256; ++c)
        encode[size_t(c)] = c <= 0x20 || c >= 0x7F;
    // A backslash counts as a path separator in browsers' file URLs; the
    // others are not allowed in a URL, or end or alter it.
    for (const char c : {'%', '#', '?', '"', '&', '<', '>', '\\', '[', ']', '{', '}', '^', '|', '`'})
        encode[size_t(c)] = true;
    return encode;
}

} // namespace

QByteArray htmlText(QStringView text)
{
    return asciiHtml(text, true);
}

QByteArray htmlAscii(QStringView markup)
{
    return asciiHtml(markup, false);
}

QByteArray htmlName(const FileName &name)
{
    const QByteArray &bytes = name.bytes();
    // Printable ASCII, nearly every name, is its own readable form.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        QByteArray out;
        out.reserve(bytes.size() + 16);
        for (const char c : bytes) {
            switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
            }
        }
        return out;
    }
    return htmlText(name.readable());
}

QByteArray linkText(QByteArrayView target)
{
    static constexpr std::array<bool, 256> encode = encodedInLinks();
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(target.size() + 16);
    for (const char ch : target) {
        const auto c = static_cast<unsigned char>(ch);
        if (encode[c]) {
            const char escape[] = {'%', hex[c >> 4], hex[c & 0x0F]};
            out.append(escape, 3);
        } else {
            out += ch;
        }
    }
    return out;
}

QByteArray relativeLink(QByteArrayView path)
{
    const qsizetype colon = path.indexOf(':');
    const qsizetype slash = path.indexOf('/');
    if (colon < 0 || (slash >= 0 && slash < colon))
        return linkText(path);
    return "./" + linkText(path);
}

QString toUrlSeparators(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString fileUrlPrefix(const QString &dirPath, PathStyle style)
{
    // A POSIX path begins with its own slash: file:// + /home/ann/ gives file:///home/ann/.
    if (style == PathStyle::Windows)
        return QStringLiteral("file:///") + toUrlSeparators(dirPath);
    return QStringLiteral("file://") + dirPath;
}
