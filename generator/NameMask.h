// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Patterns matched against a file's or directory's own name as the file
// list's filter matches them: wildcards, letter case ignored, names in their
// readable form (ReadableFileName.h). The filter and a whole tree's
// leave-out patterns both use it.

#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

class NameMask {
public:
    // patterns as maskPatterns() gives them (FileListing.h).
    explicit NameMask(const QStringList &patterns);
    // The filter's rule: a hidden name (isHiddenName) matches only a
    // pattern that itself begins with a dot.
    bool matches(QByteArrayView name) const;
    // Any pattern, hidden or not: what a leave-out list names.
    bool matchesAny(QByteArrayView name) const;
    bool isEmpty() const { return !everything && expressions.isEmpty(); }

private:
    static bool anyMatch(const QList<QRegularExpression> &list, QByteArrayView name);

    bool everything;  // "*" matches every name that is not hidden: no expression needs asking
    QList<QRegularExpression> expressions;
    QList<QRegularExpression> hiddenExpressions;  // of the patterns beginning with a dot
};
