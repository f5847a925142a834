// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open-file dialog that picks a browser program.

#include "platform/core/ProgramChooser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

class QFileInfo;

class QtProgramChooser final : public ProgramChooser {
    Q_DECLARE_TR_FUNCTIONS(QtProgramChooser)

public:
    explicit QtProgramChooser(QWidget *parent = nullptr) : owner(parent) {}
    void setParentWidget(QWidget *parent) { owner = parent; }

    bool chooseProgram(QString &path) override;

    // What the dialog lists while the programs filter is active: folders,
    // to move through, and files a user may run.
    static bool listedAsProgram(const QFileInfo &info);

private:
    QPointer<QWidget> owner;
};
