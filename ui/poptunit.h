#pragma once
// The program options dialog: the saved default texts, the browser, the
// completion sound and the default document colours. Colour and browser
// choices take effect at once; the texts and the sound switch when saved.

#include "ModalForm.h"

struct GenerationOptions;
class ColorChooser;
class ColorSwatch;
class ProgramChooser;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Toptionform final : public ModalForm {
    Q_OBJECT
public:
    Toptionform(GenerationOptions &options, ColorChooser &colors, ProgramChooser &programs, QWidget *parent = nullptr);

    // Handlers.
    void resetbuttonClick();
    void okbuttonClick();
    void okcenterbuttonClick();
    void browsersearchButtonClick();
    void standardbrowsercheckClick();
    void defaultbgcolorbuttonClick();
    void defaultlinkcolorbuttonClick();
    void defaultvlinkcolorbuttonClick();
    void defaulttextcolorbuttonClick();
    void defaultbgcolorpanelClick();
    void defaultlinkcolorpanelClick();
    void defaultvlinkcolorpanelClick();
    void defaulttextcolorpanelClick();

    QPushButton *okbutton = nullptr;
    QPushButton *okcenterbutton = nullptr;
    QPushButton *cancelbutton = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *deftitleLabel = nullptr;
    QLabel *defheadingLabel = nullptr;
    QLabel *deffilenameLabel = nullptr;
    QLabel *defbrowserLabel = nullptr;
    QLineEdit *deftitleEdit = nullptr;
    QLineEdit *defheadingEdit = nullptr;
    QLineEdit *deffilenameEdit = nullptr;
    QPushButton *resetbutton = nullptr;
    QLineEdit *defbrowserEdit = nullptr;
    QPushButton *browsersearchButton = nullptr;
    QCheckBox *playsoundCheck = nullptr;
    QCheckBox *standardbrowsercheck = nullptr;
    QGroupBox *defaultcolorGroupBox = nullptr;
    QPushButton *defaultbgcolorbutton = nullptr;
    QPushButton *defaultlinkcolorbutton = nullptr;
    QPushButton *defaultvlinkcolorbutton = nullptr;
    QPushButton *defaulttextcolorbutton = nullptr;
    ColorSwatch *defaultbgcolorpanel = nullptr;
    ColorSwatch *defaultlinkcolorpanel = nullptr;
    ColorSwatch *defaultvlinkcolorpanel = nullptr;
    ColorSwatch *defaulttextcolorpanel = nullptr;

private:
    void saveFields();
    void chooseDefaultColor(qint32 &value, ColorSwatch *swatch);
    void restoreBuiltInColor(qint32 &value, qint32 builtIn, ColorSwatch *swatch);

    GenerationOptions &options;
    ColorChooser &colors;
    ProgramChooser &programs;
};

extern Toptionform *optionform;
