// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private-profile (INI) file of our own, in the Windows format, so files
// written on either platform read the same. Reads never fail; each write is
// on disk, atomically, when the call returns. Only a regular file of at most
// 1 MiB is read: anything else (a device that never ends, a FIFO that blocks,
// a directory, a huge file) reads as one that cannot be read, which reads
// give their fallbacks for and writes refuse to replace.

#include <QByteArray>
#include <QString>

#include <optional>
#include <stdexcept>

class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString &message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString text;  // "Unable to write to <full path>"
};

class IniFile {
public:
    explicit IniFile(const QString &path);  // touches nothing on disk
    virtual ~IniFile() = default;

    QString path() const { return filePath; }

    // Why the file is not read, in the user's words with its full path;
    // empty when it is read, or missing.
    QString readRefusal() const;

    QString readString(const QString &section, const QString &key, const QString &fallback) const;
    qint32 readInteger(const QString &section, const QString &key, qint32 fallback) const;
    bool readBool(const QString &section, const QString &key, bool fallback) const;
    // Whether the file holds the key, whatever its value.
    bool contains(const QString &section, const QString &key) const;

    // Each throws IniWriteError when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint32 value);
    void writeBool(const QString &section, const QString &key, bool value);

protected:
    // Replaces the file's whole content atomically, creating a missing
    // folder first; false when that failed.
    // Tests override it to inject failures.
    virtual bool replaceContent(const QByteArray &content);
    // The file's bytes; empty when there is no file, nullopt when a file is
    // there but cannot or may not be read. Tests override it to inject read
    // failures.
    virtual std::optional<QByteArray> readContent() const;

private:
    enum class Refusal { None, Unreadable, NotAFile, TooLarge };
    Refusal load(QByteArray *content) const;
    void update(const QString &section, const QString &key, const QString &value);

    QString filePath;
};
