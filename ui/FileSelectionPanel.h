#pragma once
// The files the document lists: drive, directory, filter and the selection
// in the file list, with the selection count in the status bar. It creates
// its controls at the places the main window gives it.

#include "generator/FileName.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class DirectoryListBox;
class FileListBox;
class MessageBoxes;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

struct FileSelectionPlaces {
    QWidget *lists;    // drive, directories, files and filter
    QWidget *buttons;  // "Select All", "Invert Selection", "Select None"
    QLabel *status;    // the selection count
};

class FileSelectionPanel final : public QObject {
    Q_OBJECT
public:
    // The lists start on startDirectory.
    FileSelectionPanel(const FileSelectionPlaces &places, MessageBoxes &messages, const QString &startDirectory,
                       QObject *parent = nullptr);

    // The listed directory, a full native path.
    QString directory() const;
    // After the listed directory vanished: the lists move to the nearest
    // directory above it that can be entered.
    void leaveVanishedDirectory();
    // The selected file names, in the order of the list.
    FileNames selectedNames() const;

    // In tab order: the lists, and the selection buttons.
    QList<QWidget *> listControls() const;
    QList<QWidget *> selectionButtons() const;

signals:
    void directoryChanged();
    // The user changed the selection or the filter.
    void userActed();

private slots:
    void changeDrive();
    void showNewDirectory();
    void changeFilter();
    void showUserSelection();
    void selectAll();
    void invertSelection();
    void selectNone();

private:
    void createControls(const FileSelectionPlaces &places);
    void connectControls();
    void showNearestDirectory(const QString &dir);
    void refreshDriveCombo();
    void reportRefusedDirectory(const QString &path);
    void showSelectionCount(bool zeroAsCount);

    MessageBoxes &messages;
    QComboBox *driveCombo = nullptr;
    DirectoryListBox *directoryList = nullptr;
    FileListBox *fileList = nullptr;
    QComboBox *filterCombo = nullptr;
    QPushButton *selectAllButton = nullptr;
    QPushButton *invertSelectionButton = nullptr;
    QPushButton *selectNoneButton = nullptr;
    QLabel *selectionStatus = nullptr;

    QStringList driveRoots;
    QHash<QString, QString> lastDirectoryOfDrive;  // '/' separators
};
