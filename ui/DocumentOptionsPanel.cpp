#include "ui/DocumentOptionsPanel.h"

#include "generator/DocumentRequest.h"
#include "platform/core/ColorChooser.h"
#include "settings/SavedDefaults.h"
#include "ui/ColorSwatch.h"
#include "ui/MultiLineButton.h"
#include "ui/Pictures.h"
#include "ui/PlaceControl.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

DocumentOptionsPanel::DocumentOptionsPanel(QWidget *group, DocumentSettings &documentSettings,
                                           const SavedDefaults &savedDefaults, ColorChooser &colorChooser, QObject *parent)
    : QObject(parent), settings(documentSettings), defaults(savedDefaults), colors(colorChooser)
{
    createControls(group);
    connectControls();
}

void DocumentOptionsPanel::createControls(QWidget *group)
{
    place<QLabel>(group, "titleLabel", "Document Title", 8, 16, 150, 15);
    titleEdit = place<QLineEdit>(group, "titleEdit", 8, 31, 233, 21);
    headingCheck = place<QCheckBox>(group, "headingCheck", "Document Heading", 8, 55, 150, 17);
    headingEdit = place<QLineEdit>(group, "headingEdit", 8, 73, 233, 21);
    titleToHeadingButton = place<QPushButton>(group, "titleToHeadingButton", 248, 28, 25, 70);
    const QSize arrow(19, 62);
    titleToHeadingButton->setIcon(QIcon(renderPicture(Picture::Arrow, arrow, group->devicePixelRatioF())));
    titleToHeadingButton->setIconSize(arrow);
    titleToHeadingButton->setToolTip(QStringLiteral("Title to Heading"));

    centerCheck = place<QCheckBox>(group, "centerCheck", "horizontally centered", 8, 104, 140, 17);
    currentDirectoryButton = place<MultiLineButton>(group, "currentDirectoryButton", 152, 98, 121, 33);
    currentDirectoryButton->setText(QStringLiteral("Current Directory as Title and Heading"));
    createColorControls(group);

    // Two columns: entry mode and file name on the left, details and path on the right.
    auto *modes = place<QWidget>(group, "entryModePanel", 8, 218, 144, 102);
    linkModeRadio = place<QRadioButton>(modes, "linkModeRadio", "Embed Link to File", 0, 0, 144, 17);
    plainTextModeRadio = place<QRadioButton>(modes, "plainTextModeRadio", "Embed Plain Text", 0, 17, 144, 17);
    showSubdirectoriesCheck = place<QCheckBox>(modes, "showSubdirectoriesCheck", "Show Subdirectories", 12, 34, 132, 17);
    pictureModeRadio = place<QRadioButton>(modes, "pictureModeRadio", "Embed Picture itself", 0, 51, 144, 17);
    shrinkToFitCheck = place<QCheckBox>(modes, "shrinkToFitCheck", "Shrink to fit", 12, 68, 132, 17);
    pictureAsLinkCheck = place<QCheckBox>(modes, "pictureAsLinkCheck", "Picture as Link", 12, 85, 132, 17);

    place<QLabel>(group, "fileNameLabel", "Filename and Extension", 8, 326, 144, 15);
    documentNameEdit = place<QLineEdit>(group, "documentNameEdit", 8, 341, 121, 21);
    auto *extensions = place<QWidget>(group, "extensionPanel", 8, 364, 144, 17);
    htmlRadio = place<QRadioButton>(extensions, "htmlRadio", ".HTML", 0, 0, 64, 17);
    htmRadio = place<QRadioButton>(extensions, "htmRadio", ".HTM", 68, 0, 60, 17);

    auto *details = place<QLabel>(group, "detailsLabel", "Designation/Link contains", 156, 218, 117, 28);
    details->setWordWrap(true);
    details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fileSizeCheck = place<QCheckBox>(group, "fileSizeCheck", "Size of File", 156, 246, 117, 17);
    fileDateCheck = place<QCheckBox>(group, "fileDateCheck", "Date of File", 156, 263, 117, 17);
    pictureSizeCheck = place<QCheckBox>(group, "pictureSizeCheck", "Size of Picture", 156, 280, 117, 17);

    auto *path = place<QWidget>(group, "pathPanel", 156, 302, 117, 66);
    place<QLabel>(path, "pathLabel", "Path", 0, 0, 60, 15);
    relativeRadio = place<QRadioButton>(path, "relativeRadio", "relative", 0, 15, 117, 17);
    absoluteRadio = place<QRadioButton>(path, "absoluteRadio", "absolute", 0, 32, 117, 17);
    showPathCheck = place<QCheckBox>(path, "showPathCheck", "Show Path", 12, 49, 105, 17);
}

