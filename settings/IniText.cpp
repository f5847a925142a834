// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniText.h"

#include <QByteArrayView>
#include <QList>
#include <QStringDecoder>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
const QByteArray kLineEnd("\r\n");

// Lines end in CR LF, LF or a lone CR; the last may have no end at all.
QList<QByteArrayView> splitLines(QByteArrayView body)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype size = body.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = body[i];
        if (c != '\n' && c != '\r')
            continue;
        lines.append(body.sliced(start, i - start));
        if (c == '\r' && i + 1 < size && body[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(body.sliced(start));
    return lines;
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// UTF-8 as we write it; a line that is not valid UTF-8 came from an 8-bit
// editor, and Latin-1 keeps every one of its bytes readable.
QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool sameName(QByteArrayView stored, QStringView wanted)
{
    // Big sections are all ASCII names: compare those without a copy.
    if (isAscii(stored))
        return QLatin1StringView(stored).compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
    return decode(stored).compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;
    qsizetype valueStart = 0;  // first byte of the value after "=" and its blanks
};

ParsedLine parseLine(QByteArrayView line)
{
    const QByteArrayView text = line.trimmed();
    if (text.startsWith('[')) {
        // The first "]" closes the name, so "[Colors] ; note" still names Colors.
        const qsizetype close = text.indexOf(']');
        if (close < 0)
            return {};
        return {LineKind::Section, text.sliced(1, close - 1).trimmed(), 0};
    }
    if (text.startsWith(';'))
        return {};
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {};
    const QByteArrayView name = line.first(equals).trimmed();
    if (name.isEmpty())
        return {};
    qsizetype valueStart = equals + 1;
    while (valueStart < line.size() && (line[valueStart] == ' ' || line[valueStart] == '\t'))
        ++valueStart;
    return {LineKind::Key, name, valueStart};
}

struct Location {
    qsizetype keyLine = -1;     // line holding the key, -1 when missing
    qsizetype valueStart = 0;
    qsizetype sectionEnd = -1;  // last non-blank line of the first matching section
};

// Reads and writes agree on one rule: the first occurrence of the key in any
// section of that name counts; new keys join the first such section.
Location locate(const QList<QByteArrayView> &lines, QStringView section, QStringView key,
                bool stopAtKey)
{
    Location where;
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i]);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
            inFirstSection = inSection && where.sectionEnd < 0;
            if (inFirstSection)
                where.sectionEnd = i;
            continue;
        }
        if (!inSection)
            continue;
        if (inFirstSection && !lines[i].trimmed().isEmpty())
            where.sectionEnd = i;
        if (where.keyLine < 0 && parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            where.keyLine = i;
            where.valueStart = parsed.valueStart;
            if (stopAtKey)
                break;
        }
    }
    return where;
}

QByteArrayView withoutByteOrderMark(const QByteArray &content)
{
    const QByteArrayView all(content);
    return all.startsWith(kByteOrderMark) ? all.sliced(kByteOrderMark.size()) : all;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// A line break inside a name or value would end the line early and let the
// rest pose as a key of its own.
QByteArray singleLine(QStringView text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

// Reading drops outer blanks and one pair of enclosing quotes; a value that
// would lose something that way is written inside double quotes, so it reads
// back exactly as it was written.
QByteArray encodeValue(QStringView value)
{
    QByteArray bytes = singleLine(value);
    if (bytes.isEmpty())
        return bytes;
    const char first = bytes.front();
    const char last = bytes.back();
    const bool quotedPair = bytes.size() >= 2 && first == last && (first == '"' || first == '\'');
    if (isBlank(first) || isBlank(last) || quotedPair)
        return '"' + bytes + '"';
    return bytes;
}

}  // namespace

namespace IniText {

std::optional<QString> lookup(const QByteArray &content, QStringView section, QStringView key)
{
    const QList<QByteArrayView> lines = splitLines(withoutByteOrderMark(content));
    const Location where = locate(lines, section, key, true);
    if (where.keyLine < 0)
        return std::nullopt;
    QByteArrayView value = lines[where.keyLine].sliced(where.valueStart).trimmed();
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == '"' || value.front() == '\''))
        value = value.sliced(1, value.size() - 2);
    return decode(value);
}

QByteArray assign(const QByteArray &content, QStringView section, QStringView key,
                  QStringView value)
{
    const bool hasMark = content.startsWith(kByteOrderMark);
    const QList<QByteArrayView> lines = splitLines(withoutByteOrderMark(content));
    const Location where = locate(lines, section, key, false);
    const QByteArray encoded = encodeValue(value);
    const QByteArray newKeyLine = singleLine(key.trimmed()) + '=' + encoded;

    QByteArray out;
    out.reserve(content.size() + newKeyLine.size() + section.size() + 16);
    if (hasMark)
        out += kByteOrderMark;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == where.keyLine) {
            out += lines[i].first(where.valueStart);  // keeps the key's own spelling
            out += encoded;
        } else {
            out += lines[i];
        }
        out += kLineEnd;
        if (where.keyLine < 0 && i == where.sectionEnd)
            out += newKeyLine + kLineEnd;
    }
    if (where.keyLine < 0 && where.sectionEnd < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            out += kLineEnd;  // a blank line between sections, for the reader's eye
        out += '[' + singleLine(section.trimmed()) + ']' + kLineEnd + newKeyLine + kLineEnd;
    }
    return out;
}

std::optional<qint32> parseInteger(QStringView text)
{
    QStringView digits = text;
    int base = 10;
    bool negative = false;
    if (text.startsWith(u'$')) {
        digits = text.sliced(1);
        base = 16;
    } else if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        digits = text.sliced(2);
        base = 16;
    } else if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text[0] == u'-';
        digits = text.sliced(1);
    }
    if (digits.isEmpty())
        return std::nullopt;

    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 number = 0;
    for (const QChar c : digits) {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        number = number * base + digit;
        if (number > limit)
            return std::nullopt;
    }
    if (base == 16)
        return static_cast<qint32>(static_cast<quint32>(number));
    return static_cast<qint32>(negative ? -static_cast<qint64>(number) : static_cast<qint64>(number));
}

}  // namespace IniText
