// Drives, directories, filters, the file list's selection and its status.

#include "UiFixture.h"

#include "DirectoryListBox.h"
#include "Drives.h"
#include "FileListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void clickItem(FileListBox *list, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

}  // namespace

class TstFileSelection : public QObject {
    Q_OBJECT

private slots:
    void driveRootsLeaveOutPseudoFileSystems()
    {
        const QList<MountedVolume> volumes = {
            {QStringLiteral("/"), "overlay"},           {QStringLiteral("/proc"), "proc"},
            {QStringLiteral("/sys/fs/cgroup"), "tmpfs"}, {QStringLiteral("/media/usb"), "vfat"},
            {QStringLiteral("/dev/shm"), "tmpfs"},      {QStringLiteral("/home"), "ext4"},
            {QStringLiteral("/run/user/1000/doc"), "fuse.portal"}, {QStringLiteral("/home/"), "ext4"},
            {QStringLiteral("/run/media/x"), "ext4"},   {QStringLiteral("/var/lib/docker/overlay2/m"), "overlay"},
        };
        QCOMPARE(posixDriveRoots(volumes),
                 QStringList({QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/media/usb")}));
        QCOMPARE(posixDriveRoots({}), QStringList({QStringLiteral("/")}));
        QVERIFY(machineDriveRoots().size() >= 1);

        // A directory's drive is the longest root it lies in, whole names only.
        const QStringList roots{QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/media/usb")};
        for (const auto &[dir, drive] : {std::pair{"/home/ann/web", "/home"}, {"/home", "/home"}, {"/homework", "/"}, {"/", "/"}})
            QCOMPARE(driveOf(QString::fromLatin1(dir), roots), QString::fromLatin1(drive));
    }

    void directoryListShowsPathAndVisibleSubdirectories()
    {
        UiFixture fx;
        QDir work(fx.workDir.path());
        for (const char *name : {"beta", "Alpha", ".hidden", "gamma"})
            work.mkdir(QLatin1String(name));
        TForm1 &form = fx.start();
        DirectoryListBox *list = form.DirectoryListBox1;

        const QStringList parts = fx.workDir.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QCOMPARE(list->entryCount(), 1 + parts.size() + 3);
        QCOMPARE(list->entryText(0), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(list->currentDirectoryRow(), parts.size());
        QCOMPARE(list->entryText(parts.size()), parts.last());
        QCOMPARE(list->entryText(parts.size() + 1), QStringLiteral("Alpha"));
        QCOMPARE(list->entryText(parts.size() + 2), QStringLiteral("beta"));
        QCOMPARE(list->entryText(parts.size() + 3), QStringLiteral("gamma"));
        QCOMPARE(list->entryPath(parts.size() + 1), QDir::toNativeSeparators(work.filePath(QStringLiteral("Alpha"))));
        QCOMPARE(list->entryPath(parts.size() - 1), QDir::toNativeSeparators(QFileInfo(work.path()).path()));
    }

    void directoryChangeResetsFieldsAndList()
    {
        UiFixture fx;
        QDir work(fx.workDir.path());
        work.mkdir(QStringLiteral("sub"));
        makeFiles(fx.workDir.path(), {QStringLiteral("top1.txt"), QStringLiteral("top2.txt")});
        makeFiles(work.filePath(QStringLiteral("sub")), {QStringLiteral("x.gif"), QStringLiteral("y.gif"),
                                                         QStringLiteral("z.gif"), QStringLiteral(".secret")});
        TForm1 &form = fx.start();
        form.FileListBox1->setItemSelected(0, true);
        form.titleedit->setText(QStringLiteral("typed title"));
        form.documentnameedit->setText(QStringLiteral("typed"));
        form.headingcheck->setChecked(false);
        form.setStatusText(QStringLiteral("Document created"));

        // Activating an entry, as a double click does.
        const int subRow = form.DirectoryListBox1->entryCount() - 1;
        QCOMPARE(form.DirectoryListBox1->entryText(subRow), QStringLiteral("sub"));
        emit form.DirectoryListBox1->activated(form.DirectoryListBox1->model()->index(subRow, 0));

        const QString sub = QDir::toNativeSeparators(work.filePath(QStringLiteral("sub")));
        QCOMPARE(form.directoryListDirectory(), sub);
        QCOMPARE(form.fileListDirectory(), sub);
        QCOMPARE(QDir::toNativeSeparators(QDir::currentPath()), sub);
        QCOMPARE(form.fileItemCount(), 3);
        QCOMPARE(fx.options.FileCount, 3);
        QCOMPARE(form.selectedCount(), 0);
        QCOMPARE(form.statusPanelText(0), QStringLiteral("No items are selected"));
        QVERIFY(form.statusPanelText(1).isEmpty());
        QCOMPARE(form.titleedit->text(), fx.options.DefaultTitle);
        QCOMPARE(form.documentnameedit->text(), fx.options.DefaultFileName);
        // The heading field gets the default even while the heading is off.
        QCOMPARE(form.headingedit->text(), fx.options.DefaultHeading);
        QVERIFY(!form.headingedit->isEnabled());
    }

    void unreadableDirectoryIsRefused()
    {
        UiFixture fx;
        TForm1 &form = fx.start();
        const QString before = form.directoryListDirectory();
        QVERIFY(!form.DirectoryListBox1->setDirectory(fx.workDir.filePath(QStringLiteral("missing"))));
        QCOMPARE(form.directoryListDirectory(), before);
        QCOMPARE(QDir::toNativeSeparators(QDir::currentPath()), before);
    }

    void filterChangeRereadsTheList()
    {
        UiFixture fx;
        QVERIFY(QDir(fx.workDir.path()).mkdir(QStringLiteral("sub.txt")));
        makeFiles(fx.workDir.path(), {QStringLiteral("c.txt"), QStringLiteral("b.txt"), QStringLiteral("B.txt"),
                                      QStringLiteral("a.gif"), QStringLiteral("D.JPEG"), QStringLiteral("d.html"),
                                      QStringLiteral("README"), QStringLiteral(".hidden.txt")});
        TForm1 &form = fx.start();
        auto items = [&] {
            QStringList names;
            for (int i = 0; i < form.fileItemCount(); ++i)
                names << form.fileItem(i);
            return names;
        };
        // "*.*" lists names without a dot too; letter case matters only between equal names.
        QCOMPARE(items(), QStringList({"a.gif", "B.txt", "b.txt", "c.txt", "d.html", "D.JPEG", "README"}));
        form.FileListBox1->setItemSelected(0, true);
        form.setStatusText(QStringLiteral("Document created"));

        form.FilterComboBox1->setCurrentIndex(1);  // pictures; masks ignore letter case
        QCOMPARE(items(), QStringList({"a.gif", "D.JPEG"}));
        QCOMPARE(fx.options.FileCount, 2);
        QCOMPARE(form.selectedCount(), 0);
        QCOMPARE(form.statusPanelText(0), QStringLiteral("No items are selected"));
        QVERIFY(form.statusPanelText(1).isEmpty());
        form.FilterComboBox1->setCurrentIndex(4);
        QCOMPARE(items(), QStringList{"d.html"});
    }

    void userSelectionStatus_data()
    {
        QTest::addColumn<QList<int>>("ctrlClicks");
        QTest::addColumn<QString>("status");
        QTest::newRow("one") << QList<int>{1} << "1 item is selected";
        QTest::newRow("two") << QList<int>{0, 2} << "2 items are selected";
        QTest::newRow("two, then both removed") << QList<int>{0, 2, 0, 2} << "No items are selected";
    }

    void userSelectionStatus()
    {
        QFETCH(QList<int>, ctrlClicks);
        QFETCH(QString, status);

        UiFixture fx;
        makeFiles(fx.workDir.path(), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        TForm1 &form = fx.start();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setStatusText(QStringLiteral("Document created"));

        for (int row : ctrlClicks)
            clickItem(form.FileListBox1, row, Qt::ControlModifier);
        QCOMPARE(form.statusPanelText(0), status);
        QVERIFY(form.statusPanelText(1).isEmpty());
    }

    void selectionButtons_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<int>>("selectedBefore");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("status");

        QTest::newRow("all of three") << 3 << QList<int>{} << "selectallButton" << 3 << "3 items are selected";
        QTest::newRow("all of one") << 1 << QList<int>{} << "selectallButton" << 1 << "1 item is selected";
        QTest::newRow("all of none") << 0 << QList<int>{} << "selectallButton" << 0 << "0 items are selected";
        QTest::newRow("invert all") << 3 << QList<int>{0, 1, 2} << "invertselbutton" << 0 << "No items are selected";
        QTest::newRow("invert none") << 3 << QList<int>{} << "invertselbutton" << 3 << "3 items are selected";
        QTest::newRow("invert one of three") << 3 << QList<int>{1} << "invertselbutton" << 2 << "2 items are selected";
        QTest::newRow("invert in an empty list") << 0 << QList<int>{} << "invertselbutton" << 0
                                                << "No items are selected";
        QTest::newRow("none") << 3 << QList<int>{0, 2} << "selectnonebutton" << 0 << "No items are selected";
    }

    void selectionButtons()
    {
        QFETCH(int, files);
        QFETCH(QList<int>, selectedBefore);
        QFETCH(QString, button);
        QFETCH(int, selectedAfter);
        QFETCH(QString, status);

        UiFixture fx;
        for (int i = 0; i < files; ++i)
            makeFiles(fx.workDir.path(), {QStringLiteral("f%1").arg(i)});
        TForm1 &form = fx.start();
        for (int row : selectedBefore)
            form.FileListBox1->setItemSelected(row, true);
        form.setStatusText(QStringLiteral("Document created"));
        form.setProgressPosition(50);

        form.findChild<QPushButton *>(button)->click();
        QCOMPARE(form.selectedCount(), selectedAfter);
        QCOMPARE(form.statusPanelText(0), status);
        QVERIFY(form.statusPanelText(1).isEmpty());
        QCOMPARE(form.progressPosition(), 0);
        if (button == QLatin1String("invertselbutton")) {
            for (int row = 0; row < files; ++row)
                QCOMPARE(form.fileSelected(row), !selectedBefore.contains(row));
        }
    }

    void scatteredSelectionIsCountedOnce()
    {
        UiFixture fx;
        for (int i = 0; i < 200; ++i)
            makeFiles(fx.workDir.path(), {QStringLiteral("n%1").arg(i, 3, 10, QLatin1Char('0'))});
        TForm1 &form = fx.start();
        FileListBox *list = form.FileListBox1;
        for (int row = 0; row < 200; row += 2)
            list->setItemSelected(row, true);
        list->setItemSelected(10, true);  // once more: still one item
        QCOMPARE(form.selectedCount(), 100);
        QVERIFY(form.fileSelected(10) && !form.fileSelected(11));

        form.invertselbuttonClick();
        QCOMPARE(form.selectedCount(), 100);
        QVERIFY(!form.fileSelected(10) && form.fileSelected(11));
        list->setItemSelected(11, false);
        QCOMPARE(form.selectedCount(), 99);
        QVERIFY(!form.fileSelected(11));
    }
};

QTEST_MAIN(TstFileSelection)
#include "tst_fileselection.moc"
