// The main window and its dialogs: option controls, start-up, the run, Exit,
// the file selection, the dialogs and the services reached through the seams.

#include "UiFixture.h"

#include "ColorSwatch.h"
#include "DirectoryListBox.h"
#include "Drives.h"
#include "FileListBox.h"
#include "MLButton.h"
#include "NativePaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <tuple>

using Action = std::function<void(TForm1 &)>;
Q_DECLARE_METATYPE(Action)

namespace {

void clickItem(FileListBox *list, int row, Qt::KeyboardModifiers modifiers)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

// The names of the dialog's radio buttons that are selected (or enabled).
QStringList radios(const QWidget &dialog, bool (QWidget::*state)() const = nullptr)
{
    QStringList result;
    for (QRadioButton *radio : dialog.findChildren<QRadioButton *>())
        if (state ? (radio->*state)() : radio->isChecked())
            result.append(radio->objectName());
    result.sort();
    return result;
}

QString programDirWithSound(const QTemporaryDir &dir, bool fileThere)
{
    if (fileThere)
        makeFiles(dir.path(), {QStringLiteral("ready.wav")});
    return withTrailingSeparator(QDir::toNativeSeparators(dir.path()), nativePathStyle());
}

// After the list is reread: nothing selected and the last run's report gone.
void expectFreshList(TForm1 &form, const GenerationOptions &options, int count)
{
    QCOMPARE(form.fileItemCount(), count);
    QCOMPARE(options.FileCount, count);
    QCOMPARE(form.selectedCount(), 0);
    QCOMPARE(form.statusPanelText(0), QStringLiteral("No items are selected"));
    QVERIFY(form.statusPanelText(1).isEmpty());
}

}  // namespace

class TstWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpFromSettingsFile()
    {
        // The position is applied without a check against the screen.
        const QByteArray settings = "[Position]\r\nx=-2000\r\ny=40\r\n[Default]\r\nHeadingdefault=Holiday\r\n"
                                    "Usestandard=0\r\nBrowserdefault=\r\n[Colors]\r\nBackground=0xFFFFFF\r\n";
        UiFixture fx({}, settings);
        TForm1 &form = fx.start();

        QCOMPARE(form.pos(), QPoint(-2000, 40));
        QCOMPARE(form.headingedit->text(), QStringLiteral("Holiday"));
        QVERIFY(form.browserstartbutton->text().endsWith(QStringLiteral("Internet Browser")) && !form.browserstartbutton->isEnabled());
        QVERIFY(form.bgcolorpanel->color() == 0xFFFFFF && fx.options.BgColor == 0xFFFFFF);
        // Picture mode: its boxes enabled and clear, the others greyed.
        QVERIFY(form.internradio->isChecked() && fx.options.EmbedPictures && !fx.options.PlainTextMode);
        QVERIFY(form.shrinkCheck->isEnabled() && !form.shrinkCheck->isChecked());
        QVERIFY(!form.showsubdircheck->isEnabled() && !form.showpathCheck->isEnabled());
        QCOMPARE(fx.options.StartDirectory, QDir::toNativeSeparators(fx.workDir.path()));
        QCOMPARE(readFile(fx.settingsPath()), settings);          // start-up only reads
    }

    // Picture boxes live only in picture mode, the subdirectory box only in
    // plain-text mode; leaving a mode clears its ticks.
    void entryModeRules_data()
    {
        QTest::addColumn<QStringList>("modes");  // selected in turn, the boxes ticked after the first
        QTest::addColumn<bool>("embedPictures");
        QTest::addColumn<bool>("plainText");

        QTest::newRow("picture, ticked, link, picture: unticked")
            << QStringList{"internradio", "externradio", "internradio"} << true << false;
        QTest::newRow("plain, ticked, picture, plain: unticked")
            << QStringList{"plaintextradio", "internradio", "plaintextradio"} << false << true;
        QTest::newRow("plain, ticked, link") << QStringList{"plaintextradio", "externradio"} << false << false;
        QTest::newRow("picture keeps its ticks") << QStringList{"internradio", "internradio"} << true << false;
    }
    void entryModeRules()
    {
        QFETCH(QStringList, modes);
        QFETCH(bool, embedPictures);
        QFETCH(bool, plainText);

        UiFixture fx;
        TForm1 &form = fx.start();
        for (int i = 0; i < modes.size(); ++i) {
            form.findChild<QRadioButton *>(modes[i])->setChecked(true);
            for (QCheckBox *box : {form.shrinkCheck, form.pictureaslinkcheck, form.showsubdircheck})
                if (i == 0 && box->isEnabled())  // only enabled boxes can be ticked by the user
                    box->setChecked(true);
        }

        QCOMPARE(fx.options.EmbedPictures, embedPictures);
        QCOMPARE(fx.options.PlainTextMode, plainText);
        QCOMPARE(form.shrinkCheck->isEnabled(), embedPictures);
        QCOMPARE(form.pictureaslinkcheck->isEnabled(), embedPictures);
        QCOMPARE(form.showsubdircheck->isEnabled(), plainText);
        const bool kept = modes.count(modes[0]) == modes.size();
        QCOMPARE(form.shrinkCheck->isChecked(), kept && embedPictures);
        QCOMPARE(form.pictureaslinkcheck->isChecked(), kept && embedPictures);
        QCOMPARE(form.showsubdircheck->isChecked(), kept && plainText);
        // What the generator sees follows the enabled state too.
        QCOMPARE(form.shrinkOn(), kept && embedPictures);
        QCOMPARE(form.showSubdirChecked(), kept && plainText);
    }

    void headingPathAndCopyButtons()
    {
        UiFixture fx;
        fx.options.DefaultHeading = QStringLiteral("unused");  // start-up reads the real one
        TForm1 &form = fx.start();
        form.headingedit->setText(QStringLiteral("typed heading"));
        form.headingcheck->setChecked(false);
        QVERIFY(!form.headingedit->isEnabled() && form.headingedit->text().isEmpty() && !form.headingChecked());
        form.headingcheck->setChecked(true);
        QVERIFY(form.headingedit->isEnabled());
        QCOMPARE(form.headingedit->text(), kDefaultTitleText);

        // "Show path" only with absolute links, and cleared on every switch.
        for (int round = 0; round < 2; ++round) {
            form.absolutradio->setChecked(true);
            QVERIFY(form.showpathCheck->isEnabled() && !form.showpathCheck->isChecked() && !fx.options.ShowPath);
            form.showpathCheck->setChecked(true);
            QVERIFY(fx.options.ShowPath && form.absoluteChosen());
            form.relativradio->setChecked(true);
            QVERIFY(!fx.options.ShowPath && !form.showpathCheck->isChecked() && !form.showpathCheck->isEnabled());
            QVERIFY(!form.absoluteChosen());
        }

        // The copy buttons reach the heading only while it is ticked.
        const QString dir = QDir::toNativeSeparators(fx.workDir.path());
        for (bool ticked : {false, true}) {
            form.headingcheck->setChecked(ticked);
            const QString before = form.headingedit->text();
            form.titleedit->setText(QStringLiteral("Summer 2024"));
            form.titletoheadingbutton->click();
            QCOMPARE(form.headingedit->text(), ticked ? QStringLiteral("Summer 2024") : before);
            form.currentdirtotitlebutton->click();
            QCOMPARE(form.titleedit->text(), dir);
            QCOMPARE(form.headingedit->text(), ticked ? dir : before);
        }
    }

    void runFeedbackReset_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("cleared");

        const auto tick = [](QCheckBox *TForm1::*box) { return Action([box](TForm1 &f) { (f.*box)->setChecked(true); }); };
        const auto type = [](QLineEdit *TForm1::*edit) { return Action([edit](TForm1 &f) { (f.*edit)->insert("x"); }); };
        QTest::newRow("Size of File ticked") << tick(&TForm1::filesizecheck) << true;
        QTest::newRow("Shrink to fit ticked") << tick(&TForm1::shrinkCheck) << true;
        QTest::newRow("Size of Picture ticked") << tick(&TForm1::picturesizeCheck) << false;
        QTest::newRow("Picture as Link ticked") << tick(&TForm1::pictureaslinkcheck) << false;
        QTest::newRow("title typed") << type(&TForm1::titleedit) << true;
        QTest::newRow("name typed") << type(&TForm1::documentnameedit) << true;
        QTest::newRow(".HTM chosen") << Action([](TForm1 &f) { f.htmradio->setChecked(true); }) << true;
        QTest::newRow("link mode chosen") << Action([](TForm1 &f) { f.externradio->setChecked(true); }) << true;
        QTest::newRow("colour dialog cancelled") << Action([](TForm1 &f) { f.bgcolorbutton->click(); }) << true;
        QTest::newRow("swatch clicked") << Action([](TForm1 &f) { QTest::mouseClick(f.textcolorpanel, Qt::LeftButton); }) << true;
        QTest::newRow("title clicked") << Action([](TForm1 &f) { QTest::mouseClick(f.titleedit, Qt::LeftButton); }) << true;
    }
    void runFeedbackReset()
    {
        QFETCH(Action, action);
        QFETCH(bool, cleared);

        UiFixture fx;
        TForm1 &form = fx.start();
        form.show();
        form.setStatusText(QStringLiteral("Document created"));
        form.setProgressMaximum(10);
        form.setProgressPosition(10);
        action(form);
        QCOMPARE(form.statusPanelText(1), cleared ? QString() : QStringLiteral("Document created"));
        QCOMPARE(form.progressPosition(), cleared ? 0 : 10);
    }

    void colourChosenAndSwatchRestoresDefault()
    {
        UiFixture fx;
        TForm1 &form = fx.start();
        form.show();
        GenerationOptions &o = fx.options;
        const std::array<std::tuple<QPushButton *, ColorSwatch *, qint32 *, qint32>, 4> colours{{
            {form.bgcolorbutton, form.bgcolorpanel, &o.BgColor, o.DefaultBgColor},
            {form.linkcolorbutton, form.linkcolorpanel, &o.LinkColor, o.DefaultLinkColor},
            {form.vlinkcolorbutton, form.vlinkcolorpanel, &o.VLinkColor, o.DefaultVLinkColor},
            {form.textcolorbutton, form.textcolorpanel, &o.TextColor, o.DefaultTextColor},
        }};
        for (const auto &[button, panel, current, fallback] : colours) {
            fx.colors.presets.clear();
            fx.colors.nextAnswer = 0x123456;
            button->click();
            button->click();  // cancelled
            QCOMPARE(fx.colors.presets, QList<qint32>({fallback, 0x123456}));  // opened on the current colour
            QVERIFY(*current == 0x123456 && panel->color() == 0x123456);
            QTest::mouseClick(panel, Qt::LeftButton);
            QVERIFY(*current == fallback && panel->color() == fallback);
            QCOMPARE(fx.colors.presets.size(), 2);  // a swatch opens no dialog
        }
    }

    void returnFromOwnWindowIsAnActivation()
    {
        UiFixture fx({QStringLiteral("a.txt")});
        TForm1 &form = fx.start();
        fx.options.FileCount = -1;
        form.show();  // being shown is the first activation
        QCOMPARE(fx.options.FileCount, 1);
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QDialog dialog(&form);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        fx.options.FileCount = -1;
        fx.options.TableBorderWidth = 7;
        dialog.close();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(fx.options.FileCount == 1 && fx.options.TableBorderText == QLatin1String("0"));
    }

    void createDocumentFromWindow_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("htm");
        QTest::addColumn<QByteArray>("marker");

        QTest::newRow("pictures") << "internradio" << false << QByteArray("<IMG SRC=\"b.gif\"");
        QTest::newRow("links") << "externradio" << true << QByteArray("<A HREF=\"b.gif\">");
        QTest::newRow("plain text") << "plaintextradio" << false << QByteArray("<FONT FACE = \"Courier New\">");
    }
    void createDocumentFromWindow()
    {
        QFETCH(QString, mode);
        QFETCH(bool, htm);
        QFETCH(QByteArray, marker);

        UiFixture fx;
        const QString site = fx.workDir.filePath(QStringLiteral("site"));
        QDir().mkdir(site);
        makeFiles(site, {"a.gif", "b.gif", "c.txt"});
        TForm1 &form = fx.start();

        QVERIFY(form.DirectoryListBox1->setDirectory(site));
        form.findChild<QRadioButton *>(mode)->setChecked(true);
        (htm ? form.htmradio : form.htmlradio)->setChecked(true);
        form.documentnameedit->setText(QStringLiteral("index"));
        form.FileListBox1->setItemSelected(1, true);
        form.FileListBox1->setItemSelected(2, true);
        form.makefilebutton->click();

        QVERIFY(form.lastRunOutcome() == RunOutcome::Completed);
        QVERIFY2(fx.messages.shown.isEmpty(), qPrintable(fx.messages.shown.value(0)));
        const QString written = site + (htm ? QStringLiteral("/index.htm") : QStringLiteral("/index.html"));
        const QByteArray page = readFile(written);
        QVERIFY(page.startsWith("<HTML>\r\n") && page.contains(marker));
        QVERIFY(page.contains("c.txt") && !page.contains("a.gif"));
        QCOMPARE(form.statusPanelText(1), QStringLiteral("Document created"));
        QVERIFY(form.progressMaximum() == 2 && form.progressPosition() == 2 && form.browserstartbutton->isEnabled());
        QVERIFY(form.browserstartbutton->text().contains(QDir::toNativeSeparators(written) + QLatin1Char(' ')));
    }

    void createWithoutSelection()
    {
        UiFixture fx({QStringLiteral("a.txt")});
        TForm1 &form = fx.start();
        form.makefilebutton->click();

        QVERIFY(form.lastRunOutcome() == RunOutcome::NoSelection);
        QCOMPARE(fx.messages.shown, QStringList{QStringLiteral("No Files selected!")});
        QCOMPARE(fx.messages.types, QList<MessageType>{MessageType::Error});
        QCOMPARE(form.progressMaximum(), 0);
        QVERIFY(!QFile::exists(fx.workDir.filePath(QStringLiteral("quorvant.html"))));
    }

    void exitWritesSettingsCloseBoxDoesNot()
    {
        {
            UiFixture fx;
            fx.start().show();
            QVERIFY(fx.form->close());
            QVERIFY(!QFile::exists(fx.settingsPath()));
        }
        UiFixture fx;
        TForm1 &form = fx.start();
        form.show();
        form.move(300, 200);
        fx.options.DefaultTitle = QStringLiteral("Saved title");
        form.exitbutton->click();

        QVERIFY(!form.isVisible() && fx.messages.shown.isEmpty());
        const QByteArray ini = readFile(fx.settingsPath());
        QVERIFY(ini.startsWith("[Position]\r\nx=300\r\ny=200\r\n"));
        QVERIFY(ini.contains("Titledefault=Saved title\r\n"));
        QVERIFY(ini.contains("[Sound]\r\nPlaysound=0"));
    }

    void exitFailureKeepsProgramOpen()
    {
        UiFixture fx;
        // A settings path below a plain file cannot be written, not even by root.
        const QString blocker = fx.settingsDir.filePath(QStringLiteral("not-a-directory"));
        QVERIFY(writeFile(blocker, "x"));
        TForm1 &form = fx.start(blocker + QStringLiteral("/quorva21.ini"));
        form.show();

        for (int press = 1; press <= 2; ++press) {
            form.exitbutton->click();
            QCOMPARE(fx.messages.shown.size(), press);
            QCOMPARE(fx.messages.types.last(), MessageType::Error);
            const QString &text = fx.messages.shown.last();
            QVERIFY2(text.startsWith(QStringLiteral("Unable to write to ")) && text.endsWith(QStringLiteral("quorva21.ini")),
                     qPrintable(text));
            QVERIFY(form.isVisible());
        }
    }

    void driveRootsLeaveOutPseudoFileSystems()
    {
        const QList<MountedVolume> volumes = {
            {"/", "overlay"}, {"/proc", "proc"}, {"/sys/fs/cgroup", "tmpfs"}, {"/media/usb", "vfat"},
            {"/dev/shm", "tmpfs"}, {"/home", "ext4"}, {"/run/user/1000/doc", "fuse.portal"}, {"/home/", "ext4"},
            {"/run/media/x", "ext4"}, {"/var/lib/docker/overlay2/m", "overlay"},
        };
        const QStringList roots{"/", "/home", "/media/usb"};
        QCOMPARE(posixDriveRoots(volumes), roots);
        QCOMPARE(posixDriveRoots({}), QStringList{"/"});
        QVERIFY(!machineDriveRoots().isEmpty());
        // A directory's drive is the longest root it lies in, whole names only.
        for (const auto &[dir, drive] : {std::pair{"/home/ann/web", "/home"}, {"/home", "/home"}, {"/homework", "/"}, {"/", "/"}})
            QCOMPARE(driveOf(QString::fromLatin1(dir), roots), QString::fromLatin1(drive));
    }

    void directoryListShowsPathAndVisibleSubdirectories()
    {
        UiFixture fx;
        QDir work(fx.workDir.path());
        for (const char *name : {"beta", "Alpha", ".hidden", "gamma"})
            work.mkdir(QLatin1String(name));
        DirectoryListBox *list = fx.start().DirectoryListBox1;

        const QStringList parts = fx.workDir.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QStringList entries;
        for (int i = 0; i < list->entryCount(); ++i)
            entries << list->entryText(i);
        QCOMPARE(entries, QStringList(QDir::toNativeSeparators(QDir::rootPath())) + parts + QStringList({"Alpha", "beta", "gamma"}));
        QCOMPARE(list->currentDirectoryRow(), parts.size());
        QCOMPARE(list->entryPath(parts.size() + 1), QDir::toNativeSeparators(work.filePath(QStringLiteral("Alpha"))));
        QCOMPARE(list->entryPath(parts.size() - 1), QDir::toNativeSeparators(QFileInfo(work.path()).path()));
    }

    void directoryChangeResetsFieldsAndList()
    {
        UiFixture fx({QStringLiteral("top1.txt"), QStringLiteral("top2.txt")});
        QDir work(fx.workDir.path());
        work.mkdir(QStringLiteral("sub"));
        makeFiles(work.filePath(QStringLiteral("sub")), {"x.gif", "y.gif", "z.gif", ".secret"});
#ifdef Q_OS_UNIX
        // A name the list cannot hold is named in one warning, not dropped silently.
        if (FILE *raw = ::fopen(QFile::encodeName(work.filePath(QStringLiteral("sub"))) + "/bad\xff.gif", "w"))
            ::fclose(raw);
#endif
        TForm1 &form = fx.start();
        // A directory that cannot be read is refused and changes nothing.
        QVERIFY(!form.DirectoryListBox1->setDirectory(fx.workDir.filePath(QStringLiteral("missing"))));
        QCOMPARE(form.directoryListDirectory(), QDir::toNativeSeparators(fx.workDir.path()));
        QCOMPARE(QDir::currentPath(), fx.workDir.path());

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
        expectFreshList(form, fx.options, 3);
#ifdef Q_OS_UNIX
        QCOMPARE(fx.messages.shown.filter(QStringLiteral("bad\\xFF.gif")).size(), 1);
#endif
        QCOMPARE(form.titleedit->text(), fx.options.DefaultTitle);
        QCOMPARE(form.documentnameedit->text(), fx.options.DefaultFileName);
        // The heading field gets the default even while the heading is off.
        QCOMPARE(form.headingedit->text(), fx.options.DefaultHeading);
        QVERIFY(!form.headingedit->isEnabled());
    }

    void filterChangeRereadsTheList()
    {
        UiFixture fx({"c.txt", "b.txt", "B.txt", "a.gif", "D.JPEG", "d.html", "README", ".hidden.txt"});
        QVERIFY(QDir(fx.workDir.path()).mkdir(QStringLiteral("sub.txt")));
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
        expectFreshList(form, fx.options, 2);
        form.FilterComboBox1->setCurrentIndex(4);
        QCOMPARE(items(), QStringList{"d.html"});
    }

    void userSelectionStatus()
    {
        const std::pair<QList<int>, const char *> cases[] = {
            {{1}, "1 item is selected"}, {{0, 2}, "2 items are selected"}, {{0, 2, 0, 2}, "No items are selected"}};
        for (const auto &[ctrlClicks, status] : cases) {
            UiFixture fx({"a", "b", "c"});
            TForm1 &form = fx.start();
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.setStatusText(QStringLiteral("Document created"));
            for (int row : ctrlClicks)
                clickItem(form.FileListBox1, row, Qt::ControlModifier);
            QCOMPARE(form.statusPanelText(0), QString::fromLatin1(status));
            QVERIFY(form.statusPanelText(1).isEmpty());
        }
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

    void cancelKeepsWhatTookEffectAtOnce()
    {
        UiFixture fx({}, "[Colors]\r\nLinks=255\r\n");
        TForm1 &form = fx.withDialogs();
        Toptionform &d = *fx.optionDialog;
        fx.colors.nextAnswer = 0x00FF00;
        fx.scriptDialogs([&](QDialog &) {
            d.defaultbgcolorbutton->click();
            QTest::mouseClick(d.defaultlinkcolorpanel, Qt::LeftButton);  // back to the built-in default
            d.standardbrowsercheck->setChecked(false);
            d.deftitleEdit->setText(QStringLiteral("Typed title"));
            d.playsoundCheck->setChecked(true);
            d.cancelbutton->click();
        });
        form.progoptionbutton->click();

        // Colours and the browser choice take effect at once; the window's own colours only with a save.
        QCOMPARE(QList<qint32>({fx.options.DefaultBgColor, fx.options.DefaultLinkColor, form.bgcolorpanel->color(), fx.options.LinkColor}),
                 QList<qint32>({0x00FF00, 16711680, 0xC0C0C0, 255}));
        QVERIFY(!fx.options.UseStandardBrowser && !fx.options.PlaySoundEnabled);
        QCOMPARE(fx.options.BrowserPath, QStringLiteral("Standard Browser"));
        QCOMPARE(fx.options.DefaultTitle, kDefaultTitleText);

        // The next opening reloads the texts and shows what was kept.
        QStringList seen;
        fx.scriptDialogs([&](QDialog &) {
            seen = {d.deftitleEdit->text(), d.defbrowserEdit->text(), QString::number(d.defbrowserEdit->isEnabled()),
                    QString::number(d.defaultbgcolorpanel->color())};
        });
        form.progoptionbutton->click();
        QCOMPARE(seen, QStringList({kDefaultTitleText, "Standard Browser", "1", QString::number(0x00FF00)}));
    }

    void saveOverwritesTheWindowWithTheDefaults()
    {
        UiFixture fx;
        TForm1 &form = fx.withDialogs();
        Toptionform &d = *fx.optionDialog;
        form.titleedit->setText(QStringLiteral("my title"));
        form.headingedit->setText(QStringLiteral("my heading"));
        form.documentnameedit->setText(QStringLiteral("mine"));
        fx.colors.nextAnswer = 0x112233;
        form.textcolorbutton->click();

        fx.scriptDialogs([&](QDialog &) {
            d.deftitleEdit->setText(QStringLiteral("T"));
            d.defheadingEdit->setText(QString());  // an empty default is accepted
            d.okbutton->click();
        });
        form.progoptionbutton->click();

        QCOMPARE(form.titleedit->text(), QStringLiteral("T"));
        QCOMPARE(form.headingedit->text(), QString());
        QCOMPARE(form.documentnameedit->text(), QStringLiteral("quorvant"));  // unchanged default, still applied
        QCOMPARE(form.textcolorpanel->color(), 0);
        QCOMPARE(form.pos(), QPoint(144, 86));  // a plain save does not move the window

        // With the heading off, its field is left alone; the other save centres the window.
        form.headingcheck->setChecked(false);
        form.show();
        fx.scriptDialogs([&](QDialog &) { d.okcenterbutton->click(); });
        form.progoptionbutton->click();
        QVERIFY(form.headingedit->text().isEmpty() && !form.headingedit->isEnabled());
        const QSize outer = form.frameGeometry().size();
        QCOMPARE(form.pos(), centredTopLeft(1024, 768, outer.width(), outer.height()));
        QVERIFY(!fx.options.CenterWindowPending);
        QCOMPARE(centredTopLeft(1025, 769, 640, 488), QPoint(192, 140));
        QCOMPARE(centredTopLeft(600, 400, 640, 489), QPoint(0, 0));  // never off the top or left
    }

    void browserNameAfterSaving()
    {
        const QString program = QDir::toNativeSeparators(QStringLiteral("/opt/web tools/view.exe"));
        // Standard browser or not, the program chosen (empty: search cancelled), the name shown.
        for (const auto &[standard, chosen, shownName] : {std::tuple{true, QString(), "Standard Browser"},
                                                          {false, QString(), "Internet Browser"}, {false, program, "view.exe"}}) {
            UiFixture fx({}, "[Default]\r\nUsestandard=0\r\nBrowserdefault=old.exe\r\n");
            TForm1 &form = fx.withDialogs();
            Toptionform &d = *fx.optionDialog;
            fx.scriptDialogs([&, standard = standard, chosen = chosen](QDialog &) {
                d.standardbrowsercheck->setChecked(true);  // any change empties the field
                d.standardbrowsercheck->setChecked(standard);
                if (!chosen.isEmpty())
                    fx.programs.nextAnswer = chosen;
                if (!standard)
                    d.browsersearchButton->click();
                d.okbutton->click();
            });
            form.progoptionbutton->click();
            QCOMPARE(fx.options.UseStandardBrowser, standard);
            QCOMPARE(fx.options.BrowserPath, chosen);
            QCOMPARE(fx.options.BrowserDisplayName, QString::fromLatin1(shownName));
            QCOMPARE(form.browserstartbutton->text(), QStringLiteral("Show recently created Document with ") + shownName);
            QVERIFY(!form.browserstartbutton->isEnabled());
        }
    }

    void tableChoicesNoneAndSaveAsDefault()
    {
        UiFixture fx;
        TForm1 &form = fx.withDialogs();
        Ttableoptionform &d = *fx.tableDialog;
        fx.scriptDialogs([&](QDialog &) {
            QTest::mouseClick(d.threecolumns, Qt::LeftButton);
            QTest::mouseClick(d.width4, Qt::LeftButton);
            QTest::mouseClick(d.alignleft, Qt::LeftButton);
            QTest::mouseClick(d.valignbottom, Qt::LeftButton);
            d.cancelbutton->click();
        });
        form.tableoptionbutton->click();
        QVERIFY(fx.options.TableLayout && fx.options.TableColumns == 3 && fx.options.DefaultTableColumns == 0);
        QCOMPARE(fx.options.TableBorderText, QStringLiteral("4"));
        form.FormActivate();
        QCOMPARE(radios(d), QStringList({"alignleft", "threecolumns", "valignbottom", "width4"}));

        // "None" greys the twelve, keeps their selection, and also after the next activation.
        fx.scriptDialogs([&](QDialog &) {
            d.nocolumn->setChecked(true);
            form.FormActivate();
            d.saveButton->click();
        });
        form.tableoptionbutton->click();
        QCOMPARE(radios(d, &QWidget::isEnabled),
                 QStringList({"fivecolumns", "fourcolumns", "nocolumn", "onecolumn", "threecolumns", "twocolumns"}));
        QCOMPARE(radios(d), QStringList({"alignleft", "nocolumn", "valignbottom", "width4"}));
        QVERIFY(!fx.options.TableLayout);
        QCOMPARE(QStringList({QString::number(fx.options.DefaultTableColumns), QString::number(fx.options.DefaultTableBorderWidth),
                              fx.options.DefaultTableAlign, fx.options.DefaultTableVAlign}),
                 QStringList({"0", "4", "LEFT", "BOTTOM"}));

        d.twocolumns->setChecked(true);
        QCOMPARE(radios(d, &QWidget::isEnabled).size(), 18);
        QCOMPARE(fx.options.TableBorderWidth, 4);
    }

    void activationCorrections_data()
    {
        // Columns, border, align and valign as stored, then as corrected.
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("fixed");
        QTest::addColumn<QStringList>("selected");

        QTest::newRow("columns 6") << QStringList{"6", "1", "CENTER", "MIDDLE"} << QStringList{"0", "1", "CENTER", "MIDDLE"}
                                   << QStringList{"aligncenter", "nocolumn", "valignmiddle", "width1"};
        QTest::newRow("columns -1") << QStringList{"-1", "0", "RIGHT", "TOP"} << QStringList{"0", "0", "RIGHT", "TOP"}
                                    << QStringList{"alignright", "nocolumn", "valigntop", "width0"};
        QTest::newRow("border 9") << QStringList{"5", "9", "LEFT", "BOTTOM"} << QStringList{"5", "0", "LEFT", "BOTTOM"}
                                  << QStringList{"alignleft", "fivecolumns", "valignbottom", "width0"};
        QTest::newRow("left, Left, middle") << QStringList{"1", "5", "left", "middle"}
                                            << QStringList{"1", "5", "CENTER", "MIDDLE"}
                                            << QStringList{"aligncenter", "onecolumn", "valignmiddle", "width5"};
        QTest::newRow("Left") << QStringList{"2", "2", "Left", "Top"} << QStringList{"2", "2", "CENTER", "MIDDLE"}
                              << QStringList{"aligncenter", "twocolumns", "valignmiddle", "width2"};
    }

    void activationCorrections()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, fixed);
        QFETCH(QStringList, selected);

        // Other selections first, so each expected one is a real change.
        UiFixture fx({}, "[Table]\r\nColumnsdefault=4\r\nBorderwidthdefault=4\r\nAligndefault=RIGHT\r\nVAligndefault=BOTTOM\r\n");
        TForm1 &form = fx.withDialogs();
        GenerationOptions &o = fx.options;
        o.TableColumns = stored[0].toInt();
        o.TableBorderWidth = stored[1].toInt();
        o.TableAlign = stored[2];
        o.TableVAlign = stored[3];
        form.FormActivate();

        QCOMPARE(QStringList({QString::number(o.TableColumns), QString::number(o.TableBorderWidth), o.TableAlign,
                              o.TableVAlign}),
                 fixed);
        QCOMPARE(o.TableLayout, o.TableColumns > 0);
        QCOMPARE(o.TableBorderText, fixed[1]);
        QCOMPARE(o.DefaultTableColumns, 4);  // the saved defaults are not corrected
        QCOMPARE(radios(*fx.tableDialog), selected);
        QCOMPARE(fx.tableDialog->width0->isEnabled(), o.TableLayout);
    }

    void browserMessages_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("openResult");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QStringList>("messages");

        const QByteArray standard = "[Default]\r\nUsestandard=1\r\n";
        const QByteArray chosen = "[Default]\r\nUsestandard=0\r\nBrowserdefault=/opt/web/view\r\n";
        QTest::newRow("standard opens") << standard << int(OpenResult::Opened) << true << QStringList();
        QTest::newRow("standard, no association") << standard << int(OpenResult::NoAssociation) << true
                                                  << QStringList{"No program is associated with HTML-Documents!"};
        QTest::newRow("standard, document gone") << standard << int(OpenResult::Missing) << true
                                                 << QStringList{"Error while executing Standard Browser!"};
        QTest::newRow("chosen starts") << chosen << int(OpenResult::Failed) << true << QStringList();
        QTest::newRow("chosen fails") << chosen << int(OpenResult::Failed) << false
                                      << QStringList{"Error while executing view!"};
        QTest::newRow("none chosen") << QByteArray("[Default]\r\nUsestandard=0\r\n") << int(OpenResult::Failed) << false
                                     << QStringList{"Error while executing Internet Browser!",
                                                    "No Internet Browser selected!"};
    }

    void browserMessages()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, openResult);
        QFETCH(bool, startWorks);
        QFETCH(QStringList, messages);

        UiFixture fx({}, settings);
        TForm1 &form = fx.withDialogs();
        // Blanks, and longer than the old 160-character command line.
        const QString document = QDir::toNativeSeparators(fx.workDir.path() + QStringLiteral("/my pages/")
                                                          + QString(150, QLatin1Char('x')) + QStringLiteral(".html"));
        fx.options.LastDocumentName = document;
        fx.shell.nextOpenResult = OpenResult(openResult);
        fx.shell.nextStartResult = startWorks;
        form.setBrowserButton(QStringLiteral("Show it"), true);
        form.setStatusText(QStringLiteral("Document created"));
        form.browserstartbutton->click();

        QCOMPARE(fx.messages.shown, messages);
        QCOMPARE(fx.messages.types.count(MessageType::Error), messages.size());
        // The document path reaches the browser whole, as one argument.
        const bool standard = fx.options.UseStandardBrowser;
        QCOMPARE(fx.shell.opened, standard ? QStringList{document} : QStringList());
        QCOMPARE(fx.shell.started, standard ? QList<QStringList>() : (QList<QStringList>{QStringList{fx.options.BrowserPath, document}}));
        QVERIFY(form.statusPanelText(1).isEmpty());
    }

    void helpFile()
    {
        // %1: the help file's path, found where the program was started, not where it lives.
        const std::pair<OpenResult, const char *> cases[] = {
            {OpenResult::Opened, ""},
            {OpenResult::Missing, "The help file %1 was not found!"},
            {OpenResult::NoAssociation, "No program is associated with the help file %1!"},
            {OpenResult::Failed, "Error while opening the help file %1!"},
        };
        UiFixture fx;
        TForm1 &form = fx.withDialogs();
        const QString expected = withTrailingSeparator(QDir::toNativeSeparators(fx.workDir.path()), nativePathStyle())
            + QStringLiteral("quorva21.HLP");
        for (const auto &[result, message] : cases) {
            fx.help.nextResult = result;
            fx.messages.shown.clear();
            form.instructButton->click();
            QCOMPARE(fx.help.shown.last(), expected);
            QCOMPARE(fx.messages.shown, *message ? QStringList{QString::fromLatin1(message).arg(expected)} : QStringList());
        }
    }

    void completionSound_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("fileThere");
        QTest::newRow("enabled, file there") << true << true;
        QTest::newRow("disabled") << false << true;
        QTest::newRow("file missing") << true << false;
    }

    void completionSound()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, fileThere);
        const bool ready = enabled && fileThere;

        UiFixture fx({QStringLiteral("a.txt")}, enabled ? "[Sound]\r\nPlaysound=1\r\n" : "[Sound]\r\nPlaysound=0\r\n");
        QTemporaryDir programDir;
        TForm1 &form = fx.withDialogs();
        fx.options.ProgramDir = programDirWithSound(programDir, fileThere);
        fx.sound.calls.clear();

        form.FormActivate();
        QCOMPARE(fx.options.SoundReady, ready);
        const QString open = QStringLiteral("open ") + fx.options.ProgramDir + QStringLiteral("ready.wav");
        QCOMPARE(fx.sound.calls, ready ? QStringList{open} : QStringList());

        // Two runs in a row play twice, each from the start.
        form.FileListBox1->setItemSelected(0, true);
        fx.messages.nextAnswers = {MessageResult::Yes};  // replace the first run's document
        form.makefilebutton->click();
        form.makefilebutton->click();
        QCOMPARE(fx.sound.calls.count(QStringLiteral("play")), ready ? 2 : 0);
        QCOMPARE(fx.messages.shown.size(), 1);  // only the question; a missing file is silent

        // Saving the options with the sound ticked opens the file again.
        fx.scriptDialogs([&](QDialog &) {
            fx.optionDialog->playsoundCheck->setChecked(true);
            fx.optionDialog->okbutton->click();
        });
        form.progoptionbutton->click();
        QCOMPARE(fx.options.SoundReady, fileThere || ready);
        QCOMPARE(fx.sound.calls.count(open), fileThere ? (ready ? 2 : 1) : 0);

        form.exitbutton->click();
        QCOMPARE(fx.sound.calls.count(QStringLiteral("close")), fileThere ? 1 : 0);
    }

    void soundDeviceErrorIsShownOnce()
    {
        UiFixture fx({}, "[Sound]\r\nPlaysound=1\r\n");
        QTemporaryDir programDir;
        TForm1 &form = fx.withDialogs();
        fx.options.ProgramDir = programDirWithSound(programDir, true);
        fx.sound.nextOpenError = QStringLiteral("The device is busy.");

        // Closing the message box is itself an activation.
        form.FormActivate();
        form.FormActivate();
        QCOMPARE(fx.messages.shown, QStringList{QStringLiteral("The device is busy.")});
        QVERIFY(!fx.options.SoundReady);

        fx.sound.nextOpenError.clear();
        form.FormActivate();
        QVERIFY(fx.options.SoundReady);
        // A failure the device reports later, while playing.
        fx.sound.errorHandler(QStringLiteral("The sound device cannot play it."));
        QVERIFY(!fx.options.SoundReady);
        QCOMPARE(fx.messages.shown.size(), 2);
    }

    // Escape leaves the dialogs open, the close box cancels; each is centred
    // and its captions fit, never in a font too small to read.
    void escapeClosingPlacementAndCaptions()
    {
        UiFixture fx;
        fx.withDialogs().show();  // its frame tells what frame the dialogs will get
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (QDialog *dialog : QList<QDialog *>{fx.optionDialog, fx.tableDialog, fx.about}) {
            dialog->setResult(QDialog::Accepted);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QSize outer = dialog->frameGeometry().size();
            QCOMPARE(dialog->pos(), screen.topLeft() + centredTopLeft(screen.width(), screen.height(), outer.width(), outer.height()));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY2(dialog->isVisible(), qPrintable(dialog->objectName()));
            QVERIFY(dialog->close());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            for (QWidget *control : dialog->findChildren<QWidget *>()) {
                const QFontMetrics metrics = control->fontMetrics();
                QVERIFY2(QFontInfo(control->font()).pixelSize() >= 8, qPrintable(control->objectName()));
                if (auto *button = qobject_cast<QPushButton *>(control))
                    QVERIFY2(metrics.horizontalAdvance(button->text()) <= button->width() - 4, qPrintable(button->text()));
                else if (auto *label = qobject_cast<QLabel *>(control))
                    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
                else if (auto *group = qobject_cast<QGroupBox *>(control))
                    QVERIFY2(metrics.horizontalAdvance(group->title()) <= group->width(), qPrintable(group->title()));
            }
        }
    }

    // The multi-line button wraps within its width, even a name with no break
    // opportunity, and switching keeps focus, geometry, caption and enabling.
    void multiLineButton_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("wraps");
        const QString currentDir = QStringLiteral("Current Directory as Title and Heading");
        QTest::newRow("default wraps a long caption") << currentDir << QSize(121, 33) << true << true;
        QTest::newRow("single line when switched off") << currentDir << QSize(121, 33) << false << false;
        QTest::newRow("short caption stays on one line") << QStringLiteral("Exit") << QSize(121, 33) << true << false;
        QTest::newRow("unbroken name breaks anywhere")
            << QString(120, QLatin1Char('x')) + QStringLiteral(".html") << QSize(329, 41) << true << true;
    }
    void multiLineButton()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, multiLine);
        QFETCH(bool, wraps);
        TMultiLineBtn alone(caption);
        alone.resize(size);
        alone.setMultiLine(multiLine);
        QCOMPARE(alone.captionLineCount() > 1, wraps);

        for (bool enabled : {true, false}) {
            QWidget window;
            (new QPushButton(QStringLiteral("Other"), &window))->setGeometry(0, 0, 80, 25);
            auto *button = new TMultiLineBtn(caption, &window);
            button->setGeometry(QRect(QPoint(20, 40), size));
            window.resize(400, 100);
            window.show();
            QApplication::setActiveWindow(&window);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            button->setFocus();
            button->setEnabled(enabled);
            const QWidget *focusBefore = QApplication::focusWidget();
            QCOMPARE(focusBefore == button, enabled);
            for (bool value : {!multiLine, multiLine}) {
                button->setMultiLine(value);
                QCOMPARE(QApplication::focusWidget(), focusBefore);
                QCOMPARE(button->geometry(), QRect(QPoint(20, 40), size));
                QCOMPARE(button->text(), caption);
                QCOMPARE(button->isEnabled(), enabled);
            }
            QCOMPARE(button->captionLineCount() > 1, wraps);
        }
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
