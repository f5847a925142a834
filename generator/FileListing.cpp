#include "generator/FileListing.h"

#include "generator/DirectoryAccess.h"
#include "generator/NameMask.h"
#include "generator/ReadableFileName.h"
#include "generator/SortedNames.h"

#include <algorithm>

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
