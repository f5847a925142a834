// quorvant-cli as scripts use it: the built program run through QProcess,
// with a settings file of the test's own so nothing beside the binary is read.

#include "CliArguments.h"

#include <DocumentGenerator.h>
#include <DocumentView.h>
#include <FileListing.h>
#include <GenerationOptions.h>
#include <MessageBoxes.h>
#include <RunFeedback.h>
#include <ScreenInfo.h>
#include <TableCheck.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

// Leaves the documents (.htm, .html) out of the list they are written into.
const QString kFilter = QStringLiteral("*.txt;*.gif;*.jpg;*.dat");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QByteArray gifFile(int width, int height)
{
    QByteArray b("GIF89a");
    b += char(width & 0xFF);
    b += char(width >> 8);
    b += char(height & 0xFF);
    b += char(height >> 8);
    return b + QByteArray("\x00\x00\x00\x3B", 4);
}

QByteArray jfifFile(int width, int height)
{
    QByteArray b("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    b += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x01');
    b += QByteArray("\xFF\xC0\x00\x11\x08", 5);
    b += char(height >> 8);
    b += char(height & 0xFF);
    b += char(width >> 8);
    b += char(width & 0xFF);
    b += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    b += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + QByteArray(100, '\x55');
    return b + QByteArray("\xFF\xD9", 2);
}

// Values a user's settings file might hold, some out of range on purpose.
const QByteArray kSettings = "[Default]\r\n"
                             "Titledefault=Title from settings\r\n"
                             "Headingdefault=Heading from settings\r\n"
                             "Filenamedefault=custom\r\n"
                             "[Table]\r\n"
                             "Columnsdefault=3\r\n"
                             "Borderwidthdefault=9\r\n"
                             "Aligndefault=left\r\n"
                             "VAligndefault=TOP\r\n"
                             "[Colors]\r\n"
                             "Background=255\r\n";

// A directory "list" with files, pictures and subdirectories, an empty "start"
// directory to run from, and the settings file.
struct Workspace {
    QTemporaryDir tmp;
    QString root = tmp.path();
    QString list = root + QStringLiteral("/list");
    QString start = root + QStringLiteral("/start");
    QString settings = root + QStringLiteral("/quorva21.ini");

    bool make()
    {
        const QDir r(root);
        return tmp.isValid() && r.mkpath(QStringLiteral("list/Beta")) && r.mkpath(QStringLiteral("list/alpha"))
            && r.mkpath(QStringLiteral("start")) && writeFile(settings, kSettings)
            && writeFile(list + QStringLiteral("/b.txt"), QByteArray(123, 'b'))
            && writeFile(list + QStringLiteral("/a.txt"), QByteArray())
            && writeFile(list + QStringLiteral("/c.txt"), "c")
            && writeFile(list + QStringLiteral("/notes.dat"), "notes")
            && writeFile(list + QStringLiteral("/photo.jpg"), jfifFile(1600, 1200))
            && writeFile(list + QStringLiteral("/anim.gif"), gifFile(800, 600));
    }

    QStringList documents() const
    {
        QStringList found;
        for (const QString &dir : {list, start})
            for (const QString &n : listMatchingFiles(dir, QStringLiteral("*.htm;*.html")))
                found << dir + QLatin1Char('/') + n;
        return found;
    }
};

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult runCli(const Workspace &ws, const QStringList &arguments)
{
    QProcess p;
    p.setWorkingDirectory(ws.start);
    p.start(QStringLiteral(QUORVANT_CLI_PATH), QStringList{QStringLiteral("--settings"), ws.settings} + arguments);
    CliResult r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// The window as the generator sees it, every listed file selected.
struct FakeView : DocumentView {
    QString title, heading, name, directory;
    bool heading_ = true, center = false, size = false, date = false, pictureSize = false;
    bool shrink = false, pictureLink = false, subdirs = false, absolute = false;
    QStringList items;

    QString titleText() const override { return title; }
    bool headingChecked() const override { return heading_; }
    QString headingText() const override { return heading; }
    bool centerChecked() const override { return center; }
    bool fileSizeChecked() const override { return size; }
    bool fileDateChecked() const override { return date; }
    bool pictureSizeChecked() const override { return pictureSize; }
    bool shrinkOn() const override { return shrink; }
    bool pictureAsLinkOn() const override { return pictureLink; }
    bool showSubdirChecked() const override { return subdirs; }
    bool absoluteChosen() const override { return absolute; }
    QString documentName() const override { return name; }
    int fileItemCount() const override { return int(items.size()); }
    QString fileItem(int index) const override { return items.at(index); }
    bool fileSelected(int) const override { return true; }
    int selectedCount() const override { return int(items.size()); }
    QString fileListDirectory() const override { return directory; }
    QString directoryListDirectory() const override { return directory; }
};

struct SilentFeedback : RunFeedback {
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void setStatusText(const QString &) override {}
    void setBrowserButton(const QString &, bool) override {}
    void playCompletionSound() override {}
};

struct SilentMessages : MessageBoxes {
    MessageResult show(MessageType, const QString &, MessageButtons buttons) override
    {
        return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
    }
};

// One document made both ways: the command line, and the window's state set by hand.
struct SameDocumentCase {
    const char *tag;
    QStringList arguments;
    std::function<void(GenerationOptions &, FakeView &)> setWindow;
    int screenWidth;
};

std::vector<SameDocumentCase> sameDocumentCases()
{
    const auto s = [](const char *t) { return QString::fromLatin1(t); };
    return {
        {"plain text, subdirectories, sizes and dates; path shown only with absolute links",
         {s("--mode"), s("text"), s("--subdirs"), s("--size"), s("--date"), s("--center"), s("--htm"),
          s("--columns"), s("0"), s("--title"), s("Files <&> more"), s("--show-path")},
         [](GenerationOptions &o, FakeView &v) {
             o.EmbedPictures = false;
             o.PlainTextMode = true;
             o.UseHtmlExtension = false;
             o.TableColumns = 0;
             v.subdirs = v.size = v.date = v.center = true;
             v.title = QStringLiteral("Files <&> more");
         },
         1024},
        {"pictures in a table, shrunk, linked, coloured; text-only options ignored",
         {s("--shrink"), s("--picture-size"), s("--picture-link"), s("--columns"), s("2"), s("--border"), s("3"),
          s("--align"), s("left"), s("--valign"), s("BOTTOM"), s("--bgcolor"), s("#102030"), s("--text-color"),
          s("#A0B0C0"), s("--heading"), s("Pictures"), s("--screen-width"), s("640"), s("--subdirs"),
          s("--show-path")},
         [](GenerationOptions &o, FakeView &v) {
             v.shrink = v.pictureLink = v.pictureSize = true;
             o.TableColumns = 2;
             o.TableBorderWidth = 3;
             o.TableAlign = QStringLiteral("LEFT");
             o.TableVAlign = QStringLiteral("BOTTOM");
             o.BgColor = 0x302010;
             o.TextColor = 0xC0B0A0;
             v.heading = QStringLiteral("Pictures");
         },
         640},
        {"absolute links with path; picture and text options ignored",
         {s("--mode"), s("link"), s("--absolute"), s("--show-path"), s("--no-heading"), s("--shrink"),
          s("--picture-link"), s("--subdirs"), s("--size"), s("--picture-size")},
         [](GenerationOptions &o, FakeView &v) {
             o.EmbedPictures = false;
             o.ShowPath = true;
             v.absolute = true;
             v.heading_ = false;
             v.heading.clear();
             v.size = v.pictureSize = true;
         },
         1024},
    };
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void rejectsBadValues_data();
    void rejectsBadValues();
    void exitStatus_data();
    void exitStatus();
    void documentNameAndPlace_data();
    void documentNameAndPlace();
    void listsWhatTheFilterMatches_data();
    void listsWhatTheFilterMatches();
    void refusesToOverwrite();
    void selectionFollowsListOrder();
    void sameBytesAsGenerator_data();
    void sameBytesAsGenerator();
};

void TestCli::rejectsBadValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    const auto row = [](const char *tag, QStringList a) { QTest::newRow(tag) << a; };
    row("columns above 5", {"--columns", "6"});
    row("columns not a number", {"--columns", "two"});
    row("border above 5", {"--border", "9"});
    row("align unknown", {"--align", "JUSTIFY"});
    row("mode unknown", {"--mode", "pictures"});
    row("colour without #", {"--bgcolor", "102030"});
    row("colour too short", {"--link-color", "#12345"});
    row("colour with sign", {"--vlink-color", "#+12345"});
    row("colour not hex", {"--text-color", "#GG0000"});
    row("screen narrower than the margin", {"--screen-width", "39"});
    row("flag with a value", {"--center=yes"});
    row("value missing at the end", {".", "--name"});
    row("empty settings path", {"--settings", ""});
}

void TestCli::rejectsBadValues()
{
    QFETCH(QStringList, arguments);
    const ParsedArguments parsed = parseArguments(QStringList{QStringLiteral("quorvant-cli")} + arguments);
    QVERIFY(!parsed.ok);
    QVERIFY(!parsed.error.isEmpty());
}

void TestCli::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");  // %LIST: the listed directory
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("onStdout");
    QTest::addColumn<QString>("expectedText");

    const auto row = [](const char *tag, QStringList a, int code, bool out, const char *text) {
        QTest::newRow(tag) << a << code << out << QString::fromUtf8(text);
    };
    row("help", {"--help"}, 0, true, "Usage: quorvant-cli");
    row("version", {"--version"}, 0, true, "quorvant-cli 2.1\n");
    row("unknown option", {"--colour", "#000000", "%LIST"}, 2, false, "Usage: quorvant-cli");
    row("no such directory", {"%LIST/nowhere"}, 1, false, "no such directory");
    row("nothing listed", {"--filter", "*.none", "%LIST"}, 1, false, "No Files selected!");
    row("named file missing", {"%LIST", "a.txt", "zzz.txt"}, 1, false, "zzz.txt");
    row("named file left out by the filter", {"--filter", "*.gif", "%LIST", "a.txt"}, 1, false, "a.txt");
    row("document cannot be created", {"--name", "missing/index", "%LIST"}, 1, false, "Invalid filename");
    row("name after --", {"%LIST", "--", "-a.txt"}, 1, false, "-a.txt: not in the file list");
}

