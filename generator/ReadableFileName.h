// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file name as readable text, also one that is not valid UTF-8: such a
// name cannot be held by a QString, so the file list leaves it out and the
// front ends name it in this form instead of dropping it silently.

#include <QByteArrayView>
#include <QString>

// Valid UTF-8 decoded, every other byte as \xNN.
QString readableFileName(QByteArrayView name);
