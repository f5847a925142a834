// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures, drawn as SVG resources and rendered at the size
// and pixel ratio they are shown with.

#include <QIcon>
#include <QPixmap>
#include <QSize>

enum class Picture { Banner, Arrow, Icon, About };

QPixmap renderPicture(Picture picture, QSize size, qreal devicePixelRatio = 1.0);
QIcon programIcon();
