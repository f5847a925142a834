#include "ui/FileSelectionPanel.h"

#include "platform/core/DriveRoots.h"
#include "platform/core/MessageBoxes.h"
#include "ui/DirectoryListBox.h"
#include "ui/FileListBox.h"
#include "ui/PlaceControl.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kNoItemsSelected = QStringLiteral("No items are selected");

struct FilterEntry {
    const char *text;
    const char *mask;
};

// The filter texts are shown exactly so, the blank after "(*.txt)" included.
constexpr FilterEntry kFilters[] = {
    {"All files (*.*)", "*.*"},
    {"GIF/JPEG (*.gif, *.jpg, *.jpeg)", "*.gif;*.jpg;*.jpeg"},
    {"Audio (*.wav, *.au, *.aif, *.aiff)", "*.wav;*.au;*.aif;*.aiff"},
    {"Text (*.txt) ", "*.txt"},
    {"HTML (*.htm, *.html)", "*.htm;*.html"},
};

QString selectionCountText(int count, bool zeroAsCount)
{
    if (count == 1)
        return QStringLiteral("1 item is selected");
    if (count == 0 && !zeroAsCount)
        return kNoItemsSelected;
    return QString::number(count) + QStringLiteral(" items are selected");
}

}  // namespace

FileSelectionPanel::FileSelectionPanel(const FileSelectionPlaces &places, MessageBoxes &messageBoxes,
                                       const QString &startDirectory, QObject *parent)
    : QObject(parent), messages(messageBoxes)
{
    createControls(places);
    // The start directory may be gone (deleted while a shell stood in it).
    showNearestDirectory(startDirectory);
    fileList->setDirectory(directoryList->directory());
    refreshDriveCombo();
    lastDirectoryOfDrive.insert(driveCombo->currentData().toString(),
                                QDir::fromNativeSeparators(directoryList->directory()));
    connectControls();
}

void FileSelectionPanel::createControls(const FileSelectionPlaces &places)
{
    driveCombo = place<QComboBox>(places.lists, "driveCombo", 8, 72, 161, 22);
    directoryList = place<DirectoryListBox>(places.lists, "directoryList", 8, 98, 161, 212);
    fileList = place<FileListBox>(places.lists, "fileList", 176, 72, 161, 212);
    filterCombo = place<QComboBox>(places.lists, "filterCombo", 176, 288, 161, 22);
    for (const FilterEntry &filter : kFilters)
        filterCombo->addItem(QString::fromUtf8(filter.text), QString::fromUtf8(filter.mask));

    selectAllButton = place<QPushButton>(places.buttons, "selectAllButton", "Select All", 8, 385, 80, 25);
    invertSelectionButton =
        place<QPushButton>(places.buttons, "invertSelectionButton", "Invert Selection", 92, 385, 96, 25);
    selectNoneButton = place<QPushButton>(places.buttons, "selectNoneButton", "Select None", 192, 385, 81, 25);
    selectionStatus = places.status;
}

void FileSelectionPanel::connectControls()
{
    connect(driveCombo, &QComboBox::activated, this, &FileSelectionPanel::changeDrive);
    connect(directoryList, &DirectoryListBox::changed, this, &FileSelectionPanel::showNewDirectory);
    connect(directoryList, &DirectoryListBox::directoryRefused, this, &FileSelectionPanel::reportRefusedDirectory);
    connect(fileList, &FileListBox::userSelectionChanged, this, &FileSelectionPanel::showUserSelection);
    connect(filterCombo, &QComboBox::currentIndexChanged, this, &FileSelectionPanel::changeFilter);
    connect(selectAllButton, &QPushButton::clicked, this, &FileSelectionPanel::selectAll);
    connect(invertSelectionButton, &QPushButton::clicked, this, &FileSelectionPanel::invertSelection);
    connect(selectNoneButton, &QPushButton::clicked, this, &FileSelectionPanel::selectNone);
}

QString FileSelectionPanel::directory() const
{
    return directoryList->directory();
}

