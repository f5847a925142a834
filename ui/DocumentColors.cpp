// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DocumentColors.h"

QColor colorFromNumber(qint32 number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

qint32 colorNumber(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(rgb.red()) | (qint32(rgb.green()) << 8) | (qint32(rgb.blue()) << 16);
}

DocumentColors documentColors(const PageColors &numbers)
{
    DocumentColors colors;
    for (ColorRole role : kColorRoles)
        colors[role] = colorFromNumber(numbers[role]);
    return colors;
}

PageColors pageColors(const DocumentColors &colors)
{
    PageColors numbers;
    for (ColorRole role : kColorRoles)
        numbers[role] = colorNumber(colors[role]);
    return numbers;
}
