// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DocumentOptionsPanel.h"

#include "platform/gui/ColorChooser.h"
#include "ui/Pictures.h"
#include "ui_DocumentOptionsPanel.h"

#include <QEvent>

DocumentOptionsPanel::DocumentOptionsPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DocumentOptionsPanel>())
{
    ui->setupUi(this);
    const QSize arrow = ui->titleToHeadingButton->iconSize();
    ui->titleToHeadingButton->setIcon(QIcon(renderPicture(Picture::Arrow, arrow, devicePixelRatioF())));
    colorButtons = {ui->backgroundColorButton, ui->linkColorButton, ui->visitedLinkColorButton, ui->textColorButton};
    swatches = {ui->backgroundSwatch, ui->linkSwatch, ui->visitedLinkSwatch, ui->textSwatch};
    connectControls();
}

DocumentOptionsPanel::~DocumentOptionsPanel() = default;

void DocumentOptionsPanel::connectControls()
{
    // Check boxes and radio buttons report real changes only (toggled), so
    // setting a value from code runs its slot exactly when it changes.
    auto onSelect = [this](QRadioButton *radio, auto slot) {
        connect(radio, &QRadioButton::toggled, this, [this, slot](bool selected) {
            if (selected) {
                slot();
                emit optionsChanged();
            }
        });
    };
    for (QLineEdit *edit : {ui->titleEdit, ui->headingEdit, ui->documentNameEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &DocumentOptionsPanel::userActed);
        connect(edit, &QLineEdit::textChanged, this, &DocumentOptionsPanel::optionsChanged);
    }
    ui->titleEdit->installEventFilter(this);
    ui->headingEdit->installEventFilter(this);
    for (QCheckBox *box : {ui->centerCheck, ui->fileSizeCheck, ui->fileDateCheck, ui->shrinkToFitCheck,
                           ui->showSubdirectoriesCheck, ui->showPathCheck})
        connect(box, &QCheckBox::toggled, this, &DocumentOptionsPanel::userActed);
    for (QCheckBox *box : findChildren<QCheckBox *>())
        connect(box, &QCheckBox::toggled, this, &DocumentOptionsPanel::optionsChanged);

    connect(ui->headingCheck, &QCheckBox::toggled, this, &DocumentOptionsPanel::setHeadingOn);
    connect(ui->titleToHeadingButton, &QPushButton::clicked, this, &DocumentOptionsPanel::copyTitleToHeading);
    connect(ui->currentDirectoryButton, &QPushButton::clicked, this,
            &DocumentOptionsPanel::currentDirectoryAsTitleRequested);
    for (ColorRole role : kColorRoles) {
        connect(colorButtons[int(role)], &QPushButton::clicked, this, [this, role] { chooseColor(role); });
        connect(swatches[int(role)], &ColorSwatch::clicked, this, [this, role] { restoreDefaultColor(role); });
    }
    onSelect(ui->linkModeRadio, [this] { setEntryMode(EntryMode::Link); });
    onSelect(ui->plainTextModeRadio, [this] { setEntryMode(EntryMode::PlainText); });
    onSelect(ui->pictureModeRadio, [this] { setEntryMode(EntryMode::Picture); });
    onSelect(ui->relativeRadio, [this] { setLinkStyle(LinkStyle::Relative); });
    onSelect(ui->absoluteRadio, [this] { setLinkStyle(LinkStyle::Absolute); });
    onSelect(ui->htmlRadio, [this] { emit userActed(); });
    onSelect(ui->htmRadio, [this] { emit userActed(); });
}

void DocumentOptionsPanel::setColorChooser(ColorChooser &chooser)
{
    colors = &chooser;
}

void DocumentOptionsPanel::setDefaults(const DocumentOptions &options)
{
    defaults = options;
}

bool DocumentOptionsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the title or heading field counts as a change.
    if (event->type() == QEvent::MouseButtonRelease && (watched == ui->titleEdit || watched == ui->headingEdit))
        emit userActed();
    return QWidget::eventFilter(watched, event);
}

QRadioButton *DocumentOptionsPanel::modeRadio(EntryMode mode) const
{
    switch (mode) {
    case EntryMode::Link: return ui->linkModeRadio;
    case EntryMode::PlainText: return ui->plainTextModeRadio;
    case EntryMode::Picture: break;
    }
    return ui->pictureModeRadio;
}

