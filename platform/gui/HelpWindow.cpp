// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/HelpWindow.h"

#include "platform/core/ProgramFiles.h"
#include "Version.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

void showHelpWindow(QWidget *parent)
{
    static QPointer<QDialog> window;
    if (!window) {
        window = new QDialog(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setAttribute(Qt::WA_QuitOnClose, false);  // never keeps the program running
        window->setObjectName(QStringLiteral("helpWindow"));
        window->setWindowTitle(QStringLiteral("Quorvant " QUORVANT_VERSION " Help"));
        auto *text = new QTextBrowser(window);
        text->setObjectName(QStringLiteral("helpText"));
        text->setOpenExternalLinks(true);  // anchors scroll in place, other links go to the desktop
        text->setHtml(QString::fromUtf8(ownHelpHtml()));
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
        QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
        auto *layout = new QVBoxLayout(window);
        layout->addWidget(text);
        layout->addWidget(buttons);
        window->resize(640, 560);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