void TestCli::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, onStdout);
    QFETCH(QString, expectedText);

    Workspace ws;
    QVERIFY(ws.make());
    arguments.replaceInStrings(QStringLiteral("%LIST"), ws.list);
    const CliResult r = runCli(ws, arguments);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2((onStdout ? r.out : r.err).contains(expectedText), qPrintable(r.out + r.err));
    if (exitCode != 0)
        QVERIFY2(ws.documents().isEmpty(), qPrintable(ws.documents().join(QLatin1Char(' '))));
}

void TestCli::documentNameAndPlace_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedPath");  // below the workspace root

    const auto row = [](const char *tag, QStringList a, const char *path) {
        QTest::newRow(tag) << a << QString::fromLatin1(path);
    };
    row("name from the settings file", {}, "list/custom.html");
    row("empty name: default name with .htm", {"--name", ""}, "list/custom.htm");
    row("empty name ignores the extension choice", {"--name=", "--htm"}, "list/custom.htm");
    row("given name", {"--name", "index"}, "list/index.html");
    row("given name with .htm", {"--name", "index", "--htm"}, "list/index.htm");
    row("absolute: into the start directory", {"--absolute", "--name", "index"}, "start/index.html");
}

void TestCli::documentNameAndPlace()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedPath);

    Workspace ws;
    QVERIFY(ws.make());
    const CliResult r = runCli(ws, arguments << ws.list);
    QCOMPARE(r.exitCode, 0);
    const QString expected = native(ws.root + QLatin1Char('/') + expectedPath);
    QCOMPARE(r.out, expected + QLatin1Char('\n'));
    QCOMPARE(ws.documents(), QStringList{ws.root + QLatin1Char('/') + expectedPath});
    QVERIFY(readFile(expected).startsWith("<HTML>\r\n"));
}

