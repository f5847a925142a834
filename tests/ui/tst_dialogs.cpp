// The program options, table options and about dialogs, and the services the
// main window reaches through its seams: browser, help and completion sound.

#include "UiFixture.h"

#include "ColorSwatch.h"
#include "FileListBox.h"
#include "MLButton.h"
#include "NativePaths.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

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

}  // namespace

class TstDialogs : public QObject {
    Q_OBJECT

private slots:
    void cancelKeepsWhatTookEffectAtOnce()
    {
        UiFixture fx;
        writeFile(fx.settingsPath(), "[Colors]\r\nLinks=255\r\n");
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

        QCOMPARE(fx.options.DefaultBgColor, 0x00FF00);
        QCOMPARE(fx.options.DefaultLinkColor, 16711680);
        QVERIFY(!fx.options.UseStandardBrowser);
        QCOMPARE(fx.options.BrowserPath, QStringLiteral("Standard Browser"));
        QCOMPARE(fx.options.DefaultTitle, kDefaultTitleText);
        QVERIFY(!fx.options.PlaySoundEnabled);
        // The window's own colours change only with a save.
        QCOMPARE(form.bgcolorpanel->color(), 0xC0C0C0);
        QCOMPARE(fx.options.LinkColor, 255);

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

        // With the heading off, its field is left alone.
        form.headingcheck->setChecked(false);
        fx.scriptDialogs([&](QDialog &) { d.okbutton->click(); });
        form.progoptionbutton->click();
        QVERIFY(form.headingedit->text().isEmpty() && !form.headingedit->isEnabled());
    }

    void browserNameAfterSaving_data()
    {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("chosen");  // empty: the search is cancelled
        QTest::addColumn<QString>("shownName");

        const QString program = QDir::toNativeSeparators(QStringLiteral("/opt/web tools/view.exe"));
        QTest::newRow("standard") << true << QString() << "Standard Browser";
        QTest::newRow("none chosen") << false << QString() << "Internet Browser";
        QTest::newRow("chosen program") << false << program << "view.exe";
    }

    void browserNameAfterSaving()
    {
        QFETCH(bool, standard);
        QFETCH(QString, chosen);
        QFETCH(QString, shownName);

        UiFixture fx;
        writeFile(fx.settingsPath(), "[Default]\r\nUsestandard=0\r\nBrowserdefault=old.exe\r\n");
        TForm1 &form = fx.withDialogs();
        Toptionform &d = *fx.optionDialog;
        fx.scriptDialogs([&](QDialog &) {
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
        QCOMPARE(fx.options.BrowserDisplayName, shownName);
        QCOMPARE(form.browserstartbutton->text(), QStringLiteral("Show recently created Document with ") + shownName);
        QVERIFY(!form.browserstartbutton->isEnabled());
    }

    void saveAndCentre()
    {
        QCOMPARE(centredTopLeft(1024, 768, 640, 489), QPoint(192, 139));
        QCOMPARE(centredTopLeft(1025, 769, 640, 488), QPoint(192, 140));
        QCOMPARE(centredTopLeft(600, 400, 640, 489), QPoint(0, 0));  // never off the top or left

        UiFixture fx;
        TForm1 &form = fx.withDialogs();
        form.show();
        form.move(5, 7);
        fx.scriptDialogs([&](QDialog &) { fx.optionDialog->okcenterbutton->click(); });
        form.progoptionbutton->click();
        const QSize outer = form.frameGeometry().size();
        QCOMPARE(form.pos(), centredTopLeft(1024, 768, outer.width(), outer.height()));
        QVERIFY(!fx.options.CenterWindowPending);
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
        QVERIFY(fx.options.TableLayout);
        QCOMPARE(fx.options.TableColumns, 3);
        QCOMPARE(fx.options.TableBorderText, QStringLiteral("4"));
        QCOMPARE(fx.options.DefaultTableColumns, 0);
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
        QCOMPARE(fx.options.DefaultTableColumns, 0);
        QCOMPARE(fx.options.DefaultTableBorderWidth, 4);
        QCOMPARE(fx.options.DefaultTableAlign, QStringLiteral("LEFT"));
        QCOMPARE(fx.options.DefaultTableVAlign, QStringLiteral("BOTTOM"));

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

        UiFixture fx;
        // Other selections first, so each expected one is a real change.
        writeFile(fx.settingsPath(), "[Table]\r\nColumnsdefault=4\r\nBorderwidthdefault=4\r\n"
                                     "Aligndefault=RIGHT\r\nVAligndefault=BOTTOM\r\n");
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

        UiFixture fx;
        writeFile(fx.settingsPath(), settings);
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
        if (fx.options.UseStandardBrowser) {
            QCOMPARE(fx.shell.opened, QStringList{document});
            QVERIFY(fx.shell.started.isEmpty());
        } else {
            QVERIFY(fx.shell.opened.isEmpty());
            QCOMPARE(fx.shell.started, QList<QStringList>{QStringList({fx.options.BrowserPath, document})});
        }
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

        UiFixture fx;
        QTemporaryDir programDir;
        writeFile(fx.settingsPath(), enabled ? "[Sound]\r\nPlaysound=1\r\n" : "[Sound]\r\nPlaysound=0\r\n");
        makeFiles(fx.workDir.path(), {QStringLiteral("a.txt")});
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
        UiFixture fx;
        QTemporaryDir programDir;
        writeFile(fx.settingsPath(), "[Sound]\r\nPlaysound=1\r\n");
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
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
