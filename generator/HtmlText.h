// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How names and texts reach the page. Every page is plain ASCII: each
// character outside ASCII is a numeric character reference (&#233;), so a
// page shows right in any browser, whatever character set it assumes for a
// page that declares none. Links are made from a name's exact bytes,
// percent-encoded, so each opens the very file it names, from disk and from
// a web server.

#include "generator/FileName.h"
#include "platform/core/NativePaths.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text the browser shows literally: & < > " escaped, so it can never open a
// tag or end an attribute; every non-ASCII character a reference.
QByteArray htmlText(QStringView text);

// Markup as the user typed it (title, heading): only its non-ASCII
// characters become references.
QByteArray htmlAscii(QStringView markup);

// A name as the page shows it: its readable form, as htmlText writes it.
QByteArray htmlName(const FileName &name);

// A link target for HREF and SRC: its bytes with "%", "#", "?", "\"", "&",
// "<", ">", "\", blanks, "[", "]", "{", "}", "^", "|", "`", control
// characters and every byte outside ASCII percent-encoded; "/" and ":" and
// everything else stay. For a path of names joined by "/", each name is
// encoded as it would be alone.
QByteArray linkText(QByteArrayView target);

// A name, or a path of names joined by "/", as a relative link. A colon
// before any slash would make the browser read the link as a URL scheme
// ("javascript:..."), so such a target is anchored with "./".
QByteArray relativeLink(QByteArrayView path);

// Every backslash of path replaced by a slash.
QString toUrlSeparators(QString path);

// The file URL of the directory dirPath (ending in its separator), to which
// a file name is appended: file:///C:/web/ or file:///home/ann/.
QString fileUrlPrefix(const QString &dirPath, PathStyle style);
