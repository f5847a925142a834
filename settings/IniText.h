// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pure text side of the INI file: finding a key's value in the file's
// bytes, setting a key, and the integer rules. No file access here, so any
// byte sequence can be fed in.
//
// Lines the edit does not touch keep their bytes exactly (an 8-bit comment
// survives a save); only the line ends become CR LF.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace IniText {

// The value of key in section: blanks around it removed and one pair of
// enclosing double or single quotes stripped. Names match without regard to
// case. nullopt when the section or key is missing.
std::optional<QString> lookup(const QByteArray &content, QStringView section, QStringView key);

// The content with section/key set to value: an existing key is replaced
// where it stands, a new key goes at the end of its section, a new section
// after the existing ones. A leading UTF-8 byte-order mark is kept.
QByteArray assign(const QByteArray &content, QStringView section, QStringView key,
                  QStringView value);

// Optionally signed decimal, or hexadecimal after "$", "0x" or "0X"; nullopt
// when empty, malformed or outside 32 bits. Hexadecimal above 0x7FFFFFFF
// wraps to the negative value with the same bits.
std::optional<qint32> parseInteger(QStringView text);

}  // namespace IniText
