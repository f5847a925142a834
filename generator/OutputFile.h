// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document being written. It replaces an existing document only when it
// is complete: destroying it before a successful commit() leaves the old
// document as it was and no partial file behind.

#include <QByteArrayView>
#include <QString>

#include <memory>

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool open() = 0;                       // create, ready for writing
    virtual bool write(QByteArrayView bytes) = 0;
    virtual bool commit() = 0;                     // complete: replace the document
    virtual int error() const = 0;                 // OS error code of the last failure
};

// The real document file, written through QSaveFile.
std::unique_ptr<OutputFile> makeSaveOutputFile(const QString &path);
