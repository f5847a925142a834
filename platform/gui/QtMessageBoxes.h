// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes as real modal Qt dialogs.

#include "platform/core/MessageBoxes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

class QtMessageBoxes final : public MessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(QtMessageBoxes)

public:
    // The boxes are centred over parent (the active window when none is set).
    explicit QtMessageBoxes(QWidget *parent = nullptr) : owner(parent) {}
    void setParentWidget(QWidget *parent) { owner = parent; }

    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override;

    // The caption of each type, and the text as the box shows it (a carriage
    // return, alone or before a line feed, is one line break).
    static QString caption(MessageType type);
    static QString displayText(const QString &text);

private:
    QPointer<QWidget> owner;
};
