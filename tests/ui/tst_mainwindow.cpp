// The main window's option controls, start-up, the run and Exit.

#include "UiFixture.h"

#include "ColorSwatch.h"
#include "DirectoryListBox.h"
#include "FileListBox.h"
#include "MLButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <functional>
#include <tuple>

using Action = std::function<void(TForm1 &)>;
Q_DECLARE_METATYPE(Action)

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpFromSettingsFile()
    {
        UiFixture fx;
        // The position is applied without a check against the screen.
        const QByteArray settings = "[Position]\r\nx=-2000\r\ny=40\r\n[Default]\r\nHeadingdefault=Holiday\r\n"
                                    "Usestandard=0\r\nBrowserdefault=\r\n[Colors]\r\nBackground=0xFFFFFF\r\n";
        QVERIFY(writeFile(fx.settingsPath(), settings));
        TForm1 &form = fx.start();

        QCOMPARE(form.pos(), QPoint(-2000, 40));
        QCOMPARE(form.headingedit->text(), QStringLiteral("Holiday"));
        QVERIFY(form.browserstartbutton->text().endsWith(QStringLiteral("Internet Browser")));
        QVERIFY(!form.browserstartbutton->isEnabled());
        QCOMPARE(form.bgcolorpanel->color(), 0xFFFFFF);
        QCOMPARE(fx.options.BgColor, 0xFFFFFF);
        // Picture mode: its boxes enabled and clear, the others greyed.
        QVERIFY(form.internradio->isChecked() && fx.options.EmbedPictures && !fx.options.PlainTextMode);
        QVERIFY(form.shrinkCheck->isEnabled() && !form.shrinkCheck->isChecked());
        QVERIFY(!form.showsubdircheck->isEnabled() && !form.showpathCheck->isEnabled());
        QCOMPARE(fx.options.StartDirectory, QDir::toNativeSeparators(fx.workDir.path()));
        QCOMPARE(fx.options.TableBorderText, QStringLiteral("0"));  // set by the first activation
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
        QTest::newRow("swatch clicked") << Action([](TForm1 &f) { QTest::mouseClick(f.textcolorpanel, Qt::LeftButton); })
                                        << true;
        QTest::newRow("title clicked") << Action([](TForm1 &f) { QTest::mouseClick(f.titleedit, Qt::LeftButton); })
                                       << true;
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
            QCOMPARE(*current, 0x123456);
            QCOMPARE(panel->color(), 0x123456);

            QTest::mouseClick(panel, Qt::LeftButton);
            QCOMPARE(*current, fallback);
            QCOMPARE(panel->color(), fallback);
            QCOMPARE(fx.colors.presets.size(), 2);  // a swatch opens no dialog
        }
    }

    void returnFromOwnWindowIsAnActivation()
    {
        UiFixture fx;
        makeFiles(fx.workDir.path(), {QStringLiteral("a.txt")});
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
        QCOMPARE(fx.options.FileCount, 1);
        QCOMPARE(fx.options.TableBorderText, QStringLiteral("0"));
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
        QDir(fx.workDir.path()).mkdir(QStringLiteral("site"));
        const QString site = fx.workDir.filePath(QStringLiteral("site"));
        makeFiles(site, {QStringLiteral("a.gif"), QStringLiteral("b.gif"), QStringLiteral("c.txt")});
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
        UiFixture fx;
        makeFiles(fx.workDir.path(), {QStringLiteral("a.txt")});
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

        QVERIFY(!form.isVisible());
        QVERIFY(fx.messages.shown.isEmpty());
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
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
