#include "generator/HtmlText.h"

#include <QFile>

QByteArray htmlText(const QString &text)
{
    const QByteArray raw = QFile::encodeName(text);
    QByteArray out;
    out.reserve(raw.size() + 16);
    for (char c : raw) {
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

QByteArray linkText(const QString &target)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray raw = target.toUtf8();
    // Browsers strip blanks at either end of an HREF or SRC before they
    // resolve it, which would point " a.gif" at "a.gif": those are encoded.
    qsizetype first = 0;
    qsizetype last = raw.size() - 1;
    while (first <= last && raw.at(first) == ' ')
        ++first;
    while (last >= first && raw.at(last) == ' ')
        --last;
    QByteArray out;
    out.reserve(raw.size() + 16);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw.at(i));
        // A backslash counts as a path separator in browsers' file URLs.
        const bool encode = c < 0x20 || c >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"'
                            || c == '&' || c == '<' || c == '>' || c == '\\' || (c == ' ' && (i < first || i > last));
        if (encode) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        } else {
            out += char(c);
        }
    }
    return out;
}

QString relativeLinkTarget(const QString &name)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return name;
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash >= 0 && slash < colon)
        return name;
    return QStringLiteral("./") + name;
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
