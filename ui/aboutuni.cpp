#include "aboutuni.h"

#include "FormFont.h"
#include "Pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

Taboutbox *aboutbox = nullptr;

Taboutbox::Taboutbox(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("aboutbox"));
    setWindowTitle(QStringLiteral("About Quorvant"));
    setFont(formFont());
    setFixedSize(318, 204);

    aboutpanel = new QFrame(this);
    aboutpanel->setObjectName(QStringLiteral("aboutpanel"));
    aboutpanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    aboutpanel->setGeometry(0, 0, 318, 204);

    Image1 = new QLabel(aboutpanel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 314, 200);
    Image1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Image1->setPixmap(renderPicture(Picture::Banner, QSize(314, 55), devicePixelRatioF()));

    okbutton = new QPushButton(QStringLiteral("OK"), aboutpanel);
    okbutton->setObjectName(QStringLiteral("okbutton"));
    okbutton->setGeometry(120, 168, 81, 25);
    okbutton->setDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
}
