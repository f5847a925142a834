// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PageColors.h"

QByteArray colorText(qint32 color)
{
    const qint32 rgb = color & 0xFFFFFF;
    QByteArray text;
    for (const qint32 component : {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF})
        text += QByteArray::number(component, 16).toUpper().rightJustified(2, '0');
    return text;
}
