// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour chooser behind a seam: the system's colour dialog in the
// program, a scripted double in tests.

#include <QColor>

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Opens the chooser preset to initial. Returns the colour the user
    // confirmed, or an invalid colour when the user cancelled.
    virtual QColor chooseColor(const QColor &initial) = 0;
};
