// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Path rules that differ per OS, as pure functions that take the style, so
// tests can check both the Windows and the POSIX behaviour on any machine.

#include <QString>

enum class PathStyle { Windows, Posix };

PathStyle nativePathStyle();
QChar pathSeparator(PathStyle style);

// The directory followed by exactly one separator. A root keeps its single
// one: "C:\" stays "C:\", "/" stays "/"; "C:\web" gives "C:\web\".
QString withTrailingSeparator(const QString &dir, PathStyle style);

// The text after the last separator (or, on Windows, colon); the whole text
// when it has none.
QString fileNamePart(const QString &path, PathStyle style);
