// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormFont.h"

#include <QApplication>

QFont formFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}
