#pragma once
// The colour chooser behind a seam: the system's colour dialog in the
// program, a scripted double in tests. Colours are 0x00BBGGRR, as the
// generation options hold them.

#include <QtGlobal>

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Opens the chooser preset to initial. True and chosen set when the user
    // confirmed; false (chosen untouched) when the user cancelled.
    virtual bool chooseColor(qint32 initial, qint32 &chosen) = 0;
};
