// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TableSettings.h"

TableSettings TableSettings::inRange() const
{
    TableSettings t = *this;
    if (t.columns < 0 || t.columns > 5)
        t.columns = 0;
    if (t.borderWidth < 0 || t.borderWidth > 5)
        t.borderWidth = 0;
    if (t.align != QLatin1String("LEFT") && t.align != QLatin1String("CENTER") && t.align != QLatin1String("RIGHT"))
        t.align = QStringLiteral("CENTER");
    if (t.verticalAlign != QLatin1String("TOP") && t.verticalAlign != QLatin1String("MIDDLE")
        && t.verticalAlign != QLatin1String("BOTTOM"))
        t.verticalAlign = QStringLiteral("MIDDLE");
    return t;
}
