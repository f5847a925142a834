// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the rules between the option controls, the
// run feedback, the file selection, the run, Exit, the browser, help and
// the completion sound, and the multi-line button.

#include "WindowFixture.h"
#include "tests/common/Fetched.h"
#include "ui/DirectoryListBox.h"
#include "ui/MultiLineButton.h"
#include "ui/WindowRunFeedback.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(OpenResult)

namespace {

QProgressBar *progress(const WindowFixture &fx) { return fx.get<QProgressBar>("progressBar"); }

void showRunReport(const WindowFixture &fx)
{
    fx.get<QLabel>("runStatus")->setText("Document created");
    progress(fx)->setValue(10);
}

bool runReportCleared(const WindowFixture &fx) { return fx.status("runStatus").isEmpty() && progress(fx)->value() == 0; }

QStringList listed(const FileListBox *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i);
    return names;
}

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:

    void headingPathAndCopyButtons()
    {
        WindowFixture fx({}, "[Default]\r\nHeadingdefault=Default heading\r\n");
        MainWindow &window = fx.start();
        for (const char *box : {"centerCheck", "fileDateCheck", "pictureSizeCheck"})
            fx.check(box)->setChecked(true);
        const DocumentRequest r = window.documentRequest();
        QVERIFY(r.center && !r.fileSize && r.fileDate && r.pictureSize);

        // A mode's boxes are enabled with it only, and a disabled box is never left ticked.
        QCheckBox *shrink = fx.check("shrinkToFitCheck"), *subdirectories = fx.check("showSubdirectoriesCheck");
        QVERIFY(!subdirectories->isEnabled() && !fx.check("showPathCheck")->isEnabled());  // as started
        shrink->setChecked(true);
        fx.click("plainTextModeRadio");
        subdirectories->setChecked(true);
        QVERIFY(!shrink->isEnabled() && window.documentRequest().showSubdirectories);
        fx.click("pictureModeRadio");
        fx.check("pictureAsLinkCheck")->setChecked(true);
        const DocumentRequest p = window.documentRequest();
        QVERIFY(!p.shrinkToFit && p.pictureAsLink && !p.showSubdirectories && !subdirectories->isEnabled());

        QLineEdit *heading = fx.edit("headingEdit");
        heading->setText("typed heading");
        fx.check("headingCheck")->setChecked(false);
        QVERIFY(!heading->isEnabled() && heading->text().isEmpty() && !window.documentRequest().texts.heading);
        fx.check("headingCheck")->setChecked(true);
        QVERIFY(heading->isEnabled() && heading->text() == "Default heading");

        // "Show Path" only with absolute links, and cleared on every switch.
        QCheckBox *showPath = fx.check("showPathCheck");
        const auto settings = [&] { return window.documentRequest().settings; };
        for (int round = 0; round < 2; ++round) {
            fx.click("absoluteRadio");
            QVERIFY(showPath->isEnabled() && !showPath->isChecked() && !settings().showPath);
            showPath->setChecked(true);
            QVERIFY(settings().showPath && settings().linkStyle == LinkStyle::Absolute);
            fx.click("relativeRadio");
            QVERIFY(!settings().showPath && !showPath->isChecked() && !showPath->isEnabled());
            QVERIFY(settings().linkStyle == LinkStyle::Relative);
        }

        // The copy buttons reach the heading only while it is ticked.
        const QString dir = native(fx.workDir.path());
        for (bool ticked : {false, true}) {
            fx.check("headingCheck")->setChecked(ticked);
            const QString before = heading->text();
            fx.edit("titleEdit")->setText("Summer 2024");
            fx.click("titleToHeadingButton");
            QCOMPARE(heading->text(), ticked ? "Summer 2024" : before);
            fx.click("currentDirectoryButton");
            QVERIFY(fx.edit("titleEdit")->text() == dir && heading->text() == (ticked ? dir : before));
        }
    }

    void createDocument_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("marker");
        QTest::newRow("pictures") << "pictureModeRadio" << ".html" << QByteArray("<IMG SRC=\"b.gif\"");
        QTest::newRow("links") << "linkModeRadio" << ".htm" << QByteArray("<A HREF=\"b.gif\">");
        QTest::newRow("plain text") << "plainTextModeRadio" << ".html" << QByteArray("<FONT FACE = \"Courier New\">");
        QTest::newRow("nothing selected") << "linkModeRadio" << ".html" << QByteArray();
    }
    void createDocument()
    {
        QFETCH(QString, mode);
        QFETCH(QString, extension);
        QFETCH(QByteArray, marker);
        WindowFixture fx;
        const QString site = fx.workDir.filePath("site");
        QDir().mkdir(site);
        testfiles::writeAll(site, {"a.gif", "b.gif", "c.txt"});
        fx.start();
        fx.click(mode);
        fx.click(extension == ".htm" ? "htmRadio" : "htmlRadio");
        QVERIFY(fx.get<DirectoryListBox>("directoryList")->setDirectory(site));  // resets the texts only
        fx.edit("documentNameEdit")->setText("R&D");
        fx.fileList()->setItemSelected(1, !marker.isEmpty());
        fx.fileList()->setItemSelected(2, !marker.isEmpty());
        fx.create();
        const QString written = site + "/R&D" + extension;
        if (marker.isEmpty()) {
            QCOMPARE(fx.messages.texts, QStringList{"No Files selected!"});
            QCOMPARE(fx.messages.types, QList<MessageType>{MessageType::Error});
            QVERIFY(!fx.button("browserButton")->isEnabled() && !QFile::exists(written));
            return;
        }
        QVERIFY2(fx.messages.texts.isEmpty(), qPrintable(fx.messages.texts.value(0)));
        const QByteArray page = testfiles::read(written);
        QVERIFY(page.startsWith("<HTML>\r\n") && page.contains(marker) && page.contains("c.txt") && !page.contains("a.gif"));
        QCOMPARE(fx.status("runStatus"), "Document created");
        QVERIFY(progress(fx)->maximum() == 2 && progress(fx)->value() == 2 && fx.button("browserButton")->isEnabled());
        // An ampersand in the path is shown, not taken for a mnemonic.
        QCOMPARE(fx.button("browserButton")->text(), "Show " + native(site) + "/R&&D" + extension + " with Standard Browser");
    }

    // The run has a thread of its own: while it lasts Cancel stands in the
    // Create button's place and nothing else takes input; cancelling, or
    // closing the window, leaves the old document and nothing else.
    void runOnItsThread_data()
    {
        QTest::addColumn<bool>("wholeTree");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("status");
        QTest::newRow("cancelled") << false << "cancel" << "Cancelled";
        QTest::newRow("closed while asked") << false << "close" << "";
        QTest::newRow("whole tree, cancelled") << true << "cancel" << "Cancelled";
        QTest::newRow("whole tree") << true << "" << "Document created";
    }
    void runOnItsThread()
    {
        QFETCH(bool, wholeTree);
        QFETCH(QString, action);
        WindowFixture fx({"a.txt", "b.txt"}, wholeTree ? "[Page]\r\nWholetree=1\r\n" : "");
        QVERIFY(QDir(fx.workDir.path()).mkdir("sub") && testfiles::write(fx.workDir.filePath("sub/c.txt"), "c"));
        QVERIFY(testfiles::write(fx.workDir.filePath("quorvant.html"), "old"));
        MainWindow &window = fx.start();
        window.show();
        fx.fileList()->setItemSelected(0, true);
        fx.fileList()->setItemSelected(1, true);
        fx.messages.answers = {MessageResult::Yes};
        fx.messages.whileShown = [&] {
            QVERIFY(window.isRunning() && fx.button("cancelRunButton")->isVisible() && !fx.button("createButton")->isVisible());
            QCOMPARE(progress(fx)->maximum(), wholeTree ? 0 : 2);
            QTest::mouseClick(fx.get("selectNoneButton"), Qt::LeftButton);
            QCOMPARE(fx.selected().size(), 2);
            if (action == "cancel")
                fx.click("cancelRunButton");
            else if (action == "close")
                window.close();
        };
        fx.create();
        QCOMPARE(fx.messages.texts.size(), 1);
        QCOMPARE(fx.status("runStatus"), fetched<QString>("status"));
        const QByteArray page = testfiles::read(fx.workDir.filePath("quorvant.html"));
        QCOMPARE(page == "old", !action.isEmpty());
        QVERIFY(!action.isEmpty() || (page.contains("c.txt") && progress(fx)->value() == progress(fx)->maximum()));
        QCOMPARE(QDir(fx.workDir.path()).entryList(QDir::Files), QStringList({"a.txt", "b.txt", "quorvant.html"}));
        QCOMPARE(fx.button("createButton")->isVisible(), action != "close");
    }

    // What a run reports beyond what the runs below show, as the message
    // boxes word it: a directory or a missing one where the document goes
    // is "Invalid filename", other failures have the system's words; each
    // names the document's path.
    void runReportsAsMessageBoxes()
    {
        QProgressBar bar;
        QLabel status;
        ScriptedMessages messages;
        WindowRunFeedback feedback(bar, status, messages);
        const QString dir = QDir::tempPath();
        QList<RunEvent> events{FileUnreadable{FileName("a&b.txt"), 13}, OutputFailed{dir, 28}, OutputFailed{"/gone/x.html", 28}};
        QStringList texts{"File access error\ra&b.txt", "Invalid filename\r" + native(dir), "Invalid filename\r" + native("/gone/x.html")};
        // Pictures without a thumbnail in one message, the first twelve named.
        ThumbnailsMissing thumbnails{dir + "/t", {{"a.jpg", ThumbnailProblem::FolderUnusable, 0}}};
        QString named;
        for (int i = 0; i < 14; ++i) {
            thumbnails.pictures.append({QByteArray::number(i) + ".jpg", ThumbnailProblem::TooLarge, 0});
            named += i < 12 ? QString::number(i) + ".jpg: too large to decode\r" : QString();
        }
        events << thumbnails;
        texts << "The thumbnail folder " + native(dir + "/t") + " cannot be used (in use by another run, or a file not made by this program "
                     "is in the way). The pictures are shown at full size.\rNo thumbnail was made of 14 picture(s), shown at full size "
                     "instead:\r" + named + "... and 2 more";
#ifdef Q_OS_UNIX
        events << OutputFailed{dir + "/x.html", ENOSPC} << OutputFailed{dir + "/x.html", EFBIG};
        texts << "Disk full\r" + dir + "/x.html" << QStringLiteral("I/O error %1\r%2/x.html").arg(EFBIG).arg(dir);
#endif
        for (const RunEvent &event : events)
            feedback.report(event);
        messages.answers = {MessageResult::Yes};
        QVERIFY(feedback.replaceExisting({dir + "/x.html", "x.html"}));
        QCOMPARE(messages.texts, texts << "The HTML-Document x.html already exists! Overwrite?");
        QCOMPARE(messages.types.mid(0, 4), (QList<MessageType>{MessageType::Warning, MessageType::Error, MessageType::Error,
                                                               MessageType::Warning}));
        QCOMPARE(messages.types.last(), MessageType::Information);
    }

    // A settings file that is no regular file is named in one warning at
    // start-up and the built-in defaults stand; an Exit that cannot write it
    // says so and leaves the program open.
    void unusableSettingsFile()
    {
        WindowFixture fx;
        QVERIFY(QDir().mkpath(fx.settingsPath()));
        fx.start().show();
        QCOMPARE(fx.messages.texts, QStringList{"The settings file " + native(fx.settingsPath()) + " is not a regular file and is not read"});
        QCOMPARE(fx.messages.types, QList<MessageType>{MessageType::Warning});
        for (int press = 2; press <= 3; ++press) {
            fx.click("exitButton");
            QCOMPARE(fx.messages.texts.size(), press);
            QCOMPARE(fx.messages.types.last(), MessageType::Error);
            QCOMPARE(fx.messages.texts.last(), "Unable to write to " + native(fx.settingsPath()));
            QVERIFY(fx.window->isVisible());
        }
    }

    void directoryChangeResetsFieldsAndList()
    {
        WindowFixture fx({"top1.txt", "top2.txt"});
        QDir work(fx.workDir.path());
        for (const char *name : {"sub", "Zed", "beta", ".hidden"})
            work.mkdir(name);
        testfiles::writeAll(work.filePath("sub"), {"x.gif", "y.gif", "z.gif", ".secret"});
#ifdef Q_OS_UNIX
        // A name that is not UTF-8 is listed like any other, in its readable form.
        if (FILE *raw = ::fopen(QFile::encodeName(work.filePath("sub")) + "/bad\xff.gif", "w"))
            ::fclose(raw);
        QCOMPARE(::mkdir(QFile::encodeName(work.filePath("caf")) + "\xe9", 0700), 0);
        const QStringList shownOnlyHere{"caf\\xE9"};
#else
        const QStringList shownOnlyHere;
#endif
        MainWindow &window = fx.start();
        auto *dirs = fx.get<DirectoryListBox>("directoryList");
        // The path from the root down, then the visible subdirectories in name order.
        const QStringList parts = fx.workDir.path().split('/', Qt::SkipEmptyParts);
        QStringList entries;
        for (int i = 0; i < dirs->model()->rowCount(); ++i)
            entries << dirs->model()->index(i, 0).data().toString();
        QCOMPARE(entries, QStringList(native(QDir::rootPath())) + parts + QStringList{"beta"} + shownOnlyHere + QStringList({"sub", "Zed"}));
        QCOMPARE(dirs->currentDirectoryRow(), parts.size());
        QCOMPARE(dirs->entryPath(parts.size() - 1), native(QFileInfo(work.path()).path()));
        // A directory that cannot be read is refused and changes nothing.
        QVERIFY(!dirs->setDirectory(fx.workDir.filePath("missing")));
        QCOMPARE(window.documentRequest().directory, native(fx.workDir.path()));
        // Choosing the drive already listed keeps the selection, and the status says so.
        fx.fileList()->setItemSelected(0, true);
        auto *drives = fx.get<QComboBox>("driveCombo");
        emit drives->activated(drives->currentIndex());
        QVERIFY(fx.selected() == QStringList{"top1.txt"} && fx.status("selectionStatus") == "1 item is selected");

        fx.edit("titleEdit")->setText("typed title");
        fx.edit("documentNameEdit")->setText("typed");
        fx.check("headingCheck")->setChecked(false);
        showRunReport(fx);
        QCOMPARE(dirs->entryPath(parts.size() + 2 + shownOnlyHere.size()), native(work.filePath("sub")));
        emit dirs->activated(dirs->model()->index(parts.size() + 2 + shownOnlyHere.size(), 0));  // as a double click does

        const DocumentRequest r = window.documentRequest();
        QCOMPARE(r.directory, native(work.filePath("sub")));
        QVERIFY(r.selectedNames.isEmpty() && runReportCleared(fx));
        QCOMPARE(fx.status("selectionStatus"), "No items are selected");
#ifdef Q_OS_UNIX
        QVERIFY(fx.fileList()->count() == 4 && fx.fileList()->item(0) == "bad\\xFF.gif" && fx.messages.texts.isEmpty());
#endif
        // The heading field gets the default even while the heading is off.
        QVERIFY(r.texts.title == kDefaultTitleText && r.texts.fileName == "quorvant.html" && !r.texts.heading);
        QVERIFY(fx.edit("headingEdit")->text() == kDefaultTitleText && !fx.edit("headingEdit")->isEnabled());
#ifdef Q_OS_UNIX
        testfiles::removeUnspellable(work.filePath("sub"));
        testfiles::removeUnspellable(work.path());
#endif
    }

    // The lists never stay on a directory that is gone: a deleted start
    // directory, one that vanishes before a run, one left behind by a drive.
    void vanishedDirectories()
    {
        WindowFixture fx;
        const QString sub = fx.workDir.filePath("sub"), gone = fx.workDir.filePath("gone/deeper");
        QVERIFY(QDir().mkpath(sub) && testfiles::write(sub + "/a.txt", "a"));
        fx.startDirectory = gone;
        MainWindow &window = fx.start();
        // Absolute-link documents go where the list shows, not into the deleted directory.
        QCOMPARE(window.documentRequest().directory, native(fx.workDir.path()));
        QCOMPARE(window.documentRequest().startDirectory, native(fx.workDir.path()));

        auto *dirs = fx.get<DirectoryListBox>("directoryList");
        QVERIFY(dirs->setDirectory(sub));
        fx.fileList()->setItemSelected(0, true);
        QVERIFY(QDir(sub).removeRecursively());
        fx.create();
        QCOMPARE(fx.messages.texts, QStringList{"The directory " + native(sub) + " no longer exists"});
        QCOMPARE(window.documentRequest().directory, native(fx.workDir.path()));

        QVERIFY(QDir().mkpath(sub) && dirs->setDirectory(sub) && QDir(sub).removeRecursively());
        auto *drives = fx.get<QComboBox>("driveCombo");
        emit drives->activated(drives->currentIndex());
        QCOMPARE(window.documentRequest().directory, native(drives->currentData().toString()));
    }

    void filterChangeRereadsTheList()
    {
        WindowFixture fx({"c.txt", "b.txt", "B.txt", "a.gif", "D.JPEG", "d.html", "README", ".hidden.txt"});
        QVERIFY(QDir(fx.workDir.path()).mkdir("sub.txt"));
        fx.start();
        // "*.*" lists names without a dot too; letter case matters only between equal names.
        QCOMPARE(listed(fx.fileList()), QStringList({"a.gif", "B.txt", "b.txt", "c.txt", "d.html", "D.JPEG", "README"}));
        fx.fileList()->setItemSelected(0, true);
        showRunReport(fx);
        auto *filter = fx.get<QComboBox>("filterCombo");
        QCOMPARE(filter->itemText(3), "Text (*.txt) ");
        QTest::keyClick(filter, Qt::Key_Down);  // pictures; masks ignore letter case
        QCOMPARE(listed(fx.fileList()), QStringList({"a.gif", "D.JPEG"}));
        QVERIFY(fx.selected().isEmpty() && runReportCleared(fx));
        QCOMPARE(fx.status("selectionStatus"), "No items are selected");
        QTest::keyClick(filter, Qt::Key_End);
        QCOMPARE(listed(fx.fileList()), QStringList{"d.html"});
    }

    void selectionButtons_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all of three") << 3 << QList<int>{1} << "selectAllButton" << QList<int>{0, 1, 2} << "3 items are selected";
        QTest::newRow("all of none") << 0 << QList<int>{} << "selectAllButton" << QList<int>{} << "0 items are selected";
        QTest::newRow("invert runs") << 8 << QList<int>{0, 2, 3, 3, 7} << "invertSelectionButton" << QList<int>{1, 4, 5, 6}
                                     << "4 items are selected";
        QTest::newRow("none") << 3 << QList<int>{0, 2} << "selectNoneButton" << QList<int>{} << "No items are selected";
    }
    void selectionButtons()
    {
        QFETCH(int, files);
        QFETCH(QList<int>, before);
        QFETCH(QString, button);
        QFETCH(QList<int>, after);
        QFETCH(QString, shown);
        QStringList names;
        for (int i = 0; i < files; ++i)
            names << QStringLiteral("f%1").arg(i);
        WindowFixture fx(names);
        fx.start();
        for (int row : before)  // a row selected twice is still one item
            fx.fileList()->setItemSelected(row, true);
        fx.click(button);
        QStringList expected;
        for (int row : after)
            expected << names[row];
        QCOMPARE(fx.selected(), expected);
        QCOMPARE(fx.status("selectionStatus"), shown);
    }

    // Almost every action makes the last run's report stale; the two boxes
    // without a rule of their own do not.
    void runReportResets_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("clears");
        for (const char *name : {"fileSizeCheck", "htmRadio", "backgroundColorButton", "titleEdit", "fileList",
                                 "selectAllButton", "invertSelectionButton", "selectNoneButton", "helpButton"})
            QTest::newRow(name) << name << true;
        for (const char *name : {"pictureSizeCheck", "pictureAsLinkCheck"})
            QTest::newRow(name) << name << false;
    }
    void runReportResets()
    {
        QFETCH(QString, control);
        WindowFixture fx({"a.txt"});
        fx.start();
        showRunReport(fx);
        auto *list = qobject_cast<QAbstractItemView *>(fx.get(control));
        // A colour dialog cancelled, a click into a field, a file clicked in the list.
        QTest::mouseClick(list ? list->viewport() : fx.get(control), Qt::LeftButton, {},
                          list ? list->visualRect(list->model()->index(0, 0)).center() : QPoint());
        QCOMPARE(runReportCleared(fx), fetched<bool>("clears"));
    }

    void browserMessages_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<OpenResult>("openResult");  // a chosen browser never starts
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("browser");  // as the button names it; empty: shortened
        const QByteArray standard = "[Default]\r\nUsestandard=1\r\n";
        const QStringList noneChosen = {"Error while executing Internet Browser!", "No Internet Browser selected!"};
        const QByteArray chosen = "[Default]\r\nUsestandard=0\r\nBrowserdefault=/opt/web/view\r\n";
        const QString internet = "Internet Browser", standardName = "Standard Browser";
        QTest::newRow("standard opens") << standard << OpenResult::Opened << QStringList() << standardName;
        QTest::newRow("standard, no association") << standard << OpenResult::NoAssociation
                                                  << QStringList{"No program is associated with HTML-Documents!"} << standardName;
        QTest::newRow("standard, document gone") << standard << OpenResult::Missing
                                                 << QStringList{"Error while executing Standard Browser!"} << standardName;
        QTest::newRow("chosen fails") << chosen << OpenResult::Failed << QStringList{"Error while executing view!"} << "view";
        QTest::newRow("chosen, of a very long name") << "[Default]\r\nUsestandard=0\r\nBrowserdefault=/opt/" + QByteArray(300, 'v')
                                                     << OpenResult::Failed
                                                     << QStringList{"Error while executing " + QString(300, 'v') + "!"} << "";
        QTest::newRow("none chosen") << QByteArray("[Default]\r\nUsestandard=0\r\n") << OpenResult::Failed << noneChosen << internet;
        // The standard browser's value never serves as a program.
        QTest::newRow("standard off in the settings file")
            << QByteArray("[Default]\r\nUsestandard=0\r\nBrowserdefault=Standard Browser\r\n") << OpenResult::Failed
            << noneChosen << internet;
    }
    void browserMessages()
    {
        QFETCH(QByteArray, settings);
        QFETCH(OpenResult, openResult);
        QFETCH(QStringList, messages);
        WindowFixture fx({"a.txt"}, settings);
        fx.start();
        // Blanks, and longer than the old 160-character command line.
        const QString name = "my page " + QString(150, 'x');
        fx.edit("documentNameEdit")->setText(name);
        fx.fileList()->setItemSelected(0, true);
        fx.create();
        fx.shell.nextOpenResult = openResult;
        fx.shell.nextStartResult = false;
        fx.click("browserButton");

        const auto *button = fx.get<MultiLineButton>("browserButton");
        const QString browser = fetched<QString>("browser");
        QVERIFY2(browser.isEmpty() ? button->text().contains(QChar(0x2026)) && button->captionLineCount() <= 2
                                   : button->text().endsWith(" with " + browser),
                 qPrintable(button->text()));
        QCOMPARE(fx.messages.texts, messages);
        QCOMPARE(fx.messages.types.count(MessageType::Error), messages.size());
        QVERIFY(runReportCleared(fx));
        // The document path reaches the browser whole, as one argument.
        const SavedDefaults saved = fx.savedAtExit();
        const QString document = native(fx.workDir.filePath(name + ".html"));
        const QList<QStringList> started{{saved.browserProgram(), document}};
        QCOMPARE(fx.shell.opened, saved.useStandardBrowser ? QStringList{document} : QStringList());
        QCOMPARE(fx.shell.started, saved.useStandardBrowser ? QList<QStringList>() : started);
    }

    void helpFile()
    {
        WindowFixture fx({"quorva21.HLP"});
        testfiles::write(fx.programDir.filePath("quorvant-help.html"), "<p>help</p>");
        fx.start();
        // Looked for where the program was started, not where it lives.
        const QString file = withTrailingSeparator(native(fx.workDir.path()), nativePathStyle()) + "quorva21.HLP";
        for (const auto &[result, message] : {std::pair{OpenResult::Opened, ""},
                                              {OpenResult::NoAssociation, "No program is associated with the help file %1!"},
                                              {OpenResult::Failed, "Error while opening the help file %1!"}}) {
            fx.help.nextResult = result;
            fx.messages.texts.clear();
            fx.click("helpButton");
            QCOMPARE(fx.help.shown.last(), file);
            QCOMPARE(fx.messages.texts, *message ? QStringList{QString::fromLatin1(message).arg(file)} : QStringList());
        }
        // Without it, the program's own help: in the browser, else in a window of the program.
        QVERIFY(QFile::remove(file));
        for (OpenResult result : {OpenResult::Opened, OpenResult::Failed}) {
            fx.help.shown.clear();
            fx.help.nextResult = result;
            fx.click("helpButton");
            QStringList expected{fx.programPath() + "quorvant-help.html"};
            if (result != OpenResult::Opened)
                expected << "built-in";
            QCOMPARE(fx.help.shown, expected);
        }
        QCOMPARE(fx.messages.texts.size(), 1);  // none since the file went
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
        WindowFixture fx({"a.txt"}, enabled ? "[Sound]\r\nPlaysound=1\r\n" : "[Sound]\r\nPlaysound=0\r\n");
        if (fileThere)
            testfiles::write(fx.programDir.filePath("ready.wav"), "RIFF");
        fx.start();
        const QString open = "open " + fx.programPath() + "ready.wav";
        QCOMPARE(fx.sound.calls, ready ? QStringList{open} : QStringList());

        // Two runs in a row play twice, each from the start.
        fx.fileList()->setItemSelected(0, true);
        fx.messages.answers = {MessageResult::Yes};  // replace the first run's document
        fx.create();
        fx.create();
        QCOMPARE(fx.sound.calls.count("play"), ready ? 2 : 0);
        QCOMPARE(fx.messages.texts.size(), 1);  // only the question; a missing file is silent

        // Saving the options with the sound ticked opens the file again.
        fx.scriptDialogs([&](QDialog &dialog) {
            fx.check("playSoundCheck", &dialog)->setChecked(true);
            fx.click("saveButton", &dialog);
        });
        fx.click("programOptionsButton");
        QCOMPARE(fx.sound.calls.count(open), fileThere ? (ready ? 2 : 1) : 0);
        QVERIFY(fx.button("browserButton")->isEnabled());
        fx.click("exitButton");
        QCOMPARE(fx.sound.calls.count("close"), fileThere ? 1 : 0);
    }

    // The button wraps within its width, even a name with no break
    // opportunity; "&&" is one ampersand. Switching keeps focus, geometry,
    // caption and enabling.
    void wrapsWithinItsWidth_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("wraps");
        const QString currentDir = "Current Directory as Title and Heading";
        QTest::newRow("default wraps a long caption") << currentDir << QSize(121, 33) << true << true;
        QTest::newRow("single line when switched off") << currentDir << QSize(121, 33) << false << false;
        QTest::newRow("unbroken name breaks anywhere") << QString(120, 'x') + ".html" << QSize(329, 41) << true << true;
        QTest::newRow("doubled ampersands shown once") << QString("R&&D ").repeated(6) << QSize(200, 41) << true << false;
    }
    void wrapsWithinItsWidth()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, multiLine);
        QWidget window;
        (new QPushButton("Other", &window))->setGeometry(0, 0, 80, 25);
        auto *button = new MultiLineButton(caption, &window);
        QVERIFY(button->multiLine());
        button->setGeometry(QRect(QPoint(20, 40), size));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        for (bool value : {!multiLine, multiLine}) {
            button->setMultiLine(value);
            QVERIFY(QApplication::focusWidget() == button && button->geometry() == QRect(QPoint(20, 40), size));
            QVERIFY(button->text() == caption && button->isEnabled());
        }
        QTEST(button->captionLineCount() > 1, "wraps");
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