void DocumentOptionsPanel::createColorControls(QWidget *group)
{
    auto *box = place<QGroupBox>(group, "colorGroup", 8, 134, 265, 80);
    box->setTitle(QStringLiteral("Document Colors"));
    // Two by two: background and links above, visited links and text below.
    for (int i = 0; i < 4; ++i) {
        const ColorRole role = kColorRoles[i];
        const int left = i % 2 == 0 ? 8 : 138;
        const int top = i < 2 ? 18 : 48;
        colorButtons[i] = place<QPushButton>(box, colorButtonName(role), left, top, 86, 25);
        colorButtons[i]->setText(colorCaption(role));
        swatches[i] = place<ColorSwatch>(box, colorSwatchName(role), left + 90, top, 25, 25);
    }
}

void DocumentOptionsPanel::connectControls()
{
    // Check boxes and radio buttons report real changes only (toggled), so
    // setting a value from code runs its slot exactly when it changes.
    auto onSelect = [this](QRadioButton *radio, auto slot) {
        connect(radio, &QRadioButton::toggled, this, [this, slot](bool selected) {
            if (selected)
                slot();
        });
    };
    for (QLineEdit *edit : {titleEdit, headingEdit, documentNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &DocumentOptionsPanel::userActed);
    titleEdit->installEventFilter(this);
    headingEdit->installEventFilter(this);
    for (QCheckBox *box : {centerCheck, fileSizeCheck, fileDateCheck, shrinkToFitCheck, showSubdirectoriesCheck})
        connect(box, &QCheckBox::toggled, this, &DocumentOptionsPanel::userActed);

    connect(headingCheck, &QCheckBox::toggled, this, &DocumentOptionsPanel::setHeadingOn);
    connect(titleToHeadingButton, &QPushButton::clicked, this, &DocumentOptionsPanel::copyTitleToHeading);
    connect(currentDirectoryButton, &QPushButton::clicked, this,
            &DocumentOptionsPanel::currentDirectoryAsTitleRequested);
    for (int i = 0; i < 4; ++i) {
        const ColorRole role = kColorRoles[i];
        connect(colorButtons[i], &QPushButton::clicked, this, [this, role] { chooseColor(role); });
        connect(swatches[i], &ColorSwatch::clicked, this, [this, role] { restoreDefaultColor(role); });
    }
    onSelect(linkModeRadio, [this] { setEntryMode(EntryMode::Link); });
    onSelect(plainTextModeRadio, [this] { setEntryMode(EntryMode::PlainText); });
    onSelect(pictureModeRadio, [this] { setEntryMode(EntryMode::Picture); });
    onSelect(relativeRadio, [this] { setLinkStyle(LinkStyle::Relative); });
    onSelect(absoluteRadio, [this] { setLinkStyle(LinkStyle::Absolute); });
    connect(showPathCheck, &QCheckBox::toggled, this, &DocumentOptionsPanel::setShowPath);
    onSelect(htmlRadio, [this] { setHtmlExtension(true); });
    onSelect(htmRadio, [this] { setHtmlExtension(false); });
}

bool DocumentOptionsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the title or heading field counts as a change.
    if (event->type() == QEvent::MouseButtonRelease && (watched == titleEdit || watched == headingEdit))
        emit userActed();
    return QObject::eventFilter(watched, event);
}

QList<QWidget *> DocumentOptionsPanel::tabChain() const
{
    return {titleEdit,       headingCheck,       headingEdit,    titleToHeadingButton, centerCheck,
            currentDirectoryButton, colorButtons[0], colorButtons[1], colorButtons[2],   colorButtons[3],
            linkModeRadio,   plainTextModeRadio, showSubdirectoriesCheck, pictureModeRadio, shrinkToFitCheck,
            pictureAsLinkCheck, documentNameEdit, htmlRadio,     htmRadio,             fileSizeCheck,
            fileDateCheck,   pictureSizeCheck,   relativeRadio,  absoluteRadio,        showPathCheck};
}

