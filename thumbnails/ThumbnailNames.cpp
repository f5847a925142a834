// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/ThumbnailNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype kReadableBytes = 80;
constexpr qsizetype kHashDigits = 12;

bool keeps(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-'
               || c == '_';
    // Letters and digits only: no blanks, symbols, controls or bidirectional marks.
    return c != QChar::ReplacementCharacter && QChar::isLetterOrNumber(c);
}

} // namespace

QString thumbnailFolderFor(const QString &documentPath)
{
    const QFileInfo document(documentPath);
    QString base = document.fileName();
    if (const qsizetype dot = base.lastIndexOf(QLatin1Char('.')); dot > 0)
        base.truncate(dot);
    return document.dir().filePath(base + QStringLiteral("_thumbnails"));
}

QByteArray thumbnailStem(QByteArrayView sourcePath)
{
    // Bytes that are not UTF-8 decode to U+FFFD, which is not kept.
    const QList<uint> characters = QString::fromUtf8(sourcePath).toUcs4();
    QString readable;
    for (const char32_t c : characters)
        readable += keeps(c) ? QString::fromUcs4(&c, 1) : QStringLiteral("_");
    QByteArray bytes = readable.toUtf8();
    // The end of a long path names the picture best; cut at a character's start.
    qsizetype cut = qMax<qsizetype>(0, bytes.size() - kReadableBytes);
    while (cut < bytes.size() && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
        ++cut;
    bytes.remove(0, cut);
    if (bytes.startsWith('.'))
        bytes[0] = '_';  // a hidden file would be missed on a web server
    const QByteArray hash = QCryptographicHash::hash(sourcePath, QCryptographicHash::Sha256).toHex().left(kHashDigits);
    return bytes + '-' + hash;
}

bool isThumbnailName(QByteArrayView name)
{
    if (!name.endsWith(".jpg") && !name.endsWith(".png"))
        return false;
    const QByteArrayView stem = name.chopped(4);
    if (stem.size() < kHashDigits + 1 || stem.size() > kReadableBytes + kHashDigits + 1 || stem.startsWith('.')
        || stem.at(stem.size() - kHashDigits - 1) != '-')
        return false;
    for (const char c : stem.last(kHashDigits))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    // No separator, so no name reaches outside the folder.
    return !stem.contains('/') && !stem.contains('\\') && !stem.contains('\0');
}
