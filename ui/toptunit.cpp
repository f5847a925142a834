#include "toptunit.h"

#include "CaptionFit.h"
#include "FormFont.h"
#include "PlaceControl.h"
#include "GenerationOptions.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

Ttableoptionform *tableoptionform = nullptr;

namespace {

QGroupBox *group(QWidget *parent, const char *name, const char *title, int x, int y, int w, int h)
{
    auto *box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, w, h);
    fitCaptionFont(box, formFont());
    return box;
}

// A line-thickness preview: a plain raised panel, height 2 to 6.
QFrame *preview(QWidget *parent, const char *name, int y, int height)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(40, y, 50, height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QPushButton *button(QWidget *parent, const char *name, const char *caption, int x, int y, int w, int h)
{
    auto *b = placeFitted<QPushButton>(parent, name, caption, x, y, w, h);
    // No default button: Enter does not close the dialog.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Ttableoptionform::Ttableoptionform(GenerationOptions &options, QWidget *parent)
    : ModalForm(parent, fixedDialogFrame(), Placement::CentreFirstTime), options(options)
{
    setObjectName(QStringLiteral("tableoptionform"));
    setWindowTitle(QStringLiteral("Table Options"));
    setFont(formFont());
    setFixedSize(433, 137);

    okbutton = button(this, "okbutton", "OK", 192, 104, 65, 25);
    cancelbutton = button(this, "cancelbutton", "Cancel", 360, 104, 65, 25);

    columnGroupBox = group(this, "columnGroupBox", "Columns", 8, 8, 65, 121);
    nocolumn = placeFitted<QRadioButton>(columnGroupBox, "nocolumn", "None", 8, 16, 49, 17);
    onecolumn = placeFitted<QRadioButton>(columnGroupBox, "onecolumn", "1", 8, 32, 41, 17);
    twocolumns = placeFitted<QRadioButton>(columnGroupBox, "twocolumns", "2", 8, 48, 41, 17);
    threecolumns = placeFitted<QRadioButton>(columnGroupBox, "threecolumns", "3", 8, 64, 41, 17);
    fourcolumns = placeFitted<QRadioButton>(columnGroupBox, "fourcolumns", "4", 8, 80, 33, 17);
    fivecolumns = placeFitted<QRadioButton>(columnGroupBox, "fivecolumns", "5", 8, 96, 33, 17);

    borderGroupBox = group(this, "borderGroupBox", "Borderwidth", 80, 8, 105, 121);
    width0 = placeFitted<QRadioButton>(borderGroupBox, "width0", "0", 8, 16, 33, 17);
    width1 = placeFitted<QRadioButton>(borderGroupBox, "width1", "1", 8, 32, 33, 17);
    width2 = placeFitted<QRadioButton>(borderGroupBox, "width2", "2", 8, 48, 33, 17);
    width3 = placeFitted<QRadioButton>(borderGroupBox, "width3", "3", 8, 64, 33, 17);
    width4 = placeFitted<QRadioButton>(borderGroupBox, "width4", "4", 8, 80, 33, 17);
    width5 = placeFitted<QRadioButton>(borderGroupBox, "width5", "5", 8, 96, 33, 17);
    Panel1 = preview(borderGroupBox, "Panel1", 42, 2);
    Panel2 = preview(borderGroupBox, "Panel2", 56, 3);
    Panel3 = preview(borderGroupBox, "Panel3", 72, 4);
    Panel4 = preview(borderGroupBox, "Panel4", 88, 5);
    Panel5 = preview(borderGroupBox, "Panel5", 104, 6);

    alignGroupBox = group(this, "alignGroupBox", "Horizontal Alignment inside Cells", 192, 8, 233, 41);
    alignleft = placeFitted<QRadioButton>(alignGroupBox, "alignleft", "Left", 8, 16, 57, 17);
    aligncenter = placeFitted<QRadioButton>(alignGroupBox, "aligncenter", "Center", 80, 16, 65, 17);
    alignright = placeFitted<QRadioButton>(alignGroupBox, "alignright", "Right", 160, 16, 57, 17);

    valignGroupBox = group(this, "valignGroupBox", "Vertical Alignment inside Cells", 192, 56, 233, 41);
    valigntop = placeFitted<QRadioButton>(valignGroupBox, "valigntop", "Top", 8, 16, 57, 17);
    valignmiddle = placeFitted<QRadioButton>(valignGroupBox, "valignmiddle", "Middle", 80, 16, 65, 17);
    valignbottom = placeFitted<QRadioButton>(valignGroupBox, "valignbottom", "Bottom", 160, 16, 57, 17);

    saveButton = button(this, "saveButton", "Save as Default", 264, 104, 89, 25);

    const QList<QWidget *> order = {okbutton,    cancelbutton, nocolumn,     onecolumn,   twocolumns,
                                    threecolumns, fourcolumns, fivecolumns,  width0,      width1,
                                    width2,      width3,       width4,       width5,      alignleft,
                                    aligncenter, alignright,   valigntop,    valignmiddle, valignbottom,
                                    saveButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        saveButtonClick();
        accept();
    });

    // Selection only: a radio button that becomes selected runs its handler.
    const std::pair<QRadioButton *, void (Ttableoptionform::*)()> handlers[] = {
        {nocolumn, &Ttableoptionform::nocolumnClick},       {onecolumn, &Ttableoptionform::onecolumnClick},
        {twocolumns, &Ttableoptionform::twocolumnsClick},   {threecolumns, &Ttableoptionform::threecolumnsClick},
        {fourcolumns, &Ttableoptionform::fourcolumnsClick}, {fivecolumns, &Ttableoptionform::fivecolumnsClick},
        {width0, &Ttableoptionform::width0Click},           {width1, &Ttableoptionform::width1Click},
        {width2, &Ttableoptionform::width2Click},           {width3, &Ttableoptionform::width3Click},
        {width4, &Ttableoptionform::width4Click},           {width5, &Ttableoptionform::width5Click},
        {alignleft, &Ttableoptionform::alignleftClick},     {aligncenter, &Ttableoptionform::aligncenterClick},
        {alignright, &Ttableoptionform::alignrightClick},   {valigntop, &Ttableoptionform::valigntopClick},
        {valignmiddle, &Ttableoptionform::valignmiddleClick},
        {valignbottom, &Ttableoptionform::valignbottomClick},
    };
    for (const auto &[radio, handler] : handlers) {
        connect(radio, &QRadioButton::toggled, this, [this, handler = handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    }
}

void Ttableoptionform::setColumns(int columns)
{
    options.TableLayout = columns > 0;
    options.TableColumns = columns;
    if (columns > 0)
        enabletable();
    else
        disabletable();
}

void Ttableoptionform::nocolumnClick() { setColumns(0); }
void Ttableoptionform::onecolumnClick() { setColumns(1); }
void Ttableoptionform::twocolumnsClick() { setColumns(2); }
void Ttableoptionform::threecolumnsClick() { setColumns(3); }
void Ttableoptionform::fourcolumnsClick() { setColumns(4); }
void Ttableoptionform::fivecolumnsClick() { setColumns(5); }

void Ttableoptionform::setBorder(int width)
{
    // The buttons' captions, as the table tag gets them. Not read back from
    // the buttons: a desktop may add keyboard accelerators to captions.
    options.TableBorderWidth = width;
    options.TableBorderText = QString::number(width);
}

void Ttableoptionform::width0Click() { setBorder(0); }
void Ttableoptionform::width1Click() { setBorder(1); }
void Ttableoptionform::width2Click() { setBorder(2); }
void Ttableoptionform::width3Click() { setBorder(3); }
void Ttableoptionform::width4Click() { setBorder(4); }
void Ttableoptionform::width5Click() { setBorder(5); }

void Ttableoptionform::alignleftClick() { options.TableAlign = QStringLiteral("LEFT"); }
void Ttableoptionform::aligncenterClick() { options.TableAlign = QStringLiteral("CENTER"); }
void Ttableoptionform::alignrightClick() { options.TableAlign = QStringLiteral("RIGHT"); }
void Ttableoptionform::valigntopClick() { options.TableVAlign = QStringLiteral("TOP"); }
void Ttableoptionform::valignmiddleClick() { options.TableVAlign = QStringLiteral("MIDDLE"); }
void Ttableoptionform::valignbottomClick() { options.TableVAlign = QStringLiteral("BOTTOM"); }

void Ttableoptionform::saveButtonClick()
{
    options.DefaultTableColumns = options.TableColumns;
    options.DefaultTableBorderWidth = options.TableBorderWidth;
    options.DefaultTableAlign = options.TableAlign;
    options.DefaultTableVAlign = options.TableVAlign;
}

void Ttableoptionform::setTableButtonsEnabled(bool enabled)
{
    for (QRadioButton *radio : {width0, width1, width2, width3, width4, width5, alignleft, aligncenter, alignright,
                                valigntop, valignmiddle, valignbottom})
        radio->setEnabled(enabled);
}

void Ttableoptionform::enabletable() { setTableButtonsEnabled(true); }
void Ttableoptionform::disabletable() { setTableButtonsEnabled(false); }

void Ttableoptionform::showTableValues()
{
    QRadioButton *const columns[] = {nocolumn, onecolumn, twocolumns, threecolumns, fourcolumns, fivecolumns};
    QRadioButton *const widths[] = {width0, width1, width2, width3, width4, width5};
    const int column = (options.TableColumns >= 0 && options.TableColumns <= 5) ? options.TableColumns : 0;
    const int border = (options.TableBorderWidth >= 0 && options.TableBorderWidth <= 5) ? options.TableBorderWidth : 0;

    columns[column]->setChecked(true);
    // Also when the button was selected already and its handler did not run.
    if (options.TableLayout)
        enabletable();
    else
        disabletable();
    widths[border]->setChecked(true);

    if (options.TableAlign == QLatin1String("LEFT"))
        alignleft->setChecked(true);
    else if (options.TableAlign == QLatin1String("RIGHT"))
        alignright->setChecked(true);
    else
        aligncenter->setChecked(true);

    if (options.TableVAlign == QLatin1String("TOP"))
        valigntop->setChecked(true);
    else if (options.TableVAlign == QLatin1String("BOTTOM"))
        valignbottom->setChecked(true);
    else
        valignmiddle->setChecked(true);
}
