#include "FileListing.h"

#include <QDir>

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
    return QDir(dir).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}
