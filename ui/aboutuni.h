#pragma once
// The about box: a borderless picture with an OK button, centred on the
// screen each time it is shown.

#include "ModalForm.h"

class QFrame;
class QLabel;
class QPushButton;

class Taboutbox final : public ModalForm {
    Q_OBJECT
public:
    explicit Taboutbox(QWidget *parent = nullptr);

    QFrame *aboutpanel = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *okbutton = nullptr;
};

extern Taboutbox *aboutbox;
