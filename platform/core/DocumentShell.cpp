// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/DocumentShell.h"

bool queryNamesNoProgram(bool succeeded, const QByteArray &output)
{
    return succeeded && output.trimmed().isEmpty();
}
