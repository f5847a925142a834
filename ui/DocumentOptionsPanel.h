#pragma once
// The look of the document: title, heading, colours, entry mode, details,
// link style and file name, kept in step with the document's settings by
// the rules between the controls. It creates its controls in the group box
// the main window gives it.

#include "generator/DocumentSettings.h"
#include "generator/DocumentTexts.h"

#include <QObject>

class ColorChooser;
class ColorSwatch;
class MultiLineButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
struct DocumentRequest;
struct SavedDefaults;

class DocumentOptionsPanel final : public QObject {
    Q_OBJECT
public:
    DocumentOptionsPanel(QWidget *group, DocumentSettings &settings, const SavedDefaults &defaults,
                         ColorChooser &colors, QObject *parent = nullptr);

    // Picture mode, ".HTML", relative links, no details ticked, the heading
    // on, and the texts and colours from the saved defaults.
    void loadStartupState();
    // The name, title and heading fields take the default texts; the
    // heading also while it is off.
    void resetTextsToDefaults();
    // After the program options were saved: the name and title fields, the
    // heading while it is on, and the colours take the defaults, changed or not.
    void applySavedDefaults();
    void useAsTitleAndHeading(const QString &directory);

    // The title, heading and name fields as typed, and the extension chosen.
    TypedDocumentTexts typedTexts() const;
    // The other controls' part of a document request.
    void fillRequest(DocumentRequest &request) const;
    QList<QWidget *> tabChain() const;

signals:
    // Almost any change by the user makes the last run's report stale.
    void userActed();
    void currentDirectoryAsTitleRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void setEntryMode(EntryMode mode);
    void chooseColor(ColorRole role);
    void restoreDefaultColor(ColorRole role);
    void setHeadingOn(bool on);
    void copyTitleToHeading();
    void setLinkStyle(LinkStyle style);
    void setShowPath(bool on);
    void setHtmlExtension(bool html);

private:
    void createControls(QWidget *group);
    void createColorControls(QWidget *group);
    void connectControls();
    void setColor(ColorRole role, qint32 color);

    DocumentSettings &settings;
    const SavedDefaults &defaults;
    ColorChooser &colors;

    QLineEdit *titleEdit = nullptr;
    QCheckBox *headingCheck = nullptr;
    QLineEdit *headingEdit = nullptr;
    QPushButton *titleToHeadingButton = nullptr;
    QCheckBox *centerCheck = nullptr;
    MultiLineButton *currentDirectoryButton = nullptr;
    QPushButton *colorButtons[4] = {};
    ColorSwatch *swatches[4] = {};
    QRadioButton *linkModeRadio = nullptr;
    QRadioButton *plainTextModeRadio = nullptr;
    QCheckBox *showSubdirectoriesCheck = nullptr;
    QRadioButton *pictureModeRadio = nullptr;
    QCheckBox *shrinkToFitCheck = nullptr;
    QCheckBox *pictureAsLinkCheck = nullptr;
    QCheckBox *fileSizeCheck = nullptr;
    QCheckBox *fileDateCheck = nullptr;
    QCheckBox *pictureSizeCheck = nullptr;
    QRadioButton *relativeRadio = nullptr;
    QRadioButton *absoluteRadio = nullptr;
    QCheckBox *showPathCheck = nullptr;
    QLineEdit *documentNameEdit = nullptr;
    QRadioButton *htmlRadio = nullptr;
    QRadioButton *htmRadio = nullptr;
};
