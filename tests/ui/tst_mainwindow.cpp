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

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// What the run leaves behind, so a test can see whether an action clears it.
void leaveRunFeedback(TForm1 &form)
{
    form.setStatusText(QStringLiteral("Document created"));
    form.setProgressMaximum(10);
    form.setProgressPosition(10);
}

bool runFeedbackCleared(const TForm1 &form)
{
    return form.statusPanelText(1).isEmpty() && form.progressPosition() == 0;
}

}  // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpWithoutSettingsFile();
    void startUpFromSettingsFile();
    void entryModeRules_data();
    void entryModeRules();
    void headingTickAndUntick();
    void pathAndExtensionChoice();
    void runFeedbackReset_data();
    void runFeedbackReset();
    void colourChosenAndSwatchRestoresDefault_data();
    void colourChosenAndSwatchRestoresDefault();
    void copyButtons_data();
    void copyButtons();
    void activationRefreshesCountAndTableValues();
    void returnFromOwnWindowIsAnActivation();
    void createDocumentFromWindow_data();
    void createDocumentFromWindow();
    void createWithoutSelection();
    void exitWritesSettingsCloseBoxDoesNot();
    void exitFailureKeepsProgramOpen();
};

void TstMainWindow::startUpWithoutSettingsFile()
{
    UiFixture fx;
    TForm1 &form = fx.start();
    const GenerationOptions &o = fx.options;

    QCOMPARE(form.pos(), QPoint(144, 86));
    QVERIFY(form.internradio->isChecked());
    QVERIFY(form.shrinkCheck->isEnabled() && !form.shrinkCheck->isChecked());
    QVERIFY(form.pictureaslinkcheck->isEnabled() && !form.pictureaslinkcheck->isChecked());
    QVERIFY(!form.showsubdircheck->isEnabled() && !form.showsubdircheck->isChecked());
    QVERIFY(form.htmlradio->isChecked() && form.relativradio->isChecked());
    QVERIFY(!form.showpathCheck->isEnabled() && !form.showpathCheck->isChecked());
    QVERIFY(form.headingcheck->isChecked() && form.headingedit->isEnabled());
    QCOMPARE(form.headingedit->text(), kDefaultTitleText);
    QCOMPARE(form.documentnameedit->text(), QStringLiteral("quorvant"));
    QCOMPARE(form.browserstartbutton->text(),
             QStringLiteral("Show recently created Document with Standard Browser"));
    QVERIFY(!form.browserstartbutton->isEnabled());
    QCOMPARE(form.vlinkcolorpanel->color(), 0x800040);

    QVERIFY(o.EmbedPictures && !o.PlainTextMode && o.UseHtmlExtension && !o.ShowPath);
    QCOMPARE(o.LinkColor, 0xFF0000);
    QCOMPARE(o.StartDirectory, QDir::toNativeSeparators(fx.workDir.path()));
    QCOMPARE(o.TableBorderText, QStringLiteral("0"));  // set by the first activation
    QVERIFY(!QFile::exists(fx.settingsPath()));        // start-up only reads
}

void TstMainWindow::startUpFromSettingsFile()
{
    UiFixture fx;
    writeFile(fx.settingsPath(), "[Position]\r\nx=-2000\r\ny=40\r\n"
                                 "[Default]\r\nTitledefault=My pictures\r\nHeadingdefault=Holiday\r\n"
                                 "Filenamedefault=index\r\nUsestandard=0\r\nBrowserdefault=\r\n"
                                 "[Colors]\r\nBackground=0xFFFFFF\r\nText=255\r\n");
    TForm1 &form = fx.start();

    QCOMPARE(form.pos(), QPoint(-2000, 40));  // applied without a check against the screen
    QCOMPARE(form.titleedit->text(), QStringLiteral("My pictures"));
    QCOMPARE(form.headingedit->text(), QStringLiteral("Holiday"));
    QCOMPARE(form.documentnameedit->text(), QStringLiteral("index"));
    QCOMPARE(form.browserstartbutton->text(),
             QStringLiteral("Show recently created Document with Internet Browser"));
    QCOMPARE(form.bgcolorpanel->color(), 0xFFFFFF);
    QCOMPARE(fx.options.BgColor, 0xFFFFFF);
    QCOMPARE(fx.options.TextColor, 255);
}

void TstMainWindow::entryModeRules_data()
{
    QTest::addColumn<QString>("firstMode");
    QTest::addColumn<bool>("tickAll");
    QTest::addColumn<QString>("thenMode");
    QTest::addColumn<QString>("finalMode");
    QTest::addColumn<bool>("embedPictures");
    QTest::addColumn<bool>("plainText");
    QTest::addColumn<bool>("pictureBoxesEnabled");
    QTest::addColumn<bool>("subdirEnabled");

    QTest::newRow("picture, ticked, link, picture: unticked")
        << "internradio" << true << "externradio" << "internradio" << true << false << true << false;
    QTest::newRow("plain, ticked, picture, plain: unticked")
        << "plaintextradio" << true << "internradio" << "plaintextradio" << false << true << false << true;
    QTest::newRow("plain, ticked, link")
        << "plaintextradio" << true << "plaintextradio" << "externradio" << false << false << false << false;
    QTest::newRow("picture keeps its ticks")
        << "internradio" << true << "internradio" << "internradio" << true << false << true << false;
}

