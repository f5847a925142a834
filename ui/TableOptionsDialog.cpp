#include "ui/TableOptionsDialog.h"

#include "generator/TableSettings.h"
#include "settings/SavedDefaults.h"
#include "ui/CaptionFit.h"
#include "ui/FormFont.h"
#include "ui/PlaceControl.h"
#include "ui/ToolTips.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <iterator>

namespace {

const QString kAligns[] = {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")};
const QString kVerticalAligns[] = {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM")};

struct RadioPlace {
    const char *name;
    const char *caption;
    int x, y, w;
};

QGroupBox *group(QWidget *parent, const char *name, const char *title, QRect geometry)
{
    auto *box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    fitCaptionFont(box, formFont());
    return box;
}

// One row of radio buttons in its group box, ids counting from 0.
QButtonGroup *radioRow(QGroupBox *box, std::initializer_list<RadioPlace> places)
{
    auto *buttons = new QButtonGroup(box);
    int id = 0;
    for (const RadioPlace &p : places)
        buttons->addButton(placeFitted<QRadioButton>(box, p.name, p.caption, p.x, p.y, p.w, 17), id++);
    return buttons;
}

QPushButton *button(QWidget *parent, const char *name, const char *caption, int x, int w)
{
    auto *b = placeFitted<QPushButton>(parent, name, caption, x, 104, w, 25);
    // No default button: Enter does not close the dialog.
    b->setAutoDefault(false);
    return b;
}

void select(QButtonGroup *buttons, int id)
{
    if (QAbstractButton *b = buttons->button(id))
        b->setChecked(true);
}

}  // namespace

TableOptionsDialog::TableOptionsDialog(TableSettings &documentTable, SavedDefaults &savedDefaults, QWidget *parent)
    : FixedSizeDialog(parent, fixedDialogFrame(), Placement::CentreFirstTime), table(documentTable), defaults(savedDefaults)
{
    setObjectName(QStringLiteral("tableOptionsDialog"));
    setWindowTitle(QStringLiteral("Table Options"));
    setFont(formFont());
    setFixedSize(433, 137);
    createControls();
    addTableOptionsToolTips(this);

    // A radio button that becomes selected sets its value; one that is
    // selected already does nothing.
    auto onSelect = [this](QButtonGroup *buttons, void (TableOptionsDialog::*set)(int)) {
        connect(buttons, &QButtonGroup::idToggled, this, [this, set](int id, bool selected) {
            if (selected)
                (this->*set)(id);
        });
    };
    onSelect(columnButtons, &TableOptionsDialog::setColumns);
    onSelect(borderButtons, &TableOptionsDialog::setBorderWidth);
    onSelect(alignButtons, &TableOptionsDialog::setAlign);
    onSelect(verticalAlignButtons, &TableOptionsDialog::setVerticalAlign);
}

void TableOptionsDialog::createControls()
{
    auto *okButton = button(this, "okButton", "OK", 192, 65);
    auto *cancelButton = button(this, "cancelButton", "Cancel", 360, 65);

    QGroupBox *columns = group(this, "columnGroup", "Columns", {8, 8, 65, 121});
    columnButtons = radioRow(columns, {{"noColumnsRadio", "None", 8, 16, 49}, {"columns1Radio", "1", 8, 32, 41},
                                       {"columns2Radio", "2", 8, 48, 41}, {"columns3Radio", "3", 8, 64, 41},
                                       {"columns4Radio", "4", 8, 80, 33}, {"columns5Radio", "5", 8, 96, 33}});

    QGroupBox *border = group(this, "borderGroup", "Borderwidth", {80, 8, 105, 121});
    borderButtons = radioRow(border, {{"border0Radio", "0", 8, 16, 33}, {"border1Radio", "1", 8, 32, 33},
                                      {"border2Radio", "2", 8, 48, 33}, {"border3Radio", "3", 8, 64, 33},
                                      {"border4Radio", "4", 8, 80, 33}, {"border5Radio", "5", 8, 96, 33}});
    // Beside "1" to "5", lines that grow thicker: plain raised panels 2 to 6 high.
    const int previewTop[] = {42, 56, 72, 88, 104};
    for (int width = 1; width <= 5; ++width) {
        auto *preview = new QFrame(border);
        preview->setObjectName(QStringLiteral("border%1Preview").arg(width));
        preview->setGeometry(40, previewTop[width - 1], 50, width + 1);
        preview->setFrameStyle(QFrame::Panel | QFrame::Raised);
        preview->setLineWidth(1);
    }

    QGroupBox *align = group(this, "alignGroup", "Horizontal Alignment inside Cells", {192, 8, 233, 41});
    alignButtons = radioRow(align, {{"alignLeftRadio", "Left", 8, 16, 57}, {"alignCenterRadio", "Center", 80, 16, 65},
                                    {"alignRightRadio", "Right", 160, 16, 57}});
    QGroupBox *verticalAlign = group(this, "verticalAlignGroup", "Vertical Alignment inside Cells", {192, 56, 233, 41});
    verticalAlignButtons =
        radioRow(verticalAlign, {{"alignTopRadio", "Top", 8, 16, 57}, {"alignMiddleRadio", "Middle", 80, 16, 65},
                                 {"alignBottomRadio", "Bottom", 160, 16, 57}});

    auto *saveButton = button(this, "saveButton", "Save as Default", 264, 89);

    QList<QWidget *> order = {okButton, cancelButton};
    for (QButtonGroup *row : {columnButtons, borderButtons, alignButtons, verticalAlignButtons})
        for (QAbstractButton *radio : row->buttons())
            order.append(radio);
    order.append(saveButton);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        saveAsDefault();
        accept();
    });
}

void TableOptionsDialog::setColumns(int columns)
{
    table.columns = columns;
    enableCellOptions(columns > 0);
}

void TableOptionsDialog::setBorderWidth(int width)
{
    table.borderWidth = width;
}

void TableOptionsDialog::setAlign(int index)
{
    table.align = kAligns[index];
}

void TableOptionsDialog::setVerticalAlign(int index)
{
    table.verticalAlign = kVerticalAligns[index];
}

void TableOptionsDialog::saveAsDefault()
{
    defaults.table = table;
}

void TableOptionsDialog::enableCellOptions(bool enabled)
{
    // The selections stay, for a later choice of columns.
    for (QButtonGroup *row : {borderButtons, alignButtons, verticalAlignButtons})
        for (QAbstractButton *radio : row->buttons())
            radio->setEnabled(enabled);
}

void TableOptionsDialog::showTable()
{
    select(columnButtons, table.columns);
    // Also when that button was selected already and its handler did not run.
    enableCellOptions(table.isTable());
    select(borderButtons, table.borderWidth);
    select(alignButtons, int(std::find(std::begin(kAligns), std::end(kAligns), table.align) - std::begin(kAligns)));
    select(verticalAlignButtons, int(std::find(std::begin(kVerticalAligns), std::end(kVerticalAligns),
                                               table.verticalAlign)
                                     - std::begin(kVerticalAligns)));
}
