// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The primary screen's size in pixels. The program asks the window system;
// tests give fixed numbers.

#include <QPoint>
#include <QtGlobal>

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
};

// Where a window of the given outer size stands centred on the screen: half
// the space left on each axis, rounded toward zero, never above or left of
// the screen's corner.
inline QPoint centredTopLeft(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return QPoint(qMax(0, (screenWidth - windowWidth) / 2), qMax(0, (screenHeight - windowHeight) / 2));
}
