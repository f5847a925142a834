#pragma once
// The program options dialog: the saved default texts, the browser, the
// completion sound and the default document colours. Colour and browser
// choices change the saved defaults at once, even when the dialog is then
// cancelled; the texts and the sound switch only when saved.

#include "generator/PageColors.h"
#include "ui/FixedSizeDialog.h"

class ColorChooser;
class ColorSwatch;
class ProgramChooser;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct SavedDefaults;

class ProgramOptionsDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    ProgramOptionsDialog(SavedDefaults &defaults, ColorChooser &colors, ProgramChooser &programs,
                         QWidget *parent = nullptr);

    // Fills the fields from the saved defaults; called before each opening.
    void loadFromDefaults();
    // Whether the last save was "Save and Center  Program  Window".
    bool centerRequested() const { return centerChosen; }

private slots:
    void resetTexts();
    void chooseBrowser();
    void setStandardBrowser(bool standard);
    void chooseColor(ColorRole role);
    void restoreBuiltInColor(ColorRole role);

private:
    void createControls();
    void connectControls();
    void save(bool center);

    SavedDefaults &defaults;
    ColorChooser &colors;
    ProgramChooser &programs;
    bool centerChosen = false;

    QPushButton *saveButton = nullptr;
    QPushButton *saveAndCenterButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *resetButton = nullptr;
    QPushButton *browseButton = nullptr;
    QLineEdit *titleEdit = nullptr;
    QLineEdit *headingEdit = nullptr;
    QLineEdit *fileNameEdit = nullptr;
    QLineEdit *browserEdit = nullptr;
    QCheckBox *playSoundCheck = nullptr;
    QCheckBox *standardBrowserCheck = nullptr;
    QCheckBox *modernPicturesCheck = nullptr;
    QPushButton *colorButtons[4] = {};
    ColorSwatch *swatches[4] = {};
};