void DocumentOptionsPanel::loadStartupState()
{
    for (QCheckBox *box : {fileSizeCheck, fileDateCheck, pictureSizeCheck, shrinkToFitCheck, pictureAsLinkCheck})
        box->setChecked(false);
    pictureModeRadio->setChecked(true);
    htmlRadio->setChecked(true);
    headingEdit->setEnabled(true);
    headingEdit->setText(defaults.heading);
    documentNameEdit->setText(defaults.fileName);
    titleEdit->setText(defaults.title);
    headingCheck->setChecked(true);
    relativeRadio->setChecked(true);
    for (ColorRole role : kColorRoles)
        setColor(role, defaults.colors[role]);
}

void DocumentOptionsPanel::resetTextsToDefaults()
{
    documentNameEdit->setText(defaults.fileName);
    titleEdit->setText(defaults.title);
    headingEdit->setText(defaults.heading);
}

void DocumentOptionsPanel::applySavedDefaults()
{
    documentNameEdit->setText(defaults.fileName);
    titleEdit->setText(defaults.title);
    for (ColorRole role : kColorRoles)
        setColor(role, defaults.colors[role]);
    if (headingCheck->isChecked())
        headingEdit->setText(defaults.heading);
}

void DocumentOptionsPanel::useAsTitleAndHeading(const QString &directory)
{
    titleEdit->setText(directory);
    if (headingCheck->isChecked())
        headingEdit->setText(directory);
}

TypedDocumentTexts DocumentOptionsPanel::typedTexts() const
{
    return {titleEdit->text(), headingCheck->isChecked(), headingEdit->text(), documentNameEdit->text(),
            settings.htmlExtension};
}

void DocumentOptionsPanel::fillRequest(DocumentRequest &request) const
{
    request.center = centerCheck->isChecked();
    request.fileSize = fileSizeCheck->isChecked();
    request.fileDate = fileDateCheck->isChecked();
    request.pictureSize = pictureSizeCheck->isChecked();
    request.shrinkToFit = shrinkToFitCheck->isChecked() && shrinkToFitCheck->isEnabled();
    request.pictureAsLink = pictureAsLinkCheck->isChecked() && pictureAsLinkCheck->isEnabled();
    request.showSubdirectories = showSubdirectoriesCheck->isChecked();
}

void DocumentOptionsPanel::setEntryMode(EntryMode mode)
{
    emit userActed();
    settings.entryMode = mode;
    // A disabled box is never left ticked; an enabled one keeps its tick.
    const bool pictures = mode == EntryMode::Picture;
    const bool plainText = mode == EntryMode::PlainText;
    for (QCheckBox *box : {shrinkToFitCheck, pictureAsLinkCheck}) {
        if (!pictures)
            box->setChecked(false);
        box->setEnabled(pictures);
    }
    if (!plainText)
        showSubdirectoriesCheck->setChecked(false);
    showSubdirectoriesCheck->setEnabled(plainText);
}

void DocumentOptionsPanel::setHeadingOn(bool on)
{
    emit userActed();
    headingEdit->setEnabled(on);
    // Ticked again, it starts from the default, not from what was typed before.
    if (on)
        headingEdit->setText(defaults.heading);
    else
        headingEdit->clear();
}

void DocumentOptionsPanel::copyTitleToHeading()
{
    if (!headingCheck->isChecked())
        return;
    headingEdit->clear();
    headingEdit->setText(titleEdit->text());
}

void DocumentOptionsPanel::setLinkStyle(LinkStyle style)
{
    emit userActed();
    settings.linkStyle = style;
    // Only absolute links can show the path; relative ones clear it.
    if (style == LinkStyle::Relative)
        showPathCheck->setChecked(false);
    showPathCheck->setEnabled(style == LinkStyle::Absolute);
}

void DocumentOptionsPanel::setShowPath(bool on)
{
    emit userActed();
    settings.showPath = on;
}

void DocumentOptionsPanel::setHtmlExtension(bool html)
{
    emit userActed();
    settings.htmlExtension = html;
}

void DocumentOptionsPanel::chooseColor(ColorRole role)
{
    emit userActed();
    qint32 chosen = settings.colors[role];
    if (colors.chooseColor(settings.colors[role], chosen))
        setColor(role, chosen);
}

void DocumentOptionsPanel::restoreDefaultColor(ColorRole role)
{
    emit userActed();
    setColor(role, defaults.colors[role]);
}

void DocumentOptionsPanel::setColor(ColorRole role, qint32 color)
{
    settings.colors[role] = color;
    swatches[int(role)]->setColor(color);
}
