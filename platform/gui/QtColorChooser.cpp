// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtColorChooser.h"

#include <QApplication>
#include <QColorDialog>

QColor QtColorChooser::chooseColor(const QColor &initial)
{
    // Over the dialog it was opened from, when one is open.
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = owner ? owner.data() : QApplication::activeWindow();
    return QColorDialog::getColor(initial, parent);
}
