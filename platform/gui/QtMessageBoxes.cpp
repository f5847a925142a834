// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

QString QtMessageBoxes::caption(MessageType type)
{
    switch (type) {
    case MessageType::Error: return tr("Error");
    case MessageType::Warning: return tr("Warning");
    case MessageType::Information: return tr("Information");
    case MessageType::Confirmation: return tr("Confirm");
    }
    return {};
}

QString QtMessageBoxes::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MessageResult QtMessageBoxes::show(MessageType type, const QString &text, MessageButtons buttons)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type) {
    case MessageType::Error: icon = QMessageBox::Critical; break;
    case MessageType::Warning: icon = QMessageBox::Warning; break;
    case MessageType::Information: icon = QMessageBox::Information; break;
    case MessageType::Confirmation: icon = QMessageBox::Question; break;
    }
    QWidget *parent = owner ? owner.data() : QApplication::activeWindow();
    QMessageBox box(icon, caption(type), displayText(text), QMessageBox::NoButton, parent);
    // Names, paths and file texts are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == MessageButtons::YesNo)
        return pressed == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    return MessageResult::Ok;
}
