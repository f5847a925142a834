// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: a borderless picture with an OK button, centred on the
// screen each time it is shown.

#include "ui/FixedSizeDialog.h"

class AboutDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};
