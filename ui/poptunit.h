#pragma once
// The program options dialog: the saved defaults, browser and sound.

#include <QDialog>

struct GenerationOptions;
class QPushButton;

class Toptionform final : public QDialog {
    Q_OBJECT
public:
    explicit Toptionform(GenerationOptions &options, QWidget *parent = nullptr);

    QPushButton *okbutton = nullptr;
    QPushButton *cancelbutton = nullptr;

private:
    GenerationOptions &options;
};

extern Toptionform *optionform;
