// SPDX-License-Identifier: GPL-3.0-or-later
// The program options, table options and about dialogs: what takes effect
// at once, what only a save keeps, the table check at activation, and how
// the dialogs are placed and closed.

#include "WindowFixture.h"

#include "ui/ColorSwatch.h"

#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

namespace {

// The names of the dialog's radio buttons that are selected (or enabled).
QStringList radios(const QWidget *dialog, bool (QWidget::*state)() const = nullptr)
{
    QStringList result;
    for (QRadioButton *radio : dialog->findChildren<QRadioButton *>())
        if (state ? (radio->*state)() : radio->isChecked())
            result << radio->objectName();
    result.sort();
    return result;
}

QStringList values(const TableSettings &table)
{
    return {QString::number(table.columns), QString::number(table.borderWidth), table.align, table.verticalAlign};
}

}  // namespace

class TstDialogs : public QObject {
    Q_OBJECT

private slots:
    void cancelKeepsWhatTookEffectAtOnce()
    {
        WindowFixture fx({}, "[Colors]\r\nLinks=255\r\n");
        MainWindow &window = fx.start();
        fx.colors.nextAnswer = QColor(0x12, 0x34, 0x56);
        fx.scriptDialogs([&](QDialog &d) {
            fx.click("backgroundColorButton", &d);
            fx.check("standardBrowserCheck", &d)->setChecked(false);
            QVERIFY(fx.edit("browserEdit", &d)->isEnabled());  // a program of one's own may be typed
            fx.edit("titleEdit", &d)->setText("Typed title");
            fx.check("playSoundCheck", &d)->setChecked(true);
            fx.check("modernPicturesCheck", &d)->setChecked(true);
            QTest::mouseClick(fx.get("linkSwatch", &d), Qt::LeftButton);  // the built-in default
            fx.click("cancelButton", &d);
        });
        fx.click("programOptionsButton");
        QVERIFY(fx.button("browserButton")->text().endsWith(" with Internet Browser"));
        // The window's own colours change only with a save; red is the number's low byte.
        QCOMPARE(fx.get<ColorSwatch>("linkSwatch")->color(), QColor(255, 0, 0));
        QVERIFY(window.documentRequest().settings.colors.link == 255 && fx.get<ColorSwatch>("backgroundSwatch")->color() == Qt::lightGray);
        QTest::mouseClick(fx.get("backgroundSwatch"), Qt::LeftButton);  // back to the default, as it is now
        QCOMPARE(window.documentRequest().settings.colors.background, 0x563412);

        // The next opening reloads the texts and shows what was kept.
        QStringList seen;
        fx.scriptDialogs([&](QDialog &d) {
            seen = {fx.edit("titleEdit", &d)->text(), fx.edit("browserEdit", &d)->text(),
                    QString::number(fx.edit("browserEdit", &d)->isEnabled()), fx.get<ColorSwatch>("backgroundSwatch", &d)->color().name(),
                    QString::number(fx.check("playSoundCheck", &d)->isChecked() || fx.check("modernPicturesCheck", &d)->isChecked())};
        });
        fx.click("programOptionsButton");
        // The standard browser's value is no program: the field is empty.
        QCOMPARE(seen, QStringList({kDefaultTitleText, "", "1", "#123456", "0"}));

        // Colours and the browser choice took effect at once, and Exit keeps them.
        const SavedDefaults saved = fx.savedAtExit();
        QCOMPARE(QList<qint32>({saved.colors.background, saved.colors.link}), QList<qint32>({0x563412, 16711680}));
        QVERIFY(!saved.useStandardBrowser && !saved.playSound && !saved.modernPictures && saved.title == kDefaultTitleText);
        QCOMPARE(saved.browserPath, "Standard Browser");
    }

