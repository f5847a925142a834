// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes as a script: answers are given up front, every box shown
// is recorded. No modal loop ever runs.

#include "platform/core/MessageBoxes.h"

#include <QList>
#include <QStringList>

#include <functional>

struct ScriptedMessages final : MessageBoxes {
    QList<MessageResult> answers;  // taken in order; Ok, or No to a question, when empty
    QStringList texts;
    QList<MessageType> types;
    std::function<void()> whileShown;  // what the user does while a box is open

    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override
    {
        texts << text;
        types << type;
        if (whileShown)
            whileShown();
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
};