void TestCli::listsWhatTheFilterMatches_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed");  // in the document's order

    QTest::newRow("all files, also without a dot; letter case ignored in the order")
        << QStringLiteral("*.*")
        << QStringList{"a.txt", "B.txt", "b.txt", "c.JPG", "D.gif", "README"};
    QTest::newRow("patterns match whatever the letter case")
        << QStringLiteral("*.gif;*.jpg") << QStringList{"c.JPG", "D.gif"};
}

void TestCli::listsWhatTheFilterMatches()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);

    QTemporaryDir tmp;
    const QString dir = tmp.path();
    QVERIFY(QDir(dir).mkpath(QStringLiteral("sub.txt")));
    for (const char *name : {"README", "b.txt", "D.gif", "a.txt", "c.JPG", "B.txt", ".hidden.txt"})
        QVERIFY(writeFile(dir + QLatin1Char('/') + QLatin1String(name), "x"));
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral(QUORVANT_CLI_PATH),
            {QStringLiteral("--settings"), QStringLiteral("none.ini"), QStringLiteral("--mode"), QStringLiteral("text"),
             QStringLiteral("--filter"), filter, QStringLiteral("--name"), QStringLiteral("out")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    // Each entry of a plain-text page without details is its name and "<BR>".
    QStringList entries;
    for (const QByteArray &line : readFile(dir + QStringLiteral("/out.html")).split('\n'))
        if (line.endsWith("<BR>\r") && line != "<BR>\r")
            entries << QString::fromLatin1(line.chopped(5));
    QCOMPARE(entries, listed);
}

