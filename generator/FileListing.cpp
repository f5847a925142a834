#include "generator/FileListing.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"
#include "generator/SortedNames.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The mask's patterns as QDir applies them: wildcards, letter case ignored.
// A name that is not UTF-8 is matched in its readable form.
class NameMask {
public:
    explicit NameMask(const QStringList &patterns)
        : everything(patterns.contains(QStringLiteral("*")))
    {
        for (const QString &p : patterns)
            expressions << QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
    }
    bool matches(QByteArrayView name, bool validUtf8) const
    {
        if (everything)
            return true;
        const QString text = validUtf8 ? decodedFileName(name) : readableFileName(name);
        return std::any_of(expressions.begin(), expressions.end(),
                           [&](const QRegularExpression &re) { return re.match(text).hasMatch(); });
    }

private:
    bool everything;  // "*" matches every name: no expression needs asking
    QList<QRegularExpression> expressions;
};

} // namespace

QStringList maskPatterns(const QString &mask)
{
    QStringList patterns;
    for (const QString &part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        if (p.isEmpty())
            continue;
        // QDir would need a dot for "*.*" on POSIX; the filter means "all files".
        patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
    }
    return patterns;
}

FileListing listMatchingFiles(const QString &dir, const QString &mask)
{
    FileListing listing;
    const QStringList patterns = maskPatterns(mask);
    if (patterns.isEmpty())
        return listing;
    const NameMask nameMask(patterns);
    // The names are sorted here rather than by QDir, whose sort holds a
    // QFileInfo per entry: over 100 MB for a directory of 100,000 files.
    SortedNames names;
    forEachDirectoryFile(dir, [&](QByteArrayView name) {
        const bool validUtf8 = name.isValidUtf8();
        if (!nameMask.matches(name, validUtf8))
            return;
        if (validUtf8)
            names.add(name);
        else
            listing.unlistable << name.toByteArray();
    });
    listing.names = names.take();
    std::sort(listing.unlistable.begin(), listing.unlistable.end(),
              [](const QByteArray &a, const QByteArray &b) { return readableFileName(a) < readableFileName(b); });
    return listing;
}
