// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names gathered in any order and handed out in the file list's order: by
// their lower-case form, names equal but for case in one fixed order (that
// of their QStrings, then of their bytes). A name that is not valid UTF-8
// takes its place by its readable form. Pure ASCII names, nearly all in
// practice, are kept and compared as bytes, which orders them exactly as
// their QStrings would; only the others are compared as lower-case QStrings.

#include "generator/FileName.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

class SortedNames {
public:
    void add(QByteArrayView name);
    FileNames take();

private:
    struct Name {
        quint64 head[2];   // an ASCII name's first 16 lower-case bytes, big-endian: most comparisons end here
        qsizetype offset;  // into bytes: the name, then for an ASCII name its lower-case form
        int length;
        int folded;        // another name's lower-case form in folded; -1 for an ASCII name
    };
    bool before(const Name &a, const Name &b) const;
    QByteArrayView raw(const Name &n) const { return QByteArrayView(bytes.data() + n.offset, n.length); }
    QByteArrayView lower(const Name &n) const { return QByteArrayView(bytes.data() + n.offset + n.length, n.length); }

    std::vector<char> bytes;
    std::vector<Name> names;
    std::vector<QString> folded;
    std::vector<QString> texts;  // per folded name, the text it was folded from
};
