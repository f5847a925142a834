// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>

int QtScreenInfo::screenWidth() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int QtScreenInfo::screenHeight() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}
