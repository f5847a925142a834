// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one readable form of a file name, used wherever a name is shown: the
// window's lists, the page's text, messages and quorvant-cli. Valid UTF-8 is
// decoded; every byte that is not part of valid UTF-8, and every byte of a
// control character (C0, DEL and the C1 controls U+0080 to U+009F), is
// written as \xNN in upper-case hex, so nothing is lost or garbled and no
// name can drive a terminal or break a line. A backslash stays as it is.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString readableFileName(QByteArrayView name);

// The same rule for text already decoded (a path, a message): its control
// characters as \xNN of their UTF-8 bytes.
QString readableText(QStringView text);

// The characters of a readable form as a plain-text page counts its columns:
// a character outside the BMP (a surrogate pair) counts one.
int readableLength(QStringView readable);
