// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's words for a document that could not be written, the same in
// the window and in quorvant-cli.

#include <QString>

// For a failure on the document at path, asked right after it. A missing
// directory, or a directory, device or FIFO in the file's place, is
// "Invalid filename", whatever code the system gave (POSIX has no separate
// code for a missing path); otherwise the words for the code.
QString outputErrorText(int osError, const QString &path);
