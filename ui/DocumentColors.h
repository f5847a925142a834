// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's four colours as the windows hold them. The settings file
// and the page keep each colour as a number with red in bits 0-7, green in
// 8-15 and blue in 16-23; these functions convert where the windows read or
// write such numbers.

#include "generator/PageColors.h"

#include <QColor>

#include <array>

struct DocumentColors {
    std::array<QColor, 4> byRole;  // in the order of ColorRole

    QColor &operator[](ColorRole role) { return byRole[size_t(role)]; }
    const QColor &operator[](ColorRole role) const { return byRole[size_t(role)]; }
};

// Bits above 23 are not part of the colour.
QColor colorFromNumber(qint32 number);
qint32 colorNumber(const QColor &color);

DocumentColors documentColors(const PageColors &numbers);
PageColors pageColors(const DocumentColors &colors);
