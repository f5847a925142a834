// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the program's dialogs: a fixed size, no reaction to Escape (the
// close box still gives Cancel), and placed at the centre of the screen when
// first shown; later showings keep the place the user left it at, unless the
// dialog is centred every time.

#include <QDialog>

class FixedSizeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Placement { CentreFirstTime, CentreEveryTime };

    FixedSizeDialog(QWidget *parent, Qt::WindowFlags flags, Placement placement);
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Placement placement;
    bool placed = false;
};

// Dialog frames that cannot be resized, with a title bar and a close box.
Qt::WindowFlags fixedDialogFrame();
