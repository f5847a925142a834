// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file's name as the file system holds it: its exact bytes, whatever they
// are (on Windows, where names are UTF-16, their UTF-8). The bytes open the
// file and make its links; the readable form (ReadableFileName.h) is what a
// window, a page or a message shows. A QString cannot stand in for a name: one
// that is not valid UTF-8 would not survive the round trip.
//
// A whole tree's entries may carry their path below the listed directory in
// the same type, with '/' between the names.

#include <QByteArray>
#include <QHashFunctions>
#include <QList>
#include <QString>

class FileName {
public:
    FileName() = default;
    explicit FileName(QByteArray bytes) : raw(std::move(bytes)) {}
    // A name given as text: its UTF-8.
    static FileName fromText(const QString &name) { return FileName(name.toUtf8()); }

    const QByteArray &bytes() const { return raw; }
    bool isEmpty() const { return raw.isEmpty(); }

    QString readable() const;
    // The readable form's length in characters, as a plain-text page aligns it.
    int readableLength() const;

    friend bool operator==(const FileName &a, const FileName &b) { return a.raw == b.raw; }

private:
    QByteArray raw;
};

inline size_t qHash(const FileName &name, size_t seed = 0)
{
    return qHash(name.bytes(), seed);
}

using FileNames = QList<FileName>;
