#pragma once
// The table options dialog: columns, border width and cell alignment. Every
// radio button sets its table value the moment it is selected.

#include "ModalForm.h"

struct GenerationOptions;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;

class Ttableoptionform final : public ModalForm {
    Q_OBJECT
public:
    explicit Ttableoptionform(GenerationOptions &options, QWidget *parent = nullptr);

    // Selects the buttons matching the table values (brought into range
    // before) and enables or greys the border and alignment buttons. Buttons
    // already selected stay so; their handlers run only on a change.
    void showTableValues();

    void nocolumnClick();
    void onecolumnClick();
    void twocolumnsClick();
    void threecolumnsClick();
    void fourcolumnsClick();
    void fivecolumnsClick();
    void width0Click();
    void width1Click();
    void width2Click();
    void width3Click();
    void width4Click();
    void width5Click();
    void alignleftClick();
    void aligncenterClick();
    void alignrightClick();
    void valigntopClick();
    void valignmiddleClick();
    void valignbottomClick();
    void saveButtonClick();
    // The border and alignment buttons, on or off; selections stay.
    void enabletable();
    void disabletable();

    QPushButton *okbutton = nullptr;
    QPushButton *cancelbutton = nullptr;
    QPushButton *saveButton = nullptr;
    QGroupBox *columnGroupBox = nullptr;
    QRadioButton *nocolumn = nullptr;
    QRadioButton *onecolumn = nullptr;
    QRadioButton *twocolumns = nullptr;
    QRadioButton *threecolumns = nullptr;
    QRadioButton *fourcolumns = nullptr;
    QRadioButton *fivecolumns = nullptr;
    QGroupBox *borderGroupBox = nullptr;
    QRadioButton *width0 = nullptr;
    QRadioButton *width1 = nullptr;
    QRadioButton *width2 = nullptr;
    QRadioButton *width3 = nullptr;
    QRadioButton *width4 = nullptr;
    QRadioButton *width5 = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *Panel4 = nullptr;
    QFrame *Panel5 = nullptr;
    QGroupBox *alignGroupBox = nullptr;
    QRadioButton *alignleft = nullptr;
    QRadioButton *aligncenter = nullptr;
    QRadioButton *alignright = nullptr;
    QGroupBox *valignGroupBox = nullptr;
    QRadioButton *valigntop = nullptr;
    QRadioButton *valignmiddle = nullptr;
    QRadioButton *valignbottom = nullptr;

private:
    void setColumns(int columns);
    void setBorder(int width);
    void setTableButtonsEnabled(bool enabled);

    GenerationOptions &options;
};

extern Ttableoptionform *tableoptionform;
