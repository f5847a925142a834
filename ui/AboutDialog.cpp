// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include "ui/CaptionFit.h"
#include "ui/FormFont.h"
#include "ui/Pictures.h"
#include "ui_AboutDialog.h"

AboutDialog::AboutDialog(QWidget *parent)
    : FixedSizeDialog(parent, Qt::Dialog | Qt::FramelessWindowHint, Placement::CentreEveryTime)
{
    setFont(formFont());
    Ui::AboutDialog ui;
    ui.setupUi(this);
    fitMarkedCaptions(this, formFont());
    ui.aboutPicture->setPixmap(renderPicture(Picture::About, ui.aboutPicture->size(), devicePixelRatioF()));
}
