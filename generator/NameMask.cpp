// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/NameMask.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"

#include <algorithm>

NameMask::NameMask(const QStringList &patterns) : everything(patterns.contains(QStringLiteral("*")))
{
    for (const QString &p : patterns) {
        const auto re = QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
        expressions << re;
        if (p.startsWith(QLatin1Char('.')))
            hiddenExpressions << re;
    }
}

bool NameMask::anyMatch(const QList<QRegularExpression> &list, QByteArrayView name)
{
    if (list.isEmpty())
        return false;
    const QString text = readableFileName(name);
    return std::any_of(list.begin(), list.end(), [&](const QRegularExpression &re) { return re.match(text).hasMatch(); });
}

bool NameMask::matches(QByteArrayView name) const
{
    const bool hidden = isHiddenName(name);
    if (everything && !hidden)
        return true;
    return anyMatch(hidden ? hiddenExpressions : expressions, name);
}

bool NameMask::matchesAny(QByteArrayView name) const
{
    return everything || anyMatch(expressions, name);
}
