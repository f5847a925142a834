// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop shell: documents open through QDesktopServices, programs start
// detached without a shell between.

#include "platform/core/DocumentShell.h"

class QtDocumentShell final : public DocumentShell {
public:
    OpenResult openDocument(const QString &path) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};
