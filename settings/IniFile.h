#pragma once
// A private-profile (INI) file of our own, in the Windows format, so files
// written on either platform read the same. Reads never fail; each write is
// on disk, atomically, when the call returns.

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
    // there but cannot be read. Tests override it to inject read failures.
    virtual std::optional<QByteArray> readContent() const;

private:
    void update(const QString &section, const QString &key, const QString &value);

    QString filePath;
};
