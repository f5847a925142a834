// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own help in a simple window of the program, for when no
// browser opens it.

class QWidget;

// Shows the built-in help document beside parent, not modal; a second call
// brings the same window to the front.
void showHelpWindow(QWidget *parent);