DocumentOptions DocumentOptionsPanel::options() const
{
    DocumentOptions o;
    o.title = ui->titleEdit->text();
    o.heading = ui->headingCheck->isChecked();
    o.headingText = ui->headingEdit->text();
    o.center = ui->centerCheck->isChecked();
    for (EntryMode mode : {EntryMode::Link, EntryMode::PlainText, EntryMode::Picture}) {
        if (modeRadio(mode)->isChecked())
            o.entryMode = mode;
    }
    o.showSubdirectories = ui->showSubdirectoriesCheck->isChecked();
    o.shrinkToFit = ui->shrinkToFitCheck->isChecked();
    o.pictureAsLink = ui->pictureAsLinkCheck->isChecked();
    o.fileSize = ui->fileSizeCheck->isChecked();
    o.fileDate = ui->fileDateCheck->isChecked();
    o.pictureSize = ui->pictureSizeCheck->isChecked();
    o.linkStyle = ui->absoluteRadio->isChecked() ? LinkStyle::Absolute : LinkStyle::Relative;
    o.showPath = ui->showPathCheck->isChecked();
    o.documentName = ui->documentNameEdit->text();
    o.htmlExtension = ui->htmlRadio->isChecked();
    for (ColorRole role : kColorRoles)
        o.colors[role] = swatches[int(role)]->color();
    return o;
}

void DocumentOptionsPanel::setOptions(const DocumentOptions &o)
{
    ui->titleEdit->setText(o.title);
    ui->headingCheck->setChecked(o.heading);  // a change fills or empties the field first
    ui->headingEdit->setText(o.headingText);
    ui->centerCheck->setChecked(o.center);
    modeRadio(o.entryMode)->setChecked(true);
    ui->showSubdirectoriesCheck->setChecked(o.showSubdirectories && ui->showSubdirectoriesCheck->isEnabled());
    ui->shrinkToFitCheck->setChecked(o.shrinkToFit && ui->shrinkToFitCheck->isEnabled());
    ui->pictureAsLinkCheck->setChecked(o.pictureAsLink && ui->pictureAsLinkCheck->isEnabled());
    ui->fileSizeCheck->setChecked(o.fileSize);
    ui->fileDateCheck->setChecked(o.fileDate);
    ui->pictureSizeCheck->setChecked(o.pictureSize);
    (o.linkStyle == LinkStyle::Absolute ? ui->absoluteRadio : ui->relativeRadio)->setChecked(true);
    ui->showPathCheck->setChecked(o.showPath && ui->showPathCheck->isEnabled());
    ui->documentNameEdit->setText(o.documentName);
    (o.htmlExtension ? ui->htmlRadio : ui->htmRadio)->setChecked(true);
    for (ColorRole role : kColorRoles)
        setColor(role, o.colors[role]);
}

void DocumentOptionsPanel::setEntryMode(EntryMode mode)
{
    emit userActed();
    // A disabled box is never left ticked; an enabled one keeps its tick.
    const bool pictures = mode == EntryMode::Picture;
    const bool plainText = mode == EntryMode::PlainText;
    for (QCheckBox *box : {ui->shrinkToFitCheck, ui->pictureAsLinkCheck}) {
        if (!pictures)
            box->setChecked(false);
        box->setEnabled(pictures);
    }
    if (!plainText)
        ui->showSubdirectoriesCheck->setChecked(false);
    ui->showSubdirectoriesCheck->setEnabled(plainText);
}

void DocumentOptionsPanel::setHeadingOn(bool on)
{
    emit userActed();
    ui->headingEdit->setEnabled(on);
    // Ticked again, it starts from the default, not from what was typed before.
    if (on)
        ui->headingEdit->setText(defaults.headingText);
    else
        ui->headingEdit->clear();
}

void DocumentOptionsPanel::copyTitleToHeading()
{
    if (!ui->headingCheck->isChecked())
        return;
    ui->headingEdit->clear();
    ui->headingEdit->setText(ui->titleEdit->text());
}

void DocumentOptionsPanel::setLinkStyle(LinkStyle style)
{
    emit userActed();
    // Only absolute links can show the path; relative ones clear it.
    if (style == LinkStyle::Relative)
        ui->showPathCheck->setChecked(false);
    ui->showPathCheck->setEnabled(style == LinkStyle::Absolute);
}

void DocumentOptionsPanel::chooseColor(ColorRole role)
{
    emit userActed();
    const QColor chosen = colors->chooseColor(swatches[int(role)]->color());
    if (chosen.isValid())
        setColor(role, chosen);
}

void DocumentOptionsPanel::restoreDefaultColor(ColorRole role)
{
    emit userActed();
    setColor(role, defaults.colors[role]);
}

void DocumentOptionsPanel::setColor(ColorRole role, const QColor &color)
{
    ColorSwatch *swatch = swatches[int(role)];
    if (swatch->color() == color)
        return;
    swatch->setColor(color);
    emit optionsChanged();
}
