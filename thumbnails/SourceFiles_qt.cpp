// SPDX-License-Identifier: GPL-3.0-or-later
// Where there is no POSIX: by path through QtCore, whose names are UTF-16,
// so every path is valid UTF-8 here.
#include "thumbnails/SourceFiles.h"

#include "platform/core/OsError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

SourceFacts factsOf(const QFileInfo &info)
{
    SourceFacts facts;
    if (!info.isFile())
        return facts;
    facts.ok = true;
    facts.size = info.size();
    facts.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    return facts;
}

} // namespace

SourceFiles::SourceFiles(const QString &dir) : dirPath(dir + QLatin1Char('/')) {}

SourceFiles::~SourceFiles() = default;

SourceFacts SourceFiles::stat(const QByteArray &path) const
{
    return factsOf(QFileInfo(dirPath + QString::fromUtf8(path)));
}

std::unique_ptr<QIODevice> SourceFiles::open(const QByteArray &path, SourceFacts &facts) const
{
    const QString name = dirPath + QString::fromUtf8(path);
    facts = factsOf(QFileInfo(name));
    if (!facts.ok)
        return nullptr;
    auto file = std::make_unique<QFile>(name);
    if (!file->open(QIODevice::ReadOnly)) {
        facts.ok = false;
        facts.osError = lastOsError();
        return nullptr;
    }
    return file;
}
