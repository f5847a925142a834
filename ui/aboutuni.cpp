#include "aboutuni.h"

#include "CaptionFit.h"
#include "FormFont.h"
#include "Pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

Taboutbox *aboutbox = nullptr;

Taboutbox::Taboutbox(QWidget *parent)
    : ModalForm(parent, Qt::Dialog | Qt::FramelessWindowHint, Placement::CentreEveryTime)
{
    setObjectName(QStringLiteral("aboutbox"));
    setWindowTitle(QStringLiteral("About Quorvant"));
    setFont(formFont());
    setFixedSize(318, 204);

    aboutpanel = new QFrame(this);
    aboutpanel->setObjectName(QStringLiteral("aboutpanel"));
    aboutpanel->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    aboutpanel->setGeometry(0, 0, 318, 204);

    Image1 = new QLabel(aboutpanel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 314, 200);
    Image1->setPixmap(renderPicture(Picture::About, Image1->size(), devicePixelRatioF()));

    // Above the picture, near the bottom edge.
    okbutton = new QPushButton(QStringLiteral("OK"), aboutpanel);
    okbutton->setObjectName(QStringLiteral("okbutton"));
    okbutton->setGeometry(120, 168, 81, 25);
    fitCaptionFont(okbutton, formFont());
    okbutton->setDefault(true);
    okbutton->raise();
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
}
