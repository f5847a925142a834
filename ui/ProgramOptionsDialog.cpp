// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramOptionsDialog.h"

#include "platform/core/ProgramChooser.h"
#include "platform/gui/ColorChooser.h"
#include "ui/CaptionFit.h"
#include "ui/DocumentColors.h"
#include "ui/FormFont.h"
#include "ui/Pictures.h"
#include "ui_ProgramOptionsDialog.h"

ProgramOptionsDialog::ProgramOptionsDialog(ColorChooser &colorChooser, ProgramChooser &programChooser, QWidget *parent)
    : FixedSizeDialog(parent, fixedDialogFrame(), Placement::CentreFirstTime),
      ui(std::make_unique<Ui::ProgramOptionsDialog>()), colors(colorChooser), programs(programChooser)
{
    setWindowIcon(programIcon());
    setFont(formFont());
    ui->setupUi(this);
    fitMarkedCaptions(this, formFont());
    swatches = {ui->backgroundSwatch, ui->linkSwatch, ui->visitedLinkSwatch, ui->textSwatch};
    const std::array<QPushButton *, 4> colorButtons = {ui->backgroundColorButton, ui->linkColorButton,
                                                      ui->visitedLinkColorButton, ui->textColorButton};

    connect(ui->saveButton, &QPushButton::clicked, this, [this] { save(false); });
    connect(ui->saveAndCenterButton, &QPushButton::clicked, this, [this] { save(true); });
    connect(ui->resetButton, &QPushButton::clicked, this, &ProgramOptionsDialog::resetTexts);
    connect(ui->browseButton, &QPushButton::clicked, this, &ProgramOptionsDialog::chooseBrowser);
    // Real changes only, so ticking it from code runs the slot exactly then.
    connect(ui->standardBrowserCheck, &QCheckBox::toggled, this, &ProgramOptionsDialog::setStandardBrowser);
    for (ColorRole role : kColorRoles) {
        connect(colorButtons[int(role)], &QPushButton::clicked, this, [this, role] { chooseColor(role); });
        connect(swatches[int(role)], &ColorSwatch::clicked, this, [this, role] { restoreBuiltInColor(role); });
    }
}

ProgramOptionsDialog::~ProgramOptionsDialog() = default;

void ProgramOptionsDialog::setOptions(const SavedDefaults &defaults)
{
    current = defaults;
    centerChosen = false;
    ui->titleEdit->setText(defaults.title);
    ui->headingEdit->setText(defaults.heading);
    ui->fileNameEdit->setText(defaults.fileName);
    for (ColorRole role : kColorRoles)
        swatches[int(role)]->setColor(colorFromNumber(defaults.colors[role]));
    // With the standard browser the field stays empty (the check box empties it).
    if (!defaults.useStandardBrowser)
        ui->browserEdit->setText(defaults.browserProgram());
    ui->standardBrowserCheck->setChecked(defaults.useStandardBrowser);
    ui->browserEdit->setEnabled(!defaults.useStandardBrowser);
    ui->browseButton->setEnabled(!defaults.useStandardBrowser);
    ui->playSoundCheck->setChecked(defaults.playSound);
    ui->modernPicturesCheck->setChecked(defaults.modernPictures);
}

void ProgramOptionsDialog::save(bool center)
{
    current.title = ui->titleEdit->text();
    current.heading = ui->headingEdit->text();
    current.fileName = ui->fileNameEdit->text();
    current.browserPath = ui->browserEdit->text();  // empty while the standard browser is in use
    current.playSound = ui->playSoundCheck->isChecked();
    current.modernPictures = ui->modernPicturesCheck->isChecked();
    centerChosen = center;
    emit optionsChanged();
    accept();
}

void ProgramOptionsDialog::resetTexts()
{
    // Stored only when the user saves.
    ui->titleEdit->setText(kDefaultTitleText);
    ui->headingEdit->setText(kDefaultTitleText);
    ui->fileNameEdit->setText(kDefaultFileName);
}

void ProgramOptionsDialog::chooseBrowser()
{
    QString chosen;
    if (programs.chooseProgram(chosen))
        ui->browserEdit->setText(chosen);
}

void ProgramOptionsDialog::setStandardBrowser(bool standard)
{
    current.useStandardBrowser = standard;
    ui->browserEdit->clear();
    ui->browserEdit->setEnabled(!standard);
    ui->browseButton->setEnabled(!standard);
    emit optionsChanged();
}

void ProgramOptionsDialog::chooseColor(ColorRole role)
{
    const QColor chosen = colors.chooseColor(colorFromNumber(current.colors[role]));
    if (!chosen.isValid())
        return;
    current.colors[role] = colorNumber(chosen);
    swatches[int(role)]->setColor(chosen);
    emit optionsChanged();
}

void ProgramOptionsDialog::restoreBuiltInColor(ColorRole role)
{
    current.colors[role] = PageColors()[role];
    swatches[int(role)]->setColor(colorFromNumber(current.colors[role]));
    emit optionsChanged();
}
