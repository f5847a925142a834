// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs keep their controls' sizes; a caption wider than its control in
// the desktop's font is drawn a little smaller rather than clipped. A form
// cannot say that, so it marks such controls with the dynamic property
// "fitCaption".

class QFont;
class QWidget;

// Sets font on each control of window marked "fitCaption", or, when its
// caption does not fit, the largest smaller pixel size (not below 8) that
// fits. The font is set explicitly, so a shrunken group box does not shrink
// its children.
void fitMarkedCaptions(QWidget *window, const QFont &font);
