// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TableOptionsDialog.h"

#include "ui/CaptionFit.h"
#include "ui/FormFont.h"
#include "ui_TableOptionsDialog.h"

#include <algorithm>
#include <iterator>

namespace {

const QString kAligns[] = {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")};
const QString kVerticalAligns[] = {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM")};

// The buttons of a row count from 0 in the form's order: columns, border
// width, and the index of an alignment above.
void numberButtons(QButtonGroup *row)
{
    int id = 0;
    for (QAbstractButton *button : row->buttons())
        row->setId(button, id++);
}

void select(QButtonGroup *row, int id)
{
    if (QAbstractButton *button = row->button(id))
        button->setChecked(true);
}

template <size_t N>
int indexOf(const QString (&names)[N], const QString &name)
{
    return int(std::find(std::begin(names), std::end(names), name) - std::begin(names));
}

}  // namespace

TableOptionsDialog::TableOptionsDialog(QWidget *parent)
    : FixedSizeDialog(parent, fixedDialogFrame(), Placement::CentreFirstTime), ui(std::make_unique<Ui::TableOptionsDialog>())
{
    setFont(formFont());
    ui->setupUi(this);
    fitMarkedCaptions(this, formFont());

    // A radio button that becomes selected sets its value; one that is
    // selected already does nothing.
    auto onSelect = [this](QButtonGroup *row, auto set) {
        numberButtons(row);
        connect(row, &QButtonGroup::idToggled, this, [this, set](int id, bool selected) {
            if (!selected)
                return;
            set(id);
            emit tableChanged();
        });
    };
    onSelect(ui->columnButtons, [this](int id) { setColumns(id); });
    onSelect(ui->borderButtons, [this](int id) { current.borderWidth = id; });
    onSelect(ui->alignButtons, [this](int id) { current.align = kAligns[id]; });
    onSelect(ui->verticalAlignButtons, [this](int id) { current.verticalAlign = kVerticalAligns[id]; });
    connect(ui->saveButton, &QPushButton::clicked, this, [this] {
        emit tableSavedAsDefault();
        accept();
    });
}

TableOptionsDialog::~TableOptionsDialog() = default;

void TableOptionsDialog::setColumns(int columns)
{
    current.columns = columns;
    enableCellOptions(columns > 0);
}

void TableOptionsDialog::enableCellOptions(bool enabled)
{
    // The selections stay, for a later choice of columns.
    for (QButtonGroup *row : {ui->borderButtons, ui->alignButtons, ui->verticalAlignButtons})
        for (QAbstractButton *radio : row->buttons())
            radio->setEnabled(enabled);
}

void TableOptionsDialog::setTable(const TableSettings &table)
{
    current = table;
    select(ui->columnButtons, table.columns);
    // Also when that button was selected already and its handler did not run.
    enableCellOptions(table.isTable());
    select(ui->borderButtons, table.borderWidth);
    select(ui->alignButtons, indexOf(kAligns, table.align));
    select(ui->verticalAlignButtons, indexOf(kVerticalAligns, table.verticalAlign));
}
