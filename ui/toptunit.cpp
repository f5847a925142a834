#include "toptunit.h"

#include "FormFont.h"
#include "GenerationOptions.h"

#include <QPushButton>

Ttableoptionform *tableoptionform = nullptr;

Ttableoptionform::Ttableoptionform(GenerationOptions &options, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      options(options)
{
    setObjectName(QStringLiteral("tableoptionform"));
    setWindowTitle(QStringLiteral("Table Options"));
    setFont(formFont());
    setFixedSize(433, 137);

    okbutton = new QPushButton(QStringLiteral("OK"), this);
    okbutton->setObjectName(QStringLiteral("okbutton"));
    okbutton->setGeometry(192, 104, 65, 25);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);

    cancelbutton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelbutton->setObjectName(QStringLiteral("cancelbutton"));
    cancelbutton->setGeometry(360, 104, 65, 25);
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
}
