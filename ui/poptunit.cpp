#include "poptunit.h"

#include "CaptionFit.h"
#include "ColorChooser.h"
#include "ColorSwatch.h"
#include "CompletionSound.h"
#include "FormFont.h"
#include "PlaceControl.h"
#include "GenerationOptions.h"
#include "Pictures.h"
#include "ProgramChooser.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Toptionform *optionform = nullptr;

namespace {

// The built-in defaults the reset actions bring back.
constexpr qint32 kBuiltInBgColor = 12632256;
constexpr qint32 kBuiltInLinkColor = 16711680;
constexpr qint32 kBuiltInVLinkColor = 8388672;
constexpr qint32 kBuiltInTextColor = 0;
const QString kBuiltInFileName = QStringLiteral("quorvant");

}  // namespace

Toptionform::Toptionform(GenerationOptions &options, ColorChooser &colors, ProgramChooser &programs, QWidget *parent)
    : ModalForm(parent, fixedDialogFrame(), Placement::CentreFirstTime), options(options), colors(colors),
      programs(programs)
{
    setObjectName(QStringLiteral("optionform"));
    setWindowTitle(QStringLiteral("Program Options"));
    setWindowIcon(programIcon());
    setFont(formFont());
    setFixedSize(561, 209);

    okbutton = placeFitted<QPushButton>(this, "okbutton", "Save", 8, 176, 75, 25);
    okbutton->setDefault(true);
    okcenterbutton = placeFitted<QPushButton>(this, "okcenterbutton", "Save and Center  Program  Window", 88, 176, 193, 25);
    cancelbutton = placeFitted<QPushButton>(this, "cancelbutton", "Cancel", 480, 176, 75, 25);

    Panel1 = place<QFrame>(this, "Panel1", 8, 8, 545, 161);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside

    deftitleLabel = placeFitted<QLabel>(Panel1, "deftitleLabel", "Default Title", 8, 12, 57, 13);
    defheadingLabel = placeFitted<QLabel>(Panel1, "defheadingLabel", "Default Heading", 8, 36, 77, 13);
    deffilenameLabel = placeFitted<QLabel>(Panel1, "deffilenameLabel", "Default Filename", 8, 60, 79, 13);
    defbrowserLabel = placeFitted<QLabel>(Panel1, "defbrowserLabel", "Internet Browser", 8, 92, 77, 13);
    deftitleEdit = place<QLineEdit>(Panel1, "deftitleEdit", 96, 8, 297, 21);
    defheadingEdit = place<QLineEdit>(Panel1, "defheadingEdit", 96, 32, 297, 21);
    deffilenameEdit = place<QLineEdit>(Panel1, "deffilenameEdit", 96, 56, 185, 21);
    resetbutton = placeFitted<QPushButton>(Panel1, "resetbutton", "Reset to Default", 288, 56, 105, 25);
    defbrowserEdit = place<QLineEdit>(Panel1, "defbrowserEdit", 96, 88, 297, 21);
    browsersearchButton = placeFitted<QPushButton>(Panel1, "browsersearchButton", "Search...", 328, 112, 67, 25);
    playsoundCheck = placeFitted<QCheckBox>(Panel1, "playsoundCheck", "Play Sound after  Creation of Document", 8, 136, 209,
                                      17);
    playsoundCheck->setLayoutDirection(Qt::RightToLeft);  // the caption stands left of the box
    playsoundCheck->setChecked(true);
    standardbrowsercheck = placeFitted<QCheckBox>(Panel1, "standardbrowsercheck", "Use Standard Browser", 96, 112, 137, 17);

    defaultcolorGroupBox = place<QGroupBox>(Panel1, "defaultcolorGroupBox", 400, 8, 137, 145);
    defaultcolorGroupBox->setTitle(QStringLiteral("Default Document Colors"));
    fitCaptionFont(defaultcolorGroupBox, formFont());
    QWidget *group = defaultcolorGroupBox;
    defaultbgcolorbutton = placeFitted<QPushButton>(group, "defaultbgcolorbutton", "Background", 8, 16, 81, 25);
    defaultlinkcolorbutton = placeFitted<QPushButton>(group, "defaultlinkcolorbutton", "Links", 8, 48, 81, 25);
    defaultvlinkcolorbutton = placeFitted<QPushButton>(group, "defaultvlinkcolorbutton", "Visited Links", 8, 80, 81, 25);
    defaulttextcolorbutton = placeFitted<QPushButton>(group, "defaulttextcolorbutton", "Text", 8, 112, 81, 25);
    defaultbgcolorpanel = place<ColorSwatch>(group, "defaultbgcolorpanel", 104, 16, 25, 25);
    defaultlinkcolorpanel = place<ColorSwatch>(group, "defaultlinkcolorpanel", 104, 48, 25, 25);
    defaultvlinkcolorpanel = place<ColorSwatch>(group, "defaultvlinkcolorpanel", 104, 80, 25, 25);
    defaulttextcolorpanel = place<ColorSwatch>(group, "defaulttextcolorpanel", 104, 112, 25, 25);

    const QList<QWidget *> order = {okbutton, okcenterbutton, cancelbutton, deftitleEdit, defheadingEdit,
                                    deffilenameEdit, resetbutton, defbrowserEdit, browsersearchButton,
                                    playsoundCheck, standardbrowsercheck, defaultbgcolorbutton,
                                    defaultlinkcolorbutton, defaultvlinkcolorbutton, defaulttextcolorbutton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // A button with a result runs its handler, then closes the dialog.
    connect(okbutton, &QPushButton::clicked, this, [this] {
        okbuttonClick();
        accept();
    });
    connect(okcenterbutton, &QPushButton::clicked, this, [this] {
        okcenterbuttonClick();
        accept();
    });
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(resetbutton, &QPushButton::clicked, this, [this] { resetbuttonClick(); });
    connect(browsersearchButton, &QPushButton::clicked, this, [this] { browsersearchButtonClick(); });
    // Real changes only, so ticking it from code runs the handler exactly then.
    connect(standardbrowsercheck, &QCheckBox::toggled, this, [this] { standardbrowsercheckClick(); });
    auto onPress = [this](QPushButton *button, void (Toptionform::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onPress(defaultbgcolorbutton, &Toptionform::defaultbgcolorbuttonClick);
    onPress(defaultlinkcolorbutton, &Toptionform::defaultlinkcolorbuttonClick);
    onPress(defaultvlinkcolorbutton, &Toptionform::defaultvlinkcolorbuttonClick);
    onPress(defaulttextcolorbutton, &Toptionform::defaulttextcolorbuttonClick);
    auto onSwatch = [this](ColorSwatch *swatch, void (Toptionform::*handler)()) {
        connect(swatch, &ColorSwatch::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onSwatch(defaultbgcolorpanel, &Toptionform::defaultbgcolorpanelClick);
    onSwatch(defaultlinkcolorpanel, &Toptionform::defaultlinkcolorpanelClick);
    onSwatch(defaultvlinkcolorpanel, &Toptionform::defaultvlinkcolorpanelClick);
    onSwatch(defaulttextcolorpanel, &Toptionform::defaulttextcolorpanelClick);
}

void Toptionform::resetbuttonClick()
{
    deftitleEdit->setText(kDefaultTitleText);
    defheadingEdit->setText(kDefaultTitleText);
    deffilenameEdit->setText(kBuiltInFileName);
}

void Toptionform::saveFields()
{
    options.DefaultTitle = deftitleEdit->text();
    options.DefaultHeading = defheadingEdit->text();
    options.DefaultFileName = deffilenameEdit->text();
    options.BrowserPath = defbrowserEdit->text();
    options.PlaySoundEnabled = playsoundCheck->isChecked();
    // Never cleared here: a missing file leaves the earlier verdict.
    if (completionSoundExists(options))
        options.SoundReady = true;
}

void Toptionform::okbuttonClick()
{
    saveFields();
}

void Toptionform::okcenterbuttonClick()
{
    saveFields();
    options.CenterWindowPending = true;
}

void Toptionform::browsersearchButtonClick()
{
    QString chosen;
    if (programs.chooseProgram(chosen))
        defbrowserEdit->setText(chosen);
}

void Toptionform::standardbrowsercheckClick()
{
    const bool standard = standardbrowsercheck->isChecked();
    options.UseStandardBrowser = standard;
    defbrowserEdit->clear();
    defbrowserEdit->setEnabled(!standard);
    browsersearchButton->setEnabled(!standard);
}

void Toptionform::chooseDefaultColor(qint32 &value, ColorSwatch *swatch)
{
    qint32 chosen = value;
    if (!colors.chooseColor(value, chosen))
        return;
    value = chosen;
    swatch->setColor(chosen);
}

void Toptionform::restoreBuiltInColor(qint32 &value, qint32 builtIn, ColorSwatch *swatch)
{
    value = builtIn;
    swatch->setColor(builtIn);
}

void Toptionform::defaultbgcolorbuttonClick() { chooseDefaultColor(options.DefaultBgColor, defaultbgcolorpanel); }
void Toptionform::defaultlinkcolorbuttonClick() { chooseDefaultColor(options.DefaultLinkColor, defaultlinkcolorpanel); }
void Toptionform::defaultvlinkcolorbuttonClick()
{
    chooseDefaultColor(options.DefaultVLinkColor, defaultvlinkcolorpanel);
}
void Toptionform::defaulttextcolorbuttonClick() { chooseDefaultColor(options.DefaultTextColor, defaulttextcolorpanel); }

void Toptionform::defaultbgcolorpanelClick()
{
    restoreBuiltInColor(options.DefaultBgColor, kBuiltInBgColor, defaultbgcolorpanel);
}
void Toptionform::defaultlinkcolorpanelClick()
{
    restoreBuiltInColor(options.DefaultLinkColor, kBuiltInLinkColor, defaultlinkcolorpanel);
}
void Toptionform::defaultvlinkcolorpanelClick()
{
    restoreBuiltInColor(options.DefaultVLinkColor, kBuiltInVLinkColor, defaultvlinkcolorpanel);
}
void Toptionform::defaulttextcolorpanelClick()
{
    restoreBuiltInColor(options.DefaultTextColor, kBuiltInTextColor, defaulttextcolorpanel);
}