void FileSelectionPanel::showNearestDirectory(const QString &dir)
{
    for (QString wanted = QDir::cleanPath(QDir::fromNativeSeparators(dir));; wanted = QFileInfo(wanted).path()) {
        if (directoryList->setDirectory(wanted) || QFileInfo(wanted).path() == wanted)
            return;
    }
}

void FileSelectionPanel::leaveVanishedDirectory()
{
    if (!QFileInfo(directory()).isDir())
        showNearestDirectory(directory());
}

FileNames FileSelectionPanel::selectedNames() const
{
    FileNames names;
    for (int row = 0; row < fileList->count(); ++row) {
        if (fileList->isSelected(row))
            names.append(fileList->name(row));
    }
    return names;
}

QList<QWidget *> FileSelectionPanel::listControls() const
{
    return {driveCombo, directoryList, fileList, filterCombo};
}

QList<QWidget *> FileSelectionPanel::selectionButtons() const
{
    return {selectAllButton, invertSelectionButton, selectNoneButton};
}

void FileSelectionPanel::refreshDriveCombo()
{
    const QStringList roots = machineDriveRoots();
    if (roots != driveRoots) {
        driveRoots = roots;
        const QSignalBlocker quiet(driveCombo);
        driveCombo->clear();
        for (const QString &root : driveRoots)
            driveCombo->addItem(QDir::toNativeSeparators(root), root);
    }
    const QString here = QDir::fromNativeSeparators(directoryList->directory());
    const int index = driveRoots.indexOf(driveOf(here, driveRoots));
    if (index >= 0 && index != driveCombo->currentIndex()) {
        const QSignalBlocker quiet(driveCombo);
        driveCombo->setCurrentIndex(index);
    }
}

void FileSelectionPanel::changeDrive()
{
    // A new drive's directory reports itself as a new directory. Choosing
    // the drive already listed keeps the list, unless its directory
    // vanished; then the status says what the list holds.
    const QString chosen = driveCombo->currentData().toString();
    const QString here = QDir::fromNativeSeparators(directoryList->directory());
    if (chosen.isEmpty() || (chosen == driveOf(here, driveRoots) && QFileInfo(here).isDir())) {
        showSelectionCount(false);
        return;
    }
    // Each drive keeps the directory last listed on it, as drive letters do.
    const QString remembered = lastDirectoryOfDrive.value(chosen, chosen);
    if (!directoryList->setDirectory(remembered) && !directoryList->setDirectory(chosen)) {
        reportRefusedDirectory(QDir::toNativeSeparators(chosen));
        refreshDriveCombo();
        showSelectionCount(false);
    }
}

void FileSelectionPanel::reportRefusedDirectory(const QString &path)
{
    messages.show(MessageType::Error, QStringLiteral("Unable to open the directory ") + path, MessageButtons::Ok);
}

void FileSelectionPanel::showNewDirectory()
{
    const QString dir = directoryList->directory();
    lastDirectoryOfDrive.insert(driveOf(QDir::fromNativeSeparators(dir), driveRoots), QDir::fromNativeSeparators(dir));
    refreshDriveCombo();
    fileList->setDirectory(dir);
    selectionStatus->setText(kNoItemsSelected);
    emit directoryChanged();
}

void FileSelectionPanel::changeFilter()
{
    fileList->setMask(filterCombo->currentData().toString());
    if (fileList->selectedCount() == 0)
        selectionStatus->setText(kNoItemsSelected);
    emit userActed();
}

void FileSelectionPanel::showSelectionCount(bool zeroAsCount)
{
    selectionStatus->setText(selectionCountText(fileList->selectedCount(), zeroAsCount));
}

void FileSelectionPanel::showUserSelection()
{
    showSelectionCount(false);
    emit userActed();
}

void FileSelectionPanel::selectAll()
{
    emit userActed();
    fileList->selectAllItems();
    // An empty list reads "0 items are selected" here.
    showSelectionCount(true);
}

void FileSelectionPanel::invertSelection()
{
    emit userActed();
    fileList->invertSelection();
    showSelectionCount(false);
}

void FileSelectionPanel::selectNone()
{
    emit userActed();
    fileList->selectNoItems();
    if (fileList->selectedCount() == 0)
        selectionStatus->setText(kNoItemsSelected);
}
