#include "generator/FileListing.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <utility>
#include <vector>

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

QStringList listMatchingFiles(const QString &dir, const QString &mask)
{
    const QStringList patterns = maskPatterns(mask);
    if (patterns.isEmpty())
        return {};
    // Without QDir::Hidden and QDir::System, hidden entries and dangling links stay out.
    // The names are sorted here rather than by QDir, whose sort holds a
    // QFileInfo per entry: over 100 MB for a directory of 100,000 files.
    std::vector<std::pair<QString, QString>> keyed;  // lower-case name, name
    QDirIterator it(dir, patterns, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QString name = it.fileName();
        QString key = name.toLower();
        keyed.emplace_back(std::move(key), std::move(name));
    }
    // Names equal but for case keep one fixed order.
    std::sort(keyed.begin(), keyed.end());
    QStringList names;
    names.reserve(qsizetype(keyed.size()));
    for (auto &entry : keyed)
        names << std::move(entry.second);
    return names;
}
