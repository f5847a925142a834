#pragma once
// The about box: a borderless picture with an OK button.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class Taboutbox final : public QDialog {
    Q_OBJECT
public:
    explicit Taboutbox(QWidget *parent = nullptr);

    QFrame *aboutpanel = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *okbutton = nullptr;
};

extern Taboutbox *aboutbox;
