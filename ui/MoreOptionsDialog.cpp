// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MoreOptionsDialog.h"

#include "ui/CaptionFit.h"
#include "ui/FormFont.h"
#include "ui/Pictures.h"
#include "ui_MoreOptionsDialog.h"

MoreOptionsDialog::MoreOptionsDialog(QWidget *parent)
    : FixedSizeDialog(parent, fixedDialogFrame(), Placement::CentreFirstTime), ui(std::make_unique<Ui::MoreOptionsDialog>())
{
    setWindowIcon(programIcon());
    setFont(formFont());
    ui->setupUi(this);
    fitMarkedCaptions(this, formFont());
    connect(ui->wholeTreeCheck, &QCheckBox::toggled, this, &MoreOptionsDialog::enableDependents);
    connect(ui->thumbnailsCheck, &QCheckBox::toggled, this, &MoreOptionsDialog::enableDependents);
    connect(ui->okButton, &QPushButton::clicked, this, &MoreOptionsDialog::apply);
    setOptions(current);
}

MoreOptionsDialog::~MoreOptionsDialog() = default;

void MoreOptionsDialog::setOptions(const PageExtras &options)
{
    current = options;
    ui->wholeTreeCheck->setChecked(options.wholeTree);
    ui->levelsSpin->setValue(options.maxDepth);  // the spin box holds it in its range
    ui->leaveOutEdit->setText(options.leaveOut);
    ui->searchableCheck->setChecked(options.searchable);
    ui->thumbnailsCheck->setChecked(options.thumbnails);
    ui->thumbnailSizeSpin->setValue(options.thumbnailSize);
    enableDependents();
}

void MoreOptionsDialog::enableDependents()
{
    // What a box's option does not use while it is off is greyed, and keeps its value.
    const QList<QWidget *> tree{ui->levelsLabel, ui->levelsSpin, ui->leaveOutLabel, ui->leaveOutEdit};
    for (QWidget *control : tree)
        control->setEnabled(ui->wholeTreeCheck->isChecked());
    for (QWidget *control : QList<QWidget *>{ui->thumbnailSizeLabel, ui->thumbnailSizeSpin})
        control->setEnabled(ui->thumbnailsCheck->isChecked());
}

void MoreOptionsDialog::apply()
{
    current.wholeTree = ui->wholeTreeCheck->isChecked();
    current.maxDepth = ui->levelsSpin->value();
    current.leaveOut = ui->leaveOutEdit->text();
    current.searchable = ui->searchableCheck->isChecked();
    current.thumbnails = ui->thumbnailsCheck->isChecked();
    current.thumbnailSize = ui->thumbnailSizeSpin->value();
    emit optionsChanged();
    accept();
}
