#include "platform/core/DocumentShell.h"

bool queryNamesNoProgram(bool succeeded, const QByteArray &output)
{
    return succeeded && output.trimmed().isEmpty();
}