void TstMainWindow::entryModeRules()
{
    QFETCH(QString, firstMode);
    QFETCH(bool, tickAll);
    QFETCH(QString, thenMode);
    QFETCH(QString, finalMode);
    QFETCH(bool, embedPictures);
    QFETCH(bool, plainText);
    QFETCH(bool, pictureBoxesEnabled);
    QFETCH(bool, subdirEnabled);

    UiFixture fx;
    TForm1 &form = fx.start();
    auto select = [&](const QString &name) { form.findChild<QRadioButton *>(name)->setChecked(true); };

    select(firstMode);
    // Only enabled boxes can be ticked by the user.
    for (QCheckBox *box : {form.shrinkCheck, form.pictureaslinkcheck, form.showsubdircheck})
        if (tickAll && box->isEnabled())
            box->setChecked(true);
    select(thenMode);
    select(finalMode);

    QCOMPARE(fx.options.EmbedPictures, embedPictures);
    QCOMPARE(fx.options.PlainTextMode, plainText);
    QCOMPARE(form.shrinkCheck->isEnabled(), pictureBoxesEnabled);
    QCOMPARE(form.pictureaslinkcheck->isEnabled(), pictureBoxesEnabled);
    QCOMPARE(form.showsubdircheck->isEnabled(), subdirEnabled);
    const bool keptTicks = firstMode == thenMode && thenMode == finalMode;
    QCOMPARE(form.shrinkCheck->isChecked(), keptTicks && pictureBoxesEnabled);
    QCOMPARE(form.pictureaslinkcheck->isChecked(), keptTicks && pictureBoxesEnabled);
    QCOMPARE(form.showsubdircheck->isChecked(), keptTicks && subdirEnabled);
    // What the generator sees follows the enabled state too.
    QCOMPARE(form.shrinkOn(), keptTicks && pictureBoxesEnabled);
    QCOMPARE(form.showSubdirChecked(), keptTicks && subdirEnabled);
}

void TstMainWindow::headingTickAndUntick()
{
    UiFixture fx;
    fx.options.DefaultHeading = QStringLiteral("unused");  // start-up reads the real one
    TForm1 &form = fx.start();
    form.headingedit->setText(QStringLiteral("typed heading"));

    form.headingcheck->setChecked(false);
    QVERIFY(!form.headingedit->isEnabled());
    QVERIFY(form.headingedit->text().isEmpty());
    QVERIFY(!form.headingChecked());

    form.headingcheck->setChecked(true);
    QVERIFY(form.headingedit->isEnabled());
    QCOMPARE(form.headingedit->text(), fx.options.DefaultHeading);
    QCOMPARE(form.headingedit->text(), kDefaultTitleText);
}

void TstMainWindow::pathAndExtensionChoice()
{
    UiFixture fx;
    TForm1 &form = fx.start();

    form.absolutradio->setChecked(true);
    QVERIFY(form.showpathCheck->isEnabled());
    QVERIFY(!form.showpathCheck->isChecked());
    QVERIFY(form.absoluteChosen());
    form.showpathCheck->setChecked(true);
    QVERIFY(fx.options.ShowPath);

    form.relativradio->setChecked(true);
    QVERIFY(!fx.options.ShowPath);
    QVERIFY(!form.showpathCheck->isChecked());
    QVERIFY(!form.showpathCheck->isEnabled());
    QVERIFY(!form.absoluteChosen());

    form.absolutradio->setChecked(true);
    QVERIFY(form.showpathCheck->isEnabled());
    QVERIFY(!form.showpathCheck->isChecked());
    QVERIFY(!fx.options.ShowPath);

    form.htmradio->setChecked(true);
    QVERIFY(!fx.options.UseHtmlExtension && !form.htmlradio->isChecked());
    form.htmlradio->setChecked(true);
    QVERIFY(fx.options.UseHtmlExtension);
}

void TstMainWindow::runFeedbackReset_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("Size of File ticked") << "filesizecheck" << true;
    QTest::newRow("Shrink to fit ticked") << "shrinkCheck" << true;
    QTest::newRow("Size of Picture ticked") << "picturesizeCheck" << false;
    QTest::newRow("Picture as Link ticked") << "pictureaslinkcheck" << false;
    QTest::newRow("title typed") << "titleedit" << true;
    QTest::newRow("name typed") << "documentnameedit" << true;
    QTest::newRow(".HTM chosen") << "htmradio" << true;
    QTest::newRow("link mode chosen") << "externradio" << true;
    QTest::newRow("colour dialog cancelled") << "bgcolorbutton" << true;
    QTest::newRow("swatch clicked") << "textcolorpanel" << true;
    QTest::newRow("title clicked") << "click:titleedit" << true;
}

