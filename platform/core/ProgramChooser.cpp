#include "platform/core/ProgramChooser.h"

QStringList programFileFilters(PathStyle style)
{
    if (style == PathStyle::Windows)
        return {QStringLiteral("Executables (*.exe)"), QStringLiteral("All Files (*.*)")};
    return {QStringLiteral("Executables (*)"), QStringLiteral("All Files (*)")};
}
