#pragma once
// The table options dialog: columns, border width and cell alignment. Every
// radio button sets its part of the document's table the moment it is
// selected; "Save as Default" also makes the table the saved default.

#include "ui/FixedSizeDialog.h"

class QButtonGroup;
struct SavedDefaults;
struct TableSettings;

class TableOptionsDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    TableOptionsDialog(TableSettings &table, SavedDefaults &defaults, QWidget *parent = nullptr);

    // Selects the buttons that show the table (which must be in range) and
    // greys the border and alignment rows while there is no table. Buttons
    // already selected stay so.
    void showTable();

private slots:
    void setColumns(int columns);
    void setBorderWidth(int width);
    void setAlign(int index);
    void setVerticalAlign(int index);
    void saveAsDefault();

private:
    void createControls();
    void enableCellOptions(bool enabled);

    TableSettings &table;
    SavedDefaults &defaults;
    QButtonGroup *columnButtons = nullptr;        // ids 0 (none) to 5
    QButtonGroup *borderButtons = nullptr;        // ids 0 to 5
    QButtonGroup *alignButtons = nullptr;         // LEFT, CENTER, RIGHT
    QButtonGroup *verticalAlignButtons = nullptr; // TOP, MIDDLE, BOTTOM
};