void TstMainWindow::runFeedbackReset()
{
    QFETCH(QString, action);
    QFETCH(bool, cleared);

    UiFixture fx;
    TForm1 &form = fx.start();
    form.show();
    leaveRunFeedback(form);

    if (action.startsWith(QLatin1String("click:"))) {
        QTest::mouseClick(form.findChild<QWidget *>(action.mid(6)), Qt::LeftButton);
    } else if (auto *box = form.findChild<QCheckBox *>(action)) {
        box->setChecked(true);
    } else if (auto *radio = form.findChild<QRadioButton *>(action)) {
        radio->setChecked(true);
    } else if (auto *edit = form.findChild<QLineEdit *>(action)) {
        edit->setText(edit->text() + QStringLiteral("x"));
    } else if (auto *button = form.findChild<QPushButton *>(action)) {
        button->click();
    } else if (auto *swatch = form.findChild<ColorSwatch *>(action)) {
        QTest::mouseClick(swatch, Qt::LeftButton);
    } else {
        QFAIL("no such control");
    }
    QCOMPARE(runFeedbackCleared(form), cleared);
    if (!cleared)
        QCOMPARE(form.statusPanelText(1), QStringLiteral("Document created"));
}

void TstMainWindow::colourChosenAndSwatchRestoresDefault_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("which");

    QTest::newRow("background") << "bgcolorbutton" << "bgcolorpanel" << 0;
    QTest::newRow("links") << "linkcolorbutton" << "linkcolorpanel" << 1;
    QTest::newRow("visited links") << "vlinkcolorbutton" << "vlinkcolorpanel" << 2;
    QTest::newRow("text") << "textcolorbutton" << "textcolorpanel" << 3;
}

void TstMainWindow::colourChosenAndSwatchRestoresDefault()
{
    QFETCH(QString, button);
    QFETCH(QString, swatch);
    QFETCH(int, which);

    UiFixture fx;
    TForm1 &form = fx.start();
    form.show();
    qint32 *colours[] = {&fx.options.BgColor, &fx.options.LinkColor, &fx.options.VLinkColor, &fx.options.TextColor};
    const qint32 defaults[] = {fx.options.DefaultBgColor, fx.options.DefaultLinkColor,
                               fx.options.DefaultVLinkColor, fx.options.DefaultTextColor};
    qint32 &current = *colours[which];
    auto *panel = form.findChild<ColorSwatch *>(swatch);

    fx.colors.nextAnswer = 0x123456;
    form.findChild<QPushButton *>(button)->click();
    QCOMPARE(fx.colors.presets.last(), defaults[which]);  // opened on the current colour
    QCOMPARE(current, 0x123456);
    QCOMPARE(panel->color(), 0x123456);

    form.findChild<QPushButton *>(button)->click();  // cancelled
    QCOMPARE(fx.colors.presets.last(), 0x123456);
    QCOMPARE(current, 0x123456);
    QCOMPARE(panel->color(), 0x123456);

    QTest::mouseClick(panel, Qt::LeftButton);
    QCOMPARE(current, defaults[which]);
    QCOMPARE(panel->color(), defaults[which]);
    QCOMPARE(fx.colors.presets.size(), 2);  // a swatch opens no dialog
}

void TstMainWindow::copyButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("headingTicked");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("headingChanges");

    QTest::newRow("title to heading") << "titletoheadingbutton" << true << "Summer 2024" << true;
    QTest::newRow("title to heading, heading off") << "titletoheadingbutton" << false << "Summer 2024" << false;
    QTest::newRow("directory as title and heading") << "currentdirtotitlebutton" << true << "" << true;
    QTest::newRow("directory as title only") << "currentdirtotitlebutton" << false << "" << false;
}

void TstMainWindow::copyButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, headingTicked);
    QFETCH(QString, title);
    QFETCH(bool, headingChanges);

    UiFixture fx;
    TForm1 &form = fx.start();
    form.headingcheck->setChecked(headingTicked);
    form.titleedit->setText(QStringLiteral("Summer 2024"));
    const QString headingBefore = form.headingedit->text();

    form.findChild<QPushButton *>(button)->click();
    // An empty expected title stands for the listed directory.
    const QString expected = title.isEmpty() ? QDir::toNativeSeparators(fx.workDir.path()) : title;
    QCOMPARE(form.titleedit->text(), expected);
    QCOMPARE(form.headingedit->text(), headingChanges ? expected : headingBefore);
}