    void saveOverwritesTheWindowWithTheDefaults()
    {
        WindowFixture fx;
        MainWindow &window = fx.start();
        fx.edit("titleEdit")->setText("my title");
        fx.edit("headingEdit")->setText("my heading");
        fx.edit("documentNameEdit")->setText("mine");
        fx.colors.nextAnswer = QColor(0x33, 0x22, 0x11);
        fx.click("textColorButton");
        QCOMPARE(window.documentRequest().settings.colors.text, 0x112233);
        fx.scriptDialogs([&](QDialog &d) { fx.click("cancelButton", &d); });  // reopened below
        fx.click("programOptionsButton");
        fx.scriptDialogs([&](QDialog &d) {
            fx.edit("titleEdit", &d)->setText("T");
            fx.edit("headingEdit", &d)->clear();  // an empty default is accepted
            fx.check("modernPicturesCheck", &d)->setChecked(true);
            fx.click("saveButton", &d);
        });
        fx.click("programOptionsButton");

        const DocumentRequest r = window.documentRequest();
        QVERIFY(r.texts.title == "T" && r.texts.heading == QString() && r.modernPictures);
        QCOMPARE(r.texts.fileName, "quorvant.html");  // unchanged default, still applied
        QVERIFY(r.settings.colors.text == 0 && fx.get<ColorSwatch>("textSwatch")->color() == Qt::black);
        QCOMPARE(window.pos(), QPoint(144, 86));  // a plain save does not move the window

        // With the heading off, its field is left alone; the other save centres the window.
        fx.check("headingCheck")->setChecked(false);
        window.show();
        fx.scriptDialogs([&](QDialog &d) {
            fx.click("resetButton", &d);
            QCOMPARE(fx.edit("headingEdit", &d)->text(), kDefaultTitleText);  // the empty default saved above is reset
            fx.edit("headingEdit", &d)->setText("H");
            fx.click("saveAndCenterButton", &d);
        });
        fx.click("programOptionsButton");
        QVERIFY(!window.documentRequest().texts.heading && !fx.edit("headingEdit")->isEnabled());
        QCOMPARE(window.documentRequest().texts.title, kDefaultTitleText);
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(window.pos(), centredTopLeft(1024, 768, outer.width(), outer.height()));
        window.move(10, 20);  // a later plain save leaves it there
        fx.scriptDialogs([&](QDialog &d) { fx.click("saveButton", &d); });
        fx.click("programOptionsButton");
        QCOMPARE(window.pos(), QPoint(10, 20));
        QCOMPARE(centredTopLeft(600, 400, 640, 489), QPoint(0, 0));  // never off the top or left
        QVERIFY(!fx.savedAtExit().playSound);
        // Saved while the standard browser is in use: no browser.
        QCOMPARE(IniFile(fx.settingsPath()).readString("Default", "Browserdefault", "none"), QString());
    }

    void tableChoicesNoneAndSaveAsDefault()
    {
        WindowFixture fx;
        MainWindow &window = fx.start();
        const auto table = [&] { return values(window.documentRequest().settings.table); };
        fx.scriptDialogs([&](QDialog &d) {
            for (const char *name : {"columns3Radio", "border4Radio", "alignLeftRadio", "alignBottomRadio"})
                QTest::mouseClick(fx.get(name, &d), Qt::LeftButton);
            fx.click("cancelButton", &d);
        });
        fx.click("tableOptionsButton");
        QCOMPARE(table(), QStringList({"3", "4", "LEFT", "BOTTOM"}));
        window.refreshOnActivation();
        QCOMPARE(radios(fx.tables), QStringList({"alignBottomRadio", "alignLeftRadio", "border4Radio", "columns3Radio"}));

        // "None" greys the twelve, keeps their selection, and also after the next activation.
        fx.scriptDialogs([&](QDialog &d) {
            fx.click("noColumnsRadio", &d);
            window.refreshOnActivation();
            fx.click("saveButton", &d);
        });
        fx.click("tableOptionsButton");
        QCOMPARE(radios(fx.tables, &QWidget::isEnabled), QStringList({"columns1Radio", "columns2Radio", "columns3Radio",
                                                                       "columns4Radio", "columns5Radio", "noColumnsRadio"}));
        QCOMPARE(radios(fx.tables), QStringList({"alignBottomRadio", "alignLeftRadio", "border4Radio", "noColumnsRadio"}));

        fx.click("columns1Radio", fx.tables);  // one column is a table too
        QCOMPARE(radios(fx.tables, &QWidget::isEnabled).size(), 18);
        QCOMPARE(table(), QStringList({"1", "4", "LEFT", "BOTTOM"}));
        // Only "Save as Default" made a default: the table as it was then.
        QCOMPARE(values(fx.savedAtExit().table), QStringList({"0", "4", "LEFT", "BOTTOM"}));
    }

