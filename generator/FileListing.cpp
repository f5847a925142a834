#include "generator/FileListing.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"
#include "generator/SortedNames.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The mask's patterns as QDir applies them: wildcards, letter case ignored.
class NameMask {
public:
    explicit NameMask(const QStringList &patterns) : everything(patterns.contains(QStringLiteral("*")))
    {
        for (const QString &p : patterns) {
            const auto re = QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
            expressions << re;
            if (p.startsWith(QLatin1Char('.')))
                hiddenExpressions << re;
        }
    }
    bool matches(QByteArrayView name) const
    {
        const bool hidden = isHiddenName(name);
        if (everything && !hidden)
            return true;
        const QList<QRegularExpression> &wanted = hidden ? hiddenExpressions : expressions;
        if (wanted.isEmpty())
            return false;
        const QString text = readableFileName(name);
        return std::any_of(wanted.begin(), wanted.end(), [&](const QRegularExpression &re) { return re.match(text).hasMatch(); });
    }

private:
    bool everything;  // "*" matches every name that is not hidden: no expression needs asking
    QList<QRegularExpression> expressions;
    QList<QRegularExpression> hiddenExpressions;  // of the patterns beginning with a dot
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

FileNames listMatchingFiles(const QString &dir, const QString &mask)
{
    const QStringList patterns = maskPatterns(mask);
    if (patterns.isEmpty())
        return {};
    const NameMask nameMask(patterns);
    // The names are sorted here rather than by QDir, whose sort holds a
    // QFileInfo per entry: over 100 MB for a directory of 100,000 files.
    SortedNames names;
    forEachDirectoryFile(dir, [&](QByteArrayView name) {
        if (nameMask.matches(name))
            names.add(name);
    });
    return names.take();
}
