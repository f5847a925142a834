// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/NameMask.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"

#include <algorithm>

NameMask::NameMask(const QStringList &patterns) : everything(patterns.contains(QStringLiteral("*")))
{
    for (const QString &p : patterns)
        expressions << QRegularExpression::fromWildcard(p, Qt::CaseInsensitive);
}

bool NameMask::matches(QByteArrayView name, bool validUtf8) const
{
    if (everything)
        return true;
    if (expressions.isEmpty())
        return false;
    return matches(validUtf8 ? decodedFileName(name) : readableFileName(name));
}

bool NameMask::matches(const QString &name) const
{
    return everything || std::any_of(expressions.begin(), expressions.end(),
                                     [&](const QRegularExpression &re) { return re.match(name).hasMatch(); });
}
