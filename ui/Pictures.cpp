// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library: naming their initialiser here makes
// the linker keep them.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

QString resourceOf(Picture picture)
{
    switch (picture) {
    case Picture::Banner: return QStringLiteral(":/pictures/banner.svg");
    case Picture::Arrow: return QStringLiteral(":/pictures/arrow.svg");
    case Picture::Icon: return QStringLiteral(":/pictures/icon.svg");
    case Picture::About: return QStringLiteral(":/pictures/about.svg");
    }
    return {};
}

}  // namespace

QPixmap renderPicture(Picture picture, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    static const bool resourcesReady = (initPictureResources(), true);
    Q_UNUSED(resourcesReady);
    QSvgRenderer renderer(resourceOf(picture));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(renderPicture(Picture::Icon, QSize(side, side)));
    return icon;
}
