#include "generator/UnlistableNames.h"

#include "generator/FileListing.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

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

QString readableFileName(const QByteArray &name)
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

QStringList unlistableFileNames(const QString &dir, const QString &mask)
{
    QStringList names;
#ifdef Q_OS_UNIX
    QList<QRegularExpression> patterns;
    for (const QString &p : maskPatterns(mask))
        patterns << QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
    if (patterns.isEmpty())
        return names;
    DIR *d = ::opendir(QFile::encodeName(dir).constData());
    if (!d)
        return names;
    const int fd = ::dirfd(d);
    while (const dirent *entry = ::readdir(d)) {
        if (entry->d_name[0] == '.')
            continue;  // hidden, as in the file list
        // The file list shows every name that is valid UTF-8 (FileListing.cpp).
        if (QByteArrayView(static_cast<const char *>(entry->d_name)).isValidUtf8())
            continue;
        const QByteArray raw(entry->d_name);
        struct stat st;
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        const QString readable = readableFileName(raw);
        if (std::any_of(patterns.begin(), patterns.end(),
                        [&](const QRegularExpression &re) { return re.match(readable).hasMatch(); }))
            names << readable;
    }
    ::closedir(d);
    names.sort();
#else
    Q_UNUSED(dir);
    Q_UNUSED(mask);
#endif
    return names;
}
