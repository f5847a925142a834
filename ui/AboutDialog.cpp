#include "ui/AboutDialog.h"

#include "ui/CaptionFit.h"
#include "ui/FormFont.h"
#include "ui/Pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget *parent)
    : FixedSizeDialog(parent, Qt::Dialog | Qt::FramelessWindowHint, Placement::CentreEveryTime)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Quorvant"));
    setFont(formFont());
    setFixedSize(318, 204);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("aboutFrame"));
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    frame->setGeometry(0, 0, 318, 204);

    auto *picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setGeometry(2, 2, 314, 200);
    picture->setPixmap(renderPicture(Picture::About, picture->size(), devicePixelRatioF()));

    // Above the picture, near the bottom edge.
    auto *okButton = new QPushButton(QStringLiteral("OK"), frame);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(120, 168, 81, 25);
    fitCaptionFont(okButton, formFont());
    okButton->setDefault(true);
    okButton->setToolTip(QStringLiteral("Close this box."));
    okButton->raise();
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