void TstMainWindow::activationRefreshesCountAndTableValues()
{
    UiFixture fx;
    makeFiles(fx.workDir.path(), {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    writeFile(fx.settingsPath(), "[Table]\r\nColumnsdefault=9\r\nBorderwidthdefault=3\r\nAligndefault=left\r\n");
    TForm1 &form = fx.start();

    QCOMPARE(fx.options.FileCount, 2);
    QCOMPARE(fx.options.TableColumns, 0);
    QVERIFY(!fx.options.TableLayout);
    QCOMPARE(fx.options.DefaultTableColumns, 9);  // the saved default is not corrected
    QCOMPARE(fx.options.TableBorderText, QStringLiteral("3"));
    QCOMPARE(fx.options.TableAlign, QStringLiteral("CENTER"));

    fx.options.FileCount = 0;
    fx.options.TableColumns = 2;
    form.FormActivate();
    QCOMPARE(fx.options.FileCount, 2);
    QVERIFY(fx.options.TableLayout);
}

void TstMainWindow::returnFromOwnWindowIsAnActivation()
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

void TstMainWindow::createDocumentFromWindow_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("htm");
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("pictures") << "internradio" << false << QByteArray("<IMG SRC=\"b.gif\"") << "index.html";
    QTest::newRow("links") << "externradio" << true << QByteArray("<A HREF=\"b.gif\">") << "index.htm";
    QTest::newRow("plain text") << "plaintextradio" << false << QByteArray("<FONT FACE = \"Courier New\">")
                                << "index.html";
}

void TstMainWindow::createDocumentFromWindow()
{
    QFETCH(QString, mode);
    QFETCH(bool, htm);
    QFETCH(QByteArray, marker);
    QFETCH(QString, fileName);

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
    QVERIFY2(fx.messages.shown.isEmpty(), qPrintable(fx.messages.shown.value(0).text));
    const QString written = site + QLatin1Char('/') + fileName;
    const QByteArray page = readFile(written);
    QVERIFY(page.startsWith("<HTML>\r\n"));
    QVERIFY(page.contains(marker));
    QVERIFY(page.contains("c.txt"));
    QVERIFY(!page.contains("a.gif"));
    QCOMPARE(form.statusPanelText(1), QStringLiteral("Document created"));
    QCOMPARE(form.progressMaximum(), 2);
    QCOMPARE(form.progressPosition(), 2);
    QVERIFY(form.browserstartbutton->isEnabled());
    QCOMPARE(form.browserstartbutton->text(), QStringLiteral("Show ") + QDir::toNativeSeparators(written)
                                                  + QStringLiteral(" with Standard Browser"));
}

void TstMainWindow::createWithoutSelection()
{
    UiFixture fx;
    makeFiles(fx.workDir.path(), {QStringLiteral("a.txt")});
    TForm1 &form = fx.start();
    form.makefilebutton->click();

    QVERIFY(form.lastRunOutcome() == RunOutcome::NoSelection);
    QCOMPARE(fx.messages.shown.size(), 1);
    QCOMPARE(fx.messages.shown[0].type, MessageType::Error);
    QCOMPARE(fx.messages.shown[0].text, QStringLiteral("No Files selected!"));
    QCOMPARE(form.progressMaximum(), 0);
    QCOMPARE(form.progressPosition(), 0);
    QVERIFY(!QFile::exists(fx.workDir.filePath(QStringLiteral("quorvant.html"))));
}

void TstMainWindow::exitWritesSettingsCloseBoxDoesNot()
{
    {
        UiFixture fx;
        TForm1 &form = fx.start();
        form.show();
        QVERIFY(form.close());
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
    QVERIFY(ini.contains("Browserdefault=Standard Browser\r\n"));
    QVERIFY(ini.contains("[Sound]\r\nPlaysound=0"));
}

void TstMainWindow::exitFailureKeepsProgramOpen()
{
    UiFixture fx;
    // A settings path below a plain file cannot be written, not even by root.
    const QString blocker = fx.settingsDir.filePath(QStringLiteral("not-a-directory"));
    writeFile(blocker, "x");
    const QString unwritable = blocker + QStringLiteral("/quorva21.ini");
    TForm1 &form = fx.start(unwritable);
    form.show();

    for (int press = 0; press < 2; ++press) {
        form.exitbutton->click();
        QCOMPARE(fx.messages.shown.size(), press + 1);
        QCOMPARE(fx.messages.shown.last().type, MessageType::Error);
        QVERIFY2(fx.messages.shown.last().text.startsWith(QStringLiteral("Unable to write to ")),
                 qPrintable(fx.messages.shown.last().text));
        QVERIFY(fx.messages.shown.last().text.endsWith(QStringLiteral("quorva21.ini")));
        QVERIFY(form.isVisible());
    }
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
