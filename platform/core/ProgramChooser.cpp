// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ProgramChooser.h"

#include <QCoreApplication>

QStringList programFileFilters(PathStyle style)
{
    if (style == PathStyle::Windows)
        return {QCoreApplication::translate("ProgramChooser", "Executables (*.exe)"),
                QCoreApplication::translate("ProgramChooser", "All Files (*.*)")};
    return {QCoreApplication::translate("ProgramChooser", "Executables (*)"),
            QCoreApplication::translate("ProgramChooser", "All Files (*)")};
}
