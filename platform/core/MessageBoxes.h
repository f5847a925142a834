// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes behind a seam: real dialogs in the program, a scripted
// double in tests.

#include <QString>

enum class MessageType { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the text (a carriage return in it is a line break) with the
    // caption of its type ("Error", "Warning", "Information", "Confirm")
    // and returns the button pressed.
    virtual MessageResult show(MessageType type, const QString &text, MessageButtons buttons) = 0;
};
