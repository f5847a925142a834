// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the document: title, heading, colours, entry mode, details,
// link style and file name, with the rules between the controls (what a
// mode or link style enables, what ticking the heading fills in).

#include "ui/DocumentOptions.h"

#include <QWidget>

#include <array>
#include <memory>

class ColorChooser;
class ColorSwatch;
class QPushButton;
class QRadioButton;
namespace Ui {
class DocumentOptionsPanel;
}

class DocumentOptionsPanel final : public QWidget {
    Q_OBJECT
public:
    explicit DocumentOptionsPanel(QWidget *parent = nullptr);
    ~DocumentOptionsPanel() override;

    // Where the colour buttons ask for a colour.
    void setColorChooser(ColorChooser &colors);
    // The options a new document starts from: a heading ticked again takes
    // their heading text, a click on a swatch their colour.
    void setDefaults(const DocumentOptions &defaults);

    DocumentOptions options() const;
    // Sets every control as the user would, so the rules between them hold:
    // a box the mode or link style disables stays unticked.
    void setOptions(const DocumentOptions &options);

signals:
    void optionsChanged();
    // Almost any change by the user makes the last run's report stale.
    void userActed();
    void currentDirectoryAsTitleRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void setEntryMode(EntryMode mode);
    void setHeadingOn(bool on);
    void copyTitleToHeading();
    void setLinkStyle(LinkStyle style);
    void chooseColor(ColorRole role);
    void restoreDefaultColor(ColorRole role);
    void setColor(ColorRole role, const QColor &color);
    QRadioButton *modeRadio(EntryMode mode) const;

    std::unique_ptr<Ui::DocumentOptionsPanel> ui;
    ColorChooser *colors = nullptr;
    DocumentOptions defaults;
    std::array<QPushButton *, 4> colorButtons = {};  // in the order of kColorRoles
    std::array<ColorSwatch *, 4> swatches = {};
};
