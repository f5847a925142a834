// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program options dialog: the saved default texts, the browser, the
// completion sound and the default document colours. Colour and browser
// choices change the defaults at once, even when the dialog is then
// cancelled; the texts and the switches change only when saved.

#include "settings/SavedDefaults.h"
#include "ui/FixedSizeDialog.h"

#include <array>
#include <memory>

class ColorChooser;
class ColorSwatch;
class ProgramChooser;
namespace Ui {
class ProgramOptionsDialog;
}

class ProgramOptionsDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    ProgramOptionsDialog(ColorChooser &colorChooser, ProgramChooser &programChooser, QWidget *parent = nullptr);
    ~ProgramOptionsDialog() override;

    SavedDefaults options() const { return current; }
    // Fills the fields from the saved defaults; called before each opening.
    void setOptions(const SavedDefaults &defaults);
    // Whether the last save was "Save and Center  Program  Window".
    bool centerRequested() const { return centerChosen; }

signals:
    void optionsChanged();

private:
    void save(bool center);
    void resetTexts();
    void chooseBrowser();
    void setStandardBrowser(bool standard);
    void chooseColor(ColorRole role);
    void restoreBuiltInColor(ColorRole role);

    std::unique_ptr<Ui::ProgramOptionsDialog> ui;
    ColorChooser &colors;
    ProgramChooser &programs;
    SavedDefaults current;
    bool centerChosen = false;
    std::array<ColorSwatch *, 4> swatches = {};  // in the order of kColorRoles
};
