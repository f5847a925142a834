// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the document lists: drive, directory, filter and the selection
// in the file list. The selection buttons belong to the main window's form
// and reach the panel through its slots; the selection count goes out as
// the text for the status bar.

#include "generator/FileName.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <memory>

class MessageBoxes;
namespace Ui {
class FileSelectionPanel;
}

class FileSelectionPanel final : public QWidget {
    Q_OBJECT
public:
    explicit FileSelectionPanel(QWidget *parent = nullptr);
    ~FileSelectionPanel() override;

    // Where the panel reports directories it cannot enter and names it cannot list.
    void setMessageBoxes(MessageBoxes &messages);
    // The lists show dir, or the nearest directory above it that can be
    // entered, without a report of names they cannot show.
    void setStartDirectory(const QString &dir);

    // The listed directory, a full native path.
    QString directory() const;
    // After the listed directory vanished: the lists move to the nearest
    // directory above it that can be entered.
    void leaveVanishedDirectory();
    // The selected file names, in the order of the list.
    FileNames selectedNames() const;
    // The filter's mask, e.g. "*.gif;*.jpg;*.jpeg".
    QString filterMask() const;

public slots:
    void selectAll();
    void invertSelection();
    void selectNone();

signals:
    void directoryChanged();
    // The user changed the selection or the filter.
    void userActed();
    // What the status bar says about the selection.
    void selectionStatusChanged(const QString &text);

private slots:
    void changeDrive();
    void showNewDirectory();
    void changeFilter();
    void showUserSelection();

private:
    void showNearestDirectory(const QString &dir);
    void refreshDriveCombo();
    void reportRefusedDirectory(const QString &path);
    void showSelectionCount(bool zeroAsCount);
    void showNoneSelected();

    std::unique_ptr<Ui::FileSelectionPanel> ui;
    MessageBoxes *messages = nullptr;
    QStringList driveRoots;
    QHash<QString, QString> lastDirectoryOfDrive;  // '/' separators
};
