#pragma once
// The table options dialog: columns, border width and cell alignment.

#include <QDialog>

struct GenerationOptions;
class QPushButton;

class Ttableoptionform final : public QDialog {
    Q_OBJECT
public:
    explicit Ttableoptionform(GenerationOptions &options, QWidget *parent = nullptr);

    QPushButton *okbutton = nullptr;
    QPushButton *cancelbutton = nullptr;

private:
    GenerationOptions &options;
};

extern Ttableoptionform *tableoptionform;
