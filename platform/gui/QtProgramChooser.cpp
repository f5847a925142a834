// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtProgramChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace {

// Name patterns cannot say "executable" on POSIX, so Qt's own file dialog
// gets a proxy that hides other files while the first filter is chosen.
class ProgramsOnlyProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setProgramsOnly(bool on)
    {
        if (on == programsOnly)
            return;
        programsOnly = on;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!programsOnly || !files)
            return true;
        return QtProgramChooser::listedAsProgram(files->fileInfo(files->index(row, 0, parent)));
    }

private:
    bool programsOnly = true;
};

}  // namespace

bool QtProgramChooser::listedAsProgram(const QFileInfo &info)
{
    return info.isDir() || (info.isFile() && info.isExecutable());
}

bool QtProgramChooser::chooseProgram(QString &path)
{
    QWidget *parent = owner ? owner.data() : QApplication::activeWindow();
    QFileDialog dialog(parent, tr("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = programFileFilters(nativePathStyle());
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (nativePathStyle() == PathStyle::Posix) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);  // a proxy works in Qt's own dialog only
        auto *proxy = new ProgramsOnlyProxy(&dialog);
        dialog.setProxyModel(proxy);
        QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                         [proxy, first = filters.first()](const QString &filter) {
                             proxy->setProgramsOnly(filter == first);
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QDir::toNativeSeparators(dialog.selectedFiles().first());
    return true;
}
