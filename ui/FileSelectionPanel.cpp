// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileSelectionPanel.h"

#include "platform/core/DriveRoots.h"
#include "platform/core/MessageBoxes.h"
#include "ui_FileSelectionPanel.h"

#include <QDir>
#include <QFileInfo>

#include <iterator>

namespace {

// The masks of the filter list's entries, in the form's order.
const char *const kFilterMasks[] = {"*.*", "*.gif;*.jpg;*.jpeg", "*.wav;*.au;*.aif;*.aiff", "*.txt", "*.htm;*.html"};

}  // namespace

FileSelectionPanel::FileSelectionPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::FileSelectionPanel>())
{
    ui->setupUi(this);
    Q_ASSERT(ui->filterCombo->count() == int(std::size(kFilterMasks)));
    for (int i = 0; i < int(std::size(kFilterMasks)); ++i)
        ui->filterCombo->setItemData(i, QString::fromLatin1(kFilterMasks[i]));
    connect(ui->driveCombo, &QComboBox::activated, this, &FileSelectionPanel::changeDrive);
    connect(ui->directoryList, &DirectoryListBox::changed, this, &FileSelectionPanel::showNewDirectory);
    connect(ui->directoryList, &DirectoryListBox::directoryRefused, this, &FileSelectionPanel::reportRefusedDirectory);
    connect(ui->fileList, &FileListBox::userSelectionChanged, this, &FileSelectionPanel::showUserSelection);
    connect(ui->filterCombo, &QComboBox::currentIndexChanged, this, &FileSelectionPanel::changeFilter);
}

FileSelectionPanel::~FileSelectionPanel() = default;

void FileSelectionPanel::setMessageBoxes(MessageBoxes &boxes)
{
    messages = &boxes;
}

void FileSelectionPanel::setStartDirectory(const QString &dir)
{
    {
        const QSignalBlocker quiet(ui->directoryList);
        // The start directory may be gone (deleted while a shell stood in it).
        showNearestDirectory(dir);
    }
    ui->fileList->setDirectory(ui->directoryList->directory());
    refreshDriveCombo();
    lastDirectoryOfDrive.insert(ui->driveCombo->currentData().toString(),
                                QDir::fromNativeSeparators(ui->directoryList->directory()));
}

QString FileSelectionPanel::directory() const
{
    return ui->directoryList->directory();
}

QString FileSelectionPanel::filterMask() const
{
    return ui->filterCombo->currentData().toString();
}

void FileSelectionPanel::showNearestDirectory(const QString &dir)
{
    for (QString wanted = QDir::cleanPath(QDir::fromNativeSeparators(dir));; wanted = QFileInfo(wanted).path()) {
        if (ui->directoryList->setDirectory(wanted) || QFileInfo(wanted).path() == wanted)
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
    for (int row = 0; row < ui->fileList->count(); ++row) {
        if (ui->fileList->isSelected(row))
            names.append(ui->fileList->name(row));
    }
    return names;
}

void FileSelectionPanel::refreshDriveCombo()
{
    QComboBox *drives = ui->driveCombo;
    const QStringList roots = machineDriveRoots();
    if (roots != driveRoots) {
        driveRoots = roots;
        const QSignalBlocker quiet(drives);
        drives->clear();
        for (const QString &root : driveRoots)
            drives->addItem(QDir::toNativeSeparators(root), root);
    }
    const QString here = QDir::fromNativeSeparators(ui->directoryList->directory());
    const int index = driveRoots.indexOf(driveOf(here, driveRoots));
    if (index >= 0 && index != drives->currentIndex()) {
        const QSignalBlocker quiet(drives);
        drives->setCurrentIndex(index);
    }
}

void FileSelectionPanel::changeDrive()
{
    // A new drive's directory reports itself as a new directory. Choosing
    // the drive already listed keeps the list, unless its directory
    // vanished; then the status says what the list holds.
    const QString chosen = ui->driveCombo->currentData().toString();
    const QString here = QDir::fromNativeSeparators(ui->directoryList->directory());
    if (chosen.isEmpty() || (chosen == driveOf(here, driveRoots) && QFileInfo(here).isDir())) {
        showSelectionCount(false);
        return;
    }
    // Each drive keeps the directory last listed on it, as drive letters do.
    const QString remembered = lastDirectoryOfDrive.value(chosen, chosen);
    if (!ui->directoryList->setDirectory(remembered) && !ui->directoryList->setDirectory(chosen)) {
        reportRefusedDirectory(QDir::toNativeSeparators(chosen));
        refreshDriveCombo();
        showSelectionCount(false);
    }
}

void FileSelectionPanel::reportRefusedDirectory(const QString &path)
{
    messages->show(MessageType::Error, tr("Unable to open the directory %1").arg(path), MessageButtons::Ok);
}

void FileSelectionPanel::showNewDirectory()
{
    const QString dir = ui->directoryList->directory();
    lastDirectoryOfDrive.insert(driveOf(QDir::fromNativeSeparators(dir), driveRoots), QDir::fromNativeSeparators(dir));
    refreshDriveCombo();
    ui->fileList->setDirectory(dir);
    showNoneSelected();
    emit directoryChanged();
}

void FileSelectionPanel::changeFilter()
{
    ui->fileList->setMask(ui->filterCombo->currentData().toString());
    if (ui->fileList->selectedCount() == 0)
        showNoneSelected();
    emit userActed();
}

void FileSelectionPanel::showNoneSelected()
{
    emit selectionStatusChanged(tr("No items are selected"));
}

void FileSelectionPanel::showSelectionCount(bool zeroAsCount)
{
    const int count = ui->fileList->selectedCount();
    if (count == 0 && !zeroAsCount)
        showNoneSelected();
    else if (count == 1)
        emit selectionStatusChanged(tr("1 item is selected"));
    else
        emit selectionStatusChanged(tr("%n items are selected", nullptr, count));
}

void FileSelectionPanel::showUserSelection()
{
    showSelectionCount(false);
    emit userActed();
}

void FileSelectionPanel::selectAll()
{
    emit userActed();
    ui->fileList->selectAllItems();
    // An empty list reads "0 items are selected" here.
    showSelectionCount(true);
}

void FileSelectionPanel::invertSelection()
{
    emit userActed();
    ui->fileList->invertSelection();
    showSelectionCount(false);
}

void FileSelectionPanel::selectNone()
{
    emit userActed();
    ui->fileList->selectNoItems();
    if (ui->fileList->selectedCount() == 0)
        showNoneSelected();
}
