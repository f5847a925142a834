// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary file beside the document, for the parts of a page that are
// written before their place in it is known. Nothing of it stays behind:
// where the system can, it never has a name (Linux: O_TMPFILE), so not even
// a killed run leaves it; elsewhere it is a hidden file removed when the
// object goes.

#include "generator/OutputFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QFileDevice;

class SpoolFile final : public OutputFile {
public:
    // directory: where the document goes (the same disk, and room enough).
    explicit SpoolFile(const QString &directory);
    ~SpoolFile() override;

    bool open() override;
    // Appends, through a buffer.
    bool write(QByteArrayView bytes) override;
    // Everything written reaches the file.
    bool commit() override;
    int error() const override { return code; }

    // Rewrites bytes already written, at offset.
    bool writeAt(qint64 offset, QByteArrayView bytes);
    qint64 size() const { return written + buffer.size(); }
    // Reads n bytes at offset, of what was written (commit() first).
    bool readAt(qint64 offset, char *into, qint64 n);

private:
    bool fail();

    const QString directory;
    std::unique_ptr<QFileDevice> file;
    QByteArray buffer;
    qint64 written = 0;  // bytes in the file, before the buffer's
    int code = 0;
};
