#include "ui/ColorSwatch.h"

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

ColorSwatch::ColorSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setColor(0);
}

void ColorSwatch::setColor(qint32 color)
{
    value = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    setPalette(pal);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

namespace {

QString roleName(ColorRole role)
{
    switch (role) {
    case ColorRole::Background: return QStringLiteral("background");
    case ColorRole::Link: return QStringLiteral("link");
    case ColorRole::VisitedLink: return QStringLiteral("visitedLink");
    case ColorRole::Text: break;
    }
    return QStringLiteral("text");
}

}  // namespace

QString colorCaption(ColorRole role)
{
    switch (role) {
    case ColorRole::Background: return QStringLiteral("Background");
    case ColorRole::Link: return QStringLiteral("Links");
    case ColorRole::VisitedLink: return QStringLiteral("Visited Links");
    case ColorRole::Text: break;
    }
    return QStringLiteral("Text");
}

QString colorButtonName(ColorRole role)
{
    return roleName(role) + QStringLiteral("ColorButton");
}

QString colorSwatchName(ColorRole role)
{
    return roleName(role) + QStringLiteral("Swatch");
}
