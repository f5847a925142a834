#pragma once
// How names reach the page: as text the browser shows literally, and as
// link targets that open the very file they name.

#include "platform/core/NativePaths.h"

#include <QByteArray>
#include <QString>

// The name in the page's 8-bit file-name encoding with & < > " escaped, so a
// name can never open a tag or end an attribute.
QByteArray htmlText(const QString &text);

// A link target for HREF and SRC: "%", "#", "?", "\"", "&", "<", ">", "\",
// control characters, every non-ASCII character (its UTF-8 bytes) and blanks
// at either end are percent-encoded; other blanks and everything else stay
// as they are.
QByteArray linkText(const QString &target);

// A bare file name as a relative link. A colon before any slash would make
// the browser read the name as a URL scheme ("javascript:..."), so such a
// name is anchored to the document's directory with "./".
QString relativeLinkTarget(const QString &name);

// Every backslash of path replaced by a slash.
QString toUrlSeparators(QString path);

// The file URL of the directory dirPath (ending in its separator), to which
// a file name is appended: file:///C:/web/ or file:///home/ann/.
QString fileUrlPrefix(const QString &dirPath, PathStyle style);
