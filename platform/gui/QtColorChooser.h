// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour chooser as Qt's modal colour dialog.

#include "platform/gui/ColorChooser.h"

#include <QPointer>
#include <QWidget>

class QtColorChooser final : public ColorChooser {
public:
    explicit QtColorChooser(QWidget *parent = nullptr) : owner(parent) {}
    void setParentWidget(QWidget *parent) { owner = parent; }

    QColor chooseColor(const QColor &initial) override;

private:
    QPointer<QWidget> owner;
};
