// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/OutputFile.h"

#include "platform/core/OsError.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// For a failure the system did not explain (Qt refuses some cases itself).
int osErrorOrGeneric()
{
    const int code = lastOsError();
    return code != 0 ? code : genericIoError();
}

class SaveOutputFile final : public OutputFile {
public:
    explicit SaveOutputFile(const QString &path) : file(path) {}

    bool open() override
    {
        // QSaveFile would rename its file over whatever stands there, a
        // device or a FIFO included: only a regular file may be replaced.
        const QFileInfo target(file.fileName());
        if (target.exists() && !target.isFile()) {
            code = osErrorOrGeneric();
            return false;
        }
        clearLastOsError();
        // Unbuffered: the buffer below is ours, so a failing write reports
        // its system error at once instead of from inside a later call.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            code = osErrorOrGeneric();
            return false;
        }
        buffer.reserve(kChunk);
        return true;
    }

    bool write(QByteArrayView bytes) override
    {
        // A large piece (a whole tree's sections) goes straight through.
        if (bytes.size() >= kChunk)
            return flush() && writeThrough(bytes);
        buffer.append(bytes);
        return buffer.size() < kChunk || flush();
    }

    bool commit() override
    {
        if (!flush())
            return false;
        clearLastOsError();
        if (!file.commit()) {
            code = osErrorOrGeneric();
            return false;
        }
        return true;
    }

    int error() const override { return code; }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    bool flush()
    {
        if (buffer.isEmpty())
            return true;
        if (!writeThrough(buffer))
            return false;
        buffer.resize(0);  // keeps the capacity for the next chunk
        return true;
    }

    bool writeThrough(QByteArrayView bytes)
    {
        clearLastOsError();
        if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
            code = osErrorOrGeneric();
            return false;
        }
        return true;
    }

    QSaveFile file;
    QByteArray buffer;
    int code = 0;
};

} // namespace

std::unique_ptr<OutputFile> makeSaveOutputFile(const QString &path)
{
    return std::make_unique<SaveOutputFile>(path);
}
