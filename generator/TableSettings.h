// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's table: columns (0 for none, 1 to 5), border width (0 to 5) and
// the alignment inside cells, as the table tags spell them.

#include <QString>

struct TableSettings {
    int columns = 0;
    int borderWidth = 0;
    QString align = QStringLiteral("CENTER");         // LEFT, CENTER or RIGHT
    QString verticalAlign = QStringLiteral("MIDDLE");  // TOP, MIDDLE or BOTTOM

    bool isTable() const { return columns > 0; }

    // Values out of range (only a hand-edited settings file has them) become
    // no table, border 0, CENTER and MIDDLE. Case counts: "left" is not "LEFT".
    TableSettings inRange() const;

    bool operator==(const TableSettings &) const = default;
};
