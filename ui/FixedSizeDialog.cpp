// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FixedSizeDialog.h"

#include "platform/core/ScreenInfo.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

Qt::WindowFlags fixedDialogFrame()
{
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

FixedSizeDialog::FixedSizeDialog(QWidget *parent, Qt::WindowFlags flags, Placement where)
    : QDialog(parent, flags), placement(where)
{
}

void FixedSizeDialog::setVisible(bool visible)
{
    // Placed before Qt would centre it over its parent; an explicit move
    // also makes Qt keep the place for later showings.
    if (visible && (!placed || placement == Placement::CentreEveryTime)) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->geometry();
            QSize outer = frameGeometry().size();
            // Before its first showing a window has no frame yet; the main
            // window's frame is the best guess of the one it will get.
            const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
            if (outer == size() && owner && !(windowFlags() & Qt::FramelessWindowHint))
                outer += owner->frameGeometry().size() - owner->size();
            move(area.topLeft() + centredTopLeft(area.width(), area.height(), outer.width(), outer.height()));
        }
        placed = true;
    }
    QDialog::setVisible(visible);
}

void FixedSizeDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