    void activationCorrections_data()
    {
        // Columns, border, align and valign as stored, then as corrected.
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("fixed");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("columns 6") << QStringList{"6", "1", "CENTER", "MIDDLE"} << QStringList{"0", "1", "CENTER", "MIDDLE"}
                                   << QStringList{"alignCenterRadio", "alignMiddleRadio", "border1Radio", "noColumnsRadio"};
        QTest::newRow("border 9") << QStringList{"5", "9", "LEFT", "BOTTOM"} << QStringList{"5", "0", "LEFT", "BOTTOM"}
                                  << QStringList{"alignBottomRadio", "alignLeftRadio", "border0Radio", "columns5Radio"};
        QTest::newRow("left, middle") << QStringList{"1", "5", "left", "middle"} << QStringList{"1", "5", "CENTER", "MIDDLE"}
                                      << QStringList{"alignCenterRadio", "alignMiddleRadio", "border5Radio", "columns1Radio"};
    }
    void activationCorrections()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, fixed);
        QFETCH(QStringList, selected);
        WindowFixture fx({}, QStringLiteral("[Table]\r\nColumnsdefault=%1\r\nBorderwidthdefault=%2\r\nAligndefault=%3\r\n"
                                            "VAligndefault=%4\r\n").arg(stored[0], stored[1], stored[2], stored[3]).toUtf8());
        MainWindow &window = fx.start();
        QCOMPARE(values(window.documentRequest().settings.table), fixed);
        QCOMPARE(radios(fx.tables), selected);
        QCOMPARE(fx.get("border0Radio", fx.tables)->isEnabled(), fixed[0] != "0");
        QCOMPARE(values(fx.savedAtExit().table), stored);  // the saved defaults are not corrected
    }

    // The more options: the settings file's values reach the request in
    // range, Cancel keeps them, OK applies and Exit keeps what OK applied;
    // what a box's option uses is greyed while the box is off.
    void moreOptionsApplyOnlyWithOk()
    {
        WindowFixture fx({}, "[Page]\r\nMaxdepth=-7\r\nLeaveout= .git;;node_modules \r\nThumbnailsize=7\r\n");
        MainWindow &window = fx.start();
        const auto request = [&] {
            const DocumentRequest r = window.documentRequest();
            return QStringList{QString::number(r.wholeTree), QString::number(r.maxDepth), r.leaveOut.join('|'),
                               QString::number(r.searchable), QString::number(r.thumbnails), QString::number(r.thumbnailSize)};
        };
        for (const char *button : {"cancelButton", "okButton"}) {
            QCOMPARE(request(), QStringList({"0", "-1", ".git|node_modules", "0", "0", "32"}));
            fx.scriptDialogs([&](QDialog &d) {
                QVERIFY(!fx.check("thumbnailsCheck", &d)->isChecked() && !fx.get("thumbnailSizeSpin", &d)->isEnabled());
                QVERIFY(fx.get<QSpinBox>("levelsSpin", &d)->text() == "All" && !fx.get("leaveOutEdit", &d)->isEnabled());
                fx.check("wholeTreeCheck", &d)->setChecked(true);
                fx.get<QSpinBox>("levelsSpin", &d)->setValue(2);
                fx.edit("leaveOutEdit", &d)->setText("*.tmp");
                fx.check("thumbnailsCheck", &d)->setChecked(true);
                QVERIFY(fx.get("leaveOutEdit", &d)->isEnabled() && fx.get("thumbnailSizeSpin", &d)->isEnabled());
                fx.click(button, &d);
            });
            fx.click("moreOptionsButton");
        }
        QCOMPARE(request(), QStringList({"1", "2", "*.tmp", "0", "1", "32"}));
        QVERIFY(fx.savedAtExit().page == (PageExtras{true, 2, "*.tmp", false, true, 32}));
    }

    // Escape leaves the dialogs open, the close box cancels; each is centred.
    void escapeClosingAndPlacement()
    {
        WindowFixture fx;
        fx.start().show();  // its frame tells what frame the dialogs will get
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (QDialog *dialog : QList<QDialog *>{fx.options, fx.tables, fx.about, fx.window->moreOptions()}) {
            dialog->setResult(QDialog::Accepted);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QSize outer = dialog->frameGeometry().size();
            QCOMPARE(dialog->pos(), screen.topLeft() + centredTopLeft(screen.width(), screen.height(), outer.width(), outer.height()));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY2(dialog->isVisible(), qPrintable(dialog->objectName()));
            QVERIFY(dialog->close());
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
