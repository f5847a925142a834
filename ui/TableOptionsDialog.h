// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table options dialog: columns, border width and cell alignment. Every
// radio button changes the table the moment it is selected, whichever
// button then closes the dialog; "Save as Default" also asks for the table
// to become the saved default.

#include "generator/TableSettings.h"
#include "ui/FixedSizeDialog.h"

#include <memory>

namespace Ui {
class TableOptionsDialog;
}

class TableOptionsDialog final : public FixedSizeDialog {
    Q_OBJECT
public:
    explicit TableOptionsDialog(QWidget *parent = nullptr);
    ~TableOptionsDialog() override;

    TableSettings table() const { return current; }
    // Selects the buttons that show table (which must be in range) and
    // greys the border and alignment rows while there is no table. Buttons
    // already selected stay so.
    void setTable(const TableSettings &table);

signals:
    void tableChanged();
    void tableSavedAsDefault();

private:
    void setColumns(int columns);
    void enableCellOptions(bool enabled);

    std::unique_ptr<Ui::TableOptionsDialog> ui;
    TableSettings current;
};
