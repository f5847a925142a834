#include "poptunit.h"

#include "FormFont.h"
#include "GenerationOptions.h"

#include <QPushButton>

Toptionform *optionform = nullptr;

Toptionform::Toptionform(GenerationOptions &options, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      options(options)
{
    setObjectName(QStringLiteral("optionform"));
    setWindowTitle(QStringLiteral("Program Options"));
    setFont(formFont());
    setFixedSize(561, 209);

    okbutton = new QPushButton(QStringLiteral("Save"), this);
    okbutton->setObjectName(QStringLiteral("okbutton"));
    okbutton->setGeometry(8, 176, 75, 25);
    okbutton->setDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);

    cancelbutton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelbutton->setObjectName(QStringLiteral("cancelbutton"));
    cancelbutton->setGeometry(480, 176, 75, 25);
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
}
