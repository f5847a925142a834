#include "ui/ProgramOptionsDialog.h"

#include "platform/core/ColorChooser.h"
#include "platform/core/ProgramChooser.h"
#include "settings/SavedDefaults.h"
#include "ui/CaptionFit.h"
#include "ui/ColorSwatch.h"
#include "ui/FormFont.h"
#include "ui/Pictures.h"
#include "ui/PlaceControl.h"
#include "ui/ToolTips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ProgramOptionsDialog::ProgramOptionsDialog(SavedDefaults &savedDefaults, ColorChooser &colorChooser,
                                           ProgramChooser &programChooser, QWidget *parent)
    : FixedSizeDialog(parent, fixedDialogFrame(), Placement::CentreFirstTime), defaults(savedDefaults),
      colors(colorChooser), programs(programChooser)
{
    setObjectName(QStringLiteral("programOptionsDialog"));
    setWindowTitle(QStringLiteral("Program Options"));
    setWindowIcon(programIcon());
    setFont(formFont());
    // One row taller than the dialog's first layout, for the picture sizes choice.
    setFixedSize(561, 231);
    createControls();
    connectControls();
    addProgramOptionsToolTips(this);
}

void ProgramOptionsDialog::createControls()
{
    saveButton = placeFitted<QPushButton>(this, "saveButton", "Save", 8, 176, 75, 25);
    saveButton->setDefault(true);
    saveAndCenterButton =
        placeFitted<QPushButton>(this, "saveAndCenterButton", "Save and Center  Program  Window", 88, 176, 193, 25);
    cancelButton = placeFitted<QPushButton>(this, "cancelButton", "Cancel", 480, 176, 75, 25);

    auto *frame = place<QFrame>(this, "fieldsFrame", 8, 8, 545, 161);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside

    placeFitted<QLabel>(frame, "titleLabel", "Default Title", 8, 12, 57, 13);
    placeFitted<QLabel>(frame, "headingLabel", "Default Heading", 8, 36, 77, 13);
    placeFitted<QLabel>(frame, "fileNameLabel", "Default Filename", 8, 60, 79, 13);
    placeFitted<QLabel>(frame, "browserLabel", "Internet Browser", 8, 92, 77, 13);
    titleEdit = place<QLineEdit>(frame, "titleEdit", 96, 8, 297, 21);
    headingEdit = place<QLineEdit>(frame, "headingEdit", 96, 32, 297, 21);
    fileNameEdit = place<QLineEdit>(frame, "fileNameEdit", 96, 56, 185, 21);
    resetButton = placeFitted<QPushButton>(frame, "resetButton", "Reset to Default", 288, 56, 105, 25);
    browserEdit = place<QLineEdit>(frame, "browserEdit", 96, 88, 297, 21);
    browseButton = placeFitted<QPushButton>(frame, "browseButton", "Search...", 328, 112, 67, 25);
    playSoundCheck =
        placeFitted<QCheckBox>(frame, "playSoundCheck", "Play Sound after  Creation of Document", 8, 136, 209, 17);
    playSoundCheck->setLayoutDirection(Qt::RightToLeft);  // the caption stands left of the box
    playSoundCheck->setChecked(true);
    standardBrowserCheck = placeFitted<QCheckBox>(frame, "standardBrowserCheck", "Use Standard Browser", 96, 112, 137, 17);

    auto *colorGroup = place<QGroupBox>(frame, "colorGroup", 400, 8, 137, 145);
    colorGroup->setTitle(QStringLiteral("Default Document Colors"));
    fitCaptionFont(colorGroup, formFont());
    for (int i = 0; i < 4; ++i) {
        const ColorRole role = kColorRoles[i];
        const int top = 16 + 32 * i;
        colorButtons[i] = place<QPushButton>(colorGroup, colorButtonName(role), 8, top, 81, 25);
        colorButtons[i]->setText(colorCaption(role));
        fitCaptionFont(colorButtons[i], formFont());
        swatches[i] = place<ColorSwatch>(colorGroup, colorSwatchName(role), 104, top, 25, 25);
    }

    modernPicturesCheck = placeFitted<QCheckBox>(this, "modernPicturesCheck",
                                                 "Read sizes of PNG, WebP, BMP and Exif JPEG pictures", 8, 207, 545, 17);

    const QList<QWidget *> order = {saveButton,  saveAndCenterButton, cancelButton,   titleEdit,
                                    headingEdit, fileNameEdit,        resetButton,    browserEdit,
                                    browseButton, playSoundCheck,     standardBrowserCheck, colorButtons[0],
                                    colorButtons[1], colorButtons[2], colorButtons[3], modernPicturesCheck};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ProgramOptionsDialog::connectControls()
{
    connect(saveButton, &QPushButton::clicked, this, [this] { save(false); });
    connect(saveAndCenterButton, &QPushButton::clicked, this, [this] { save(true); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(resetButton, &QPushButton::clicked, this, &ProgramOptionsDialog::resetTexts);
    connect(browseButton, &QPushButton::clicked, this, &ProgramOptionsDialog::chooseBrowser);
    // Real changes only, so ticking it from code runs the slot exactly then.
    connect(standardBrowserCheck, &QCheckBox::toggled, this, &ProgramOptionsDialog::setStandardBrowser);
    for (int i = 0; i < 4; ++i) {
        const ColorRole role = kColorRoles[i];
        connect(colorButtons[i], &QPushButton::clicked, this, [this, role] { chooseColor(role); });
        connect(swatches[i], &ColorSwatch::clicked, this, [this, role] { restoreBuiltInColor(role); });
    }
}

void ProgramOptionsDialog::loadFromDefaults()
{
    centerChosen = false;
    titleEdit->setText(defaults.title);
    headingEdit->setText(defaults.heading);
    fileNameEdit->setText(defaults.fileName);
    for (int i = 0; i < 4; ++i)
        swatches[i]->setColor(defaults.colors[kColorRoles[i]]);
    // With the standard browser the field stays empty (the check box empties it).
    if (!defaults.useStandardBrowser)
        browserEdit->setText(defaults.browserProgram());
    standardBrowserCheck->setChecked(defaults.useStandardBrowser);
    browserEdit->setEnabled(!defaults.useStandardBrowser);
    browseButton->setEnabled(!defaults.useStandardBrowser);
    playSoundCheck->setChecked(defaults.playSound);
    modernPicturesCheck->setChecked(defaults.modernPictures);
}

void ProgramOptionsDialog::save(bool center)
{
    defaults.title = titleEdit->text();
    defaults.heading = headingEdit->text();
    defaults.fileName = fileNameEdit->text();
    defaults.browserPath = browserEdit->text();  // empty while the standard browser is in use
    defaults.playSound = playSoundCheck->isChecked();
    defaults.modernPictures = modernPicturesCheck->isChecked();
    centerChosen = center;
    accept();
}

void ProgramOptionsDialog::resetTexts()
{
    // Stored only when the user saves.
    titleEdit->setText(kDefaultTitleText);
    headingEdit->setText(kDefaultTitleText);
    fileNameEdit->setText(kDefaultFileName);
}

void ProgramOptionsDialog::chooseBrowser()
{
    QString chosen;
    if (programs.chooseProgram(chosen))
        browserEdit->setText(chosen);
}

void ProgramOptionsDialog::setStandardBrowser(bool standard)
{
    defaults.useStandardBrowser = standard;
    browserEdit->clear();
    browserEdit->setEnabled(!standard);
    browseButton->setEnabled(!standard);
}

void ProgramOptionsDialog::chooseColor(ColorRole role)
{
    qint32 chosen = defaults.colors[role];
    if (!colors.chooseColor(defaults.colors[role], chosen))
        return;
    defaults.colors[role] = chosen;
    swatches[int(role)]->setColor(chosen);
}

void ProgramOptionsDialog::restoreBuiltInColor(ColorRole role)
{
    const qint32 builtIn = PageColors()[role];
    defaults.colors[role] = builtIn;
    swatches[int(role)]->setColor(builtIn);
}
