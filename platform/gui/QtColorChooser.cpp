#include "platform/gui/QtColorChooser.h"

#include <QApplication>
#include <QColorDialog>

QColor QtColorChooser::toQColor(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 QtColorChooser::fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(rgb.red()) | (qint32(rgb.green()) << 8) | (qint32(rgb.blue()) << 16);
}

bool QtColorChooser::chooseColor(qint32 initial, qint32 &chosen)
{
    // Over the dialog it was opened from, when one is open.
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = owner ? owner.data() : QApplication::activeWindow();
    const QColor picked = QColorDialog::getColor(toQColor(initial), parent);
    if (!picked.isValid())
        return false;
    chosen = fromQColor(picked);
    return true;
}
