// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Patterns matched against a file's or directory's own name as the file
// list's filter matches them: wildcards, letter case ignored. The filter
// and a whole tree's leave-out patterns both use it.

#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

class NameMask {
public:
    // patterns as maskPatterns() gives them (FileListing.h).
    explicit NameMask(const QStringList &patterns);
    // name: as the directory holds it; a name that is not UTF-8 is matched
    // in its readable form.
    bool matches(QByteArrayView name, bool validUtf8) const;
    bool matches(const QString &name) const;
    bool isEmpty() const { return !everything && expressions.isEmpty(); }

private:
    bool everything;  // "*" matches every name: no expression needs asking
    QList<QRegularExpression> expressions;
};