void TestCli::refusesToOverwrite()
{
    Workspace ws;
    QVERIFY(ws.make());
    const QString document = ws.list + QStringLiteral("/index.html");
    QVERIFY(writeFile(document, "old contents"));

    CliResult r = runCli(ws, {QStringLiteral("--name"), QStringLiteral("index"), ws.list});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(QStringLiteral("already exists")), qPrintable(r.err));
    QVERIFY2(r.err.contains(native(document)), qPrintable(r.err));
    QCOMPARE(readFile(document), QByteArray("old contents"));

    r = runCli(ws, {QStringLiteral("--overwrite"), QStringLiteral("--name"), QStringLiteral("index"), ws.list});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, native(document) + QLatin1Char('\n'));
    QVERIFY(readFile(document).startsWith("<HTML>\r\n"));
}

void TestCli::selectionFollowsListOrder()
{
    Workspace ws;
    QVERIFY(ws.make());
    const CliResult r = runCli(ws, {QStringLiteral("--mode"), QStringLiteral("text"), QStringLiteral("--columns"),
                                    QStringLiteral("0"), ws.list, QStringLiteral("c.txt"), QStringLiteral("notes.dat"),
                                    QStringLiteral("a.txt"), QStringLiteral("c.txt")});
    QCOMPARE(r.exitCode, 0);
    const QByteArray page = readFile(r.out.trimmed());
    const qsizetype a = page.indexOf("a.txt<BR>\r\n");
    const qsizetype c = page.indexOf("c.txt<BR>\r\n");
    const qsizetype notes = page.indexOf("notes.dat<BR>\r\n");
    QVERIFY2(a >= 0 && a < c && c < notes, page.constData());
    QVERIFY(!page.contains("b.txt"));
    QVERIFY(page.contains("\r\n3 Files\r\n"));  // the repeated name counts once
}

void TestCli::sameBytesAsGenerator_data()
{
    QTest::addColumn<int>("index");
    const auto cases = sameDocumentCases();
    for (size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].tag) << int(i);
}

void TestCli::sameBytesAsGenerator()
{
    QFETCH(int, index);
    const SameDocumentCase c = sameDocumentCases().at(size_t(index));

    Workspace ws;
    QVERIFY(ws.make());
    const CliResult r = runCli(ws, QStringList{QStringLiteral("--name"), QStringLiteral("cli"), QStringLiteral("--filter"),
                                               kFilter} + c.arguments + QStringList{ws.list});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QString cliDocument = r.out.trimmed();

    // The window's state after start-up with the same settings file.
    GenerationOptions o;
    const QString otherStart = ws.root + QStringLiteral("/start2");
    QVERIFY(QDir().mkpath(otherStart));
    o.StartDirectory = native(otherStart);
    o.DefaultTitle = QStringLiteral("Title from settings");
    o.DefaultHeading = QStringLiteral("Heading from settings");
    o.DefaultFileName = QStringLiteral("custom");
    o.TableColumns = o.DefaultTableColumns = 3;
    o.TableAlign = QStringLiteral("CENTER");  // "left" corrected by the activation check
    o.TableVAlign = QStringLiteral("TOP");
    o.BgColor = o.DefaultBgColor = 255;
    FakeView v;
    v.title = o.DefaultTitle;
    v.heading = o.DefaultHeading;
    v.name = QStringLiteral("direct");
    v.directory = native(ws.list);
    v.items = listMatchingFiles(ws.list, kFilter);
    c.setWindow(o, v);
    checkTableValues(o);
    o.FileCount = int(v.items.size());

    SilentFeedback feedback;
    SilentMessages messages;
    const FixedScreen screen(c.screenWidth, 768);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(ws.list));
    DocumentGenerator generator(o, v, feedback, messages, screen);
    const RunOutcome outcome = generator.makefilebuttonClick();
    QDir::setCurrent(previous);
    QCOMPARE(outcome, RunOutcome::Completed);

    QCOMPARE(readFile(cliDocument), readFile(o.LastDocumentName));
    QCOMPARE(readFile(ws.settings), kSettings);  // the tool never writes the settings file
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
