#pragma once
// One short sentence for each control, saying what it does.

class QWidget;

// Gives the named controls of each window their tips.
void addMainWindowToolTips(QWidget *window);
void addProgramOptionsToolTips(QWidget *dialog);
void addTableOptionsToolTips(QWidget *dialog);
