// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include "settings/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Strings read back no longer than a 1024-byte lookup buffer with its
// terminating zero allowed, so files behave the same on every platform.
constexpr qsizetype kMaxStringLength = 1023;

// Far more than the seventeen keys need; a hand-made file may hold comments.
constexpr qint64 kMaxFileSize = 1024 * 1024;

QString fullPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

}  // namespace

IniFile::IniFile(const QString &path) : filePath(path) {}

IniFile::Refusal IniFile::load(QByteArray *content) const
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return Refusal::None;
    // Checked before the open: opening a FIFO would block. A file swapped for
    // one between the two is not guarded against; it takes the user's own doing.
    if (!info.isFile())
        return Refusal::NotAFile;
    if (info.size() > kMaxFileSize)
        return Refusal::TooLarge;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return Refusal::Unreadable;
    // One byte more than allowed tells a file that grew since (or a file of
    // the kernel's that gives no size) from one that fits.
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Refusal::Unreadable;
    if (bytes.size() > kMaxFileSize)
        return Refusal::TooLarge;
    if (content)
        *content = std::move(bytes);
    return Refusal::None;
}

std::optional<QByteArray> IniFile::readContent() const
{
    QByteArray content;
    if (load(&content) != Refusal::None)
        return std::nullopt;
    return content;
}

QString IniFile::readRefusal() const
{
    switch (load(nullptr)) {
    case Refusal::None: return {};
    case Refusal::Unreadable: return QStringLiteral("The settings file %1 cannot be read").arg(fullPath(filePath));
    case Refusal::NotAFile:
        return QStringLiteral("The settings file %1 is not a regular file and is not read").arg(fullPath(filePath));
    case Refusal::TooLarge:
        return QStringLiteral("The settings file %1 is larger than 1 MiB and is not read").arg(fullPath(filePath));
    }
    return {};
}

bool IniFile::replaceContent(const QByteArray &content)
{
    // The first Exit of an installed program creates its configuration folder.
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // No direct-write fallback: a half-written settings file is worse than
    // a failed Exit the user can see and retry.
    QSaveFile file(filePath);
    // Unbuffered: a buffered write that the disk cuts short (full, over
    // quota) is lost inside the flush of commit(), which then succeeds and
    // leaves a truncated file; unbuffered, the short write shows here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &fallback) const
{
    const std::optional<QByteArray> content = readContent();
    if (!content)
        return fallback;
    std::optional<QString> value = IniText::lookup(*content, section, key);
    if (!value)
        return fallback;
    if (value->size() > kMaxStringLength) {
        qsizetype keep = kMaxStringLength;
        if (value->at(keep - 1).isHighSurrogate())
            --keep;  // never leave half a character behind
        value->truncate(keep);
    }
    return *value;
}

qint32 IniFile::readInteger(const QString &section, const QString &key, qint32 fallback) const
{
    const std::optional<QByteArray> content = readContent();
    if (!content)
        return fallback;
    const std::optional<QString> text = IniText::lookup(*content, section, key);
    if (!text)
        return fallback;
    return IniText::parseInteger(*text).value_or(fallback);
}

bool IniFile::readBool(const QString &section, const QString &key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const std::optional<QByteArray> content = readContent();
    return content && IniText::lookup(*content, section, key).has_value();
}

void IniFile::update(const QString &section, const QString &key, const QString &value)
{
    // A file that exists but cannot be read must not be replaced by one that
    // holds only this key.
    const std::optional<QByteArray> content = readContent();
    if (!content || !replaceContent(IniText::assign(*content, section, key, value))) {
        throw IniWriteError(QStringLiteral("Unable to write to %1").arg(fullPath(filePath)));
    }
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    update(section, key, value);
}

void IniFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    update(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    update(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
