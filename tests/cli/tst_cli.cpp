// SPDX-License-Identifier: GPL-3.0-or-later
// quorvant-cli as scripts use it: the built program run through QProcess,
// with a settings file of the test's own so nothing beside the binary is read.

#include "cli/CliArguments.h"
#include "cli/CliCancel.h"
#include "cli/CliFeedback.h"
#include "cli/CliProgress.h"
#include "cli/CliRun.h"
#include "generator/FileListing.h"
#include "tests/common/AsOrdinaryUser.h"
#include "tests/common/Fetched.h"
#include "tests/common/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <functional>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Leaves the documents (.htm, .html) out of the list they are written into.
const QString kFilter = QStringLiteral("*.txt;*.gif;*.jpg;*.dat");

QString native(const QString &path) { return QDir::toNativeSeparators(QDir::cleanPath(path)); }

using testfiles::read;
using testfiles::write;

// Values a user's settings file might hold, some out of range on purpose;
// the sizes of camera (Exif) pictures read.
const QByteArray kSettings = "[Default]\r\nTitledefault=Title from settings\r\nHeadingdefault=Heading from settings\r\n"
                             "Filenamedefault=custom\r\nModernpictures=1\r\n[Table]\r\nColumnsdefault=3\r\nBorderwidthdefault=9\r\n"
                             "Aligndefault=left\r\nVAligndefault=TOP\r\n[Colors]\r\nBackground=255\r\n";

// A directory "list" with files, pictures and subdirectories, an empty "start"
// directory to run from, and the settings file.
struct Workspace {
    QTemporaryDir tmp;
    QString root = tmp.path();
    QString list = root + QStringLiteral("/list");
    QString start = root + QStringLiteral("/start");
    QString settings = root + QStringLiteral("/quorva21.ini");

    bool make(const QByteArray &moreSettings = {})
    {
        const QDir r(root);
        return tmp.isValid() && r.mkpath(QStringLiteral("list/Beta")) && r.mkpath(QStringLiteral("list/alpha"))
            && r.mkpath(QStringLiteral("start")) && write(settings, kSettings + moreSettings)
            && write(list + QStringLiteral("/b.txt"), QByteArray(123, 'b'))
            && write(list + QStringLiteral("/a.txt"), QByteArray()) && write(list + QStringLiteral("/c.txt"), "c")
            && write(list + QStringLiteral("/notes.dat"), "notes")
            && write(list + QStringLiteral("/photo.jpg"), QByteArray::fromHex("FFD8") + testfiles::jpegSegment(0xE1, "Exif")
                                                           + testfiles::jpegFrame(0xC0, 1600, 1200) + testfiles::jpegScan())
            && write(list + QStringLiteral("/anim.gif"), testfiles::gif(800, 600));
    }

    QStringList documents() const
    {
        QStringList found;
        for (const QString &dir : {list, start})
            for (const FileName &n : listMatchingFiles(dir, QStringLiteral("*.htm;*.html")))
                found << dir + QLatin1Char('/') + n.readable();
        return found;
    }
};

struct CliResult {
    int exitCode = -1;
    QString out, err;
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

// What the feedback prints to a terminal while act runs.
QByteArray printed(const std::function<void(CliFeedback &)> &act)
{
    char *text = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&text, &size);
    {
        CliProgress progress(true, stream);
        CliFeedback feedback(false, progress, stream);
        act(feedback);
    }
    std::fclose(stream);
    const QByteArray result(text, qsizetype(size));
    std::free(text);
    return result;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void parsesValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char *tag, QStringList a, bool ok) { QTest::newRow(tag) << a << ok; };
        row("columns 0 to 5", {"--columns", "0", "--border", "5"}, true);
        row("columns above 5", {"--columns", "6"}, false);
        row("border not a number", {"--border", "two"}, false);
        row("names in any case", {"--mode", "Text", "--align", "left", "--valign", "bottom"}, true);
        row("colours in either case", {"--bgcolor", "#a0b0C0", "--text-color", "#FFFFFF"}, true);
        row("colour without #", {"--bgcolor", "102030"}, false);
        row("screen narrower than the margin", {"--screen-width", "39"}, false);
        row("value missing at the end", {".", "--name"}, false);
        row("thumbnails of 32 to 1024 pixels", {"--thumbnails", "--thumbnail-size", "1024"}, true);
        row("thumbnail smaller than 32 pixels", {"--thumbnail-size", "31"}, false);
    }
    void parsesValues()
    {
        QFETCH(QStringList, arguments);
        const ParsedArguments parsed = parseArguments(QStringList{QStringLiteral("quorvant-cli")} + arguments);
        QCOMPARE(parsed.ok, fetched<bool>("accepted"));
        QCOMPARE(parsed.error.isEmpty(), parsed.ok);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");  // %LIST: the listed directory
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expectedText");  // on standard output when the code is 0

        const auto row = [](const char *tag, QStringList a, int code, const char *text) {
            QTest::newRow(tag) << a << code << QString::fromUtf8(text);
        };
        row("help", {"--help"}, 0, "Usage: quorvant-cli");
        row("unknown option", {"--colour", "#000000", "%LIST"}, 2, "Usage: quorvant-cli");
        row("no such directory", {"%LIST/nowhere"}, 1, "no such directory");
        row("nothing listed", {"--filter", "*.none", "%LIST"}, 1, "No Files selected!");
        row("named file missing", {"%LIST", "a.txt", "zzz.txt"}, 1, "zzz.txt");
        row("named file left out by the filter", {"--filter", "*.gif", "%LIST", "a.txt"}, 1, "a.txt");
        row("document cannot be created", {"--name", "missing/index", "%LIST"}, 1, "Invalid filename");
        row("name after --", {"%LIST", "--", "-a.txt"}, 1, "-a.txt: not in the file list");
        row("depth without the whole tree", {"--max-depth", "1", "%LIST"}, 2, "--max-depth needs --recursive");
        row("whole tree, nothing selected at its top", {"--recursive", "--filter", "*.none", "%LIST"}, 0, "/list/");
        row("settings file that never ends", {"--settings", "/dev/urandom", "%LIST"}, 1,
            "The settings file /dev/urandom is not a regular file and is not read");
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expectedText);

        Workspace ws;
        QVERIFY(ws.make());
        const CliResult r = runCli(ws, arguments.replaceInStrings(QStringLiteral("%LIST"), ws.list));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? r.out : r.err).contains(expectedText), qPrintable(r.out + r.err));
        QVERIFY2(exitCode == 0 || ws.documents().isEmpty(), qPrintable(ws.documents().join(QLatin1Char(' '))));
    }

    void refusesToOverwrite()
    {
        Workspace ws;
        QVERIFY(ws.make());
        const QString document = ws.list + QStringLiteral("/index.html");
        QVERIFY(write(document, "old contents"));

        CliResult r = runCli(ws, {QStringLiteral("--name"), QStringLiteral("index"), ws.list});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(QStringLiteral("already exists")) && r.err.contains(native(document)), qPrintable(r.err));
        QCOMPARE(read(document), QByteArray("old contents"));

        // Named by a path of its own, it is reported where it was written.
        r = runCli(ws, {QStringLiteral("--overwrite"), QStringLiteral("--mode"), QStringLiteral("link"),
                        QStringLiteral("--name"), ws.list + QStringLiteral("/index"), ws.list});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, native(document) + QLatin1Char('\n'));
        QVERIFY(read(document).contains("<A HREF=\"a.txt\">a.txt</A>"));
    }

    // A directory this user may read but not search is refused, as the window
    // refuses it: its files could not be opened.
    void refusesUnsearchableDirectory()
    {
        Workspace ws;
        const auto all = QFileDevice::Permissions(0x7777);
        QVERIFY(ws.make() && QFile::setPermissions(ws.root, all) && QFile::setPermissions(ws.start, all));
        QVERIFY(QFile::setPermissions(ws.list, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        const CheckResult result = asOrdinaryUser([&] {
            return runCommandLine({"quorvant-cli", "--settings", ws.settings, "--name", ws.start + "/page", ws.list}) == ExitFailed;
        });
        QFile::setPermissions(ws.list, all);
        if (result == CheckResult::NotPossible)
            QSKIP("cannot run as a user other than root here");
        QCOMPARE(result, CheckResult::Passed);
    }

#ifdef Q_OS_UNIX
    // A FILE argument selects the name of its very bytes, or the one whose
    // readable form it spells, as quorvant-cli prints names.
    void filesByBytesOrReadableForm()
    {
        Workspace ws;
        QVERIFY(ws.make() && testfiles::writeNamed(ws.list, "caf\xE9.txt", "x") && testfiles::writeNamed(ws.list, "t\tb.txt", "x"));
        const int status = runCommandLine(QList<QByteArray>{"quorvant-cli", "--settings", QFile::encodeName(ws.settings),
                                                            "--mode", "text", "--columns", "0", "--name", QFile::encodeName(ws.start + "/page"),
                                                            QFile::encodeName(ws.list), "t\\x09b.txt", "caf\xE9.txt"});
        testfiles::removeUnspellable(ws.list);
        QCOMPARE(status, int(ExitSuccess));
        QVERIFY(read(ws.start + "/page.html").contains(">\r\ncaf\\xE9.txt<BR>\r\nt\\x09b.txt<BR>\r\n<BR>\r\n2 Files\r\n"));
    }

    // Started in a directory deleted under the shell, absolute-link documents
    // go to the nearest directory left, never to the root.
    void deletedStartDirectory()
    {
        Workspace ws;
        QVERIFY(ws.make());
        const QString gone = ws.start + "/gone/deeper";
        const QByteArray previous = QFile::encodeName(QDir::currentPath());
        QVERIFY(QDir().mkpath(gone) && ::chdir(QFile::encodeName(gone)) == 0 && QDir(ws.start + "/gone").removeRecursively());
        qputenv("PWD", QFile::encodeName(gone));
        const int status = runCommandLine({"quorvant-cli", "--settings", ws.settings, "--absolute", "--name", "page", ws.list});
        QCOMPARE(::chdir(previous), 0);
        QCOMPARE(status, int(ExitSuccess));
        QCOMPARE(ws.documents(), QStringList{ws.start + "/page.html"});
    }
#endif

    // The progress line rewrites itself and is cleared before a report; each
    // report is one line, where a hostile name can neither drive the
    // terminal nor leave its line. A replace question is answered by
    // --overwrite. A whole tree's progress counts directories and files; its
    // end-of-run report is a line per directory.
    void progressAndReports()
    {
        const QByteArray line = "\rCreating document: 1% (2 of 200)";
        QCOMPARE(printed([](CliFeedback &feedback) {
                     feedback.runStarted(200);
                     for (int done = 1; done <= 3; ++done)
                         feedback.entryWritten(done);
                     feedback.report(FileUnreadable{FileName("a\x1b[2Jb\nc\rd\xC2\x85\xFF.txt"), 13});
                     // A folder that cannot be used is named once, not with every picture.
                     const auto unusable = ThumbnailProblem::FolderUnusable;
                     feedback.report(ThumbnailsMissing{"/p/t", {{"x.jpg", unusable, 13}, {"b\n.png", ThumbnailProblem::TooLarge, 0},
                                                                {"y.jpg", unusable, 13}}});
                     QVERIFY(!feedback.replaceExisting({"/tmp/x.html", "x.html"}));
                 }),
                 "\rCreating document: 0% (1 of 200)" + line + "\r" + QByteArray(line.size() - 1, ' ') + "\r"
                     + "quorvant-cli: warning: File access error: a\\x1B[2Jb\\x0Ac\\x0Dd\\xC2\\x85\\xFF.txt\n"
                     + "quorvant-cli: warning: Thumbnail folder cannot be used (File access denied), pictures shown at full size: /p/t\n"
                     + "quorvant-cli: warning: No thumbnail, the picture is too large to decode: b\\x0A.png\n");

        const QByteArray tree = "\rCreating document: 1 directory, 0 files";
        QCOMPARE(printed([](CliFeedback &feedback) {
                     feedback.runStarted(-1);
                     feedback.directoryStarted(1);
                     feedback.entryWritten(1);  // too soon to show
                     feedback.report(DirectoriesUnreadable{{{FileName("a/b\x1b"), EACCES}}});
                 }),
                 tree + "\r" + QByteArray(tree.size() - 1, ' ') + "\r"
                     + "quorvant-cli: warning: Directory not readable (File access denied), named in the page as such: a/b\\x1B\n");
    }

    // Ctrl-C and SIGTERM ask the run to stop (it then ends with status 130).
    void signalsCancel()
    {
        for (const int signal : {SIGINT, SIGTERM}) {
            const CancelOnSignals guard;
            QVERIFY(!cancelSignalled());
            std::raise(signal);
            QVERIFY(cancelSignalled());
        }
    }

    // What each option does to the page, over the settings file's defaults
    // (three columns, border 9 and "left" out of range, background 255).
    void optionsReachThePage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArrayList>("present");
        QTest::addColumn<QByteArrayList>("absent");
        QTest::addColumn<QByteArray>("moreSettings");
        QTest::newRow("defaults from the settings file")
            << QStringList{"--mode", "link", "%LIST"}
            << QByteArrayList{"<TITLE>\r\nTitle from settings\r\n", "<BODY BGCOLOR=#FF0000 ", "<H1>Heading from settings</H1>",
                              "<TABLE BORDER = \"0\" CELLPADDING = \"5\">", "<TD ALIGN=\"CENTER\" VALIGN=\"TOP\">"}
            << QByteArrayList{"<CENTER>"} << QByteArray();
        QTest::newRow("plain text, subdirectories; path only with absolute links, pictures options ignored")
            << QStringList{"--mode", "text", "--subdirs", "--size", "--center", "--columns", "0", "--title",
                           "Files <&> more", "--show-path", "--no-heading", "--shrink", "--picture-link", "%LIST"}
            << QByteArrayList{"<TITLE>\r\nFiles <&> more\r\n", "<CENTER>\r\n<FONT FACE = \"Courier New\">\r\nalpha",
                              "Beta" + QByteArray("&nbsp;").repeated(15) + "Directory<BR>", "\r\n2 Directories, 6 Files, 197 Bytes\r\n"}
            << QByteArrayList{"<H1>", "<TABLE", "<IMG", "<A ", "/list/"} << QByteArray();
        QTest::newRow("pictures in a table, shrunk, linked, coloured, absolute with path")
            << QStringList{"--shrink", "--picture-size", "--picture-link", "--columns", "2", "--border", "3",
                           "--align", "left", "--valign", "BOTTOM", "--bgcolor", "#102030", "--text-color", "#A0B0C0",
                           "--heading", "Pictures", "--screen-width", "640", "--subdirs", "--absolute", "--show-path", "%LIST"}
            << QByteArrayList{"<BODY BGCOLOR=#102030 LINK=#0000FF VLINK=#400080 TEXT=#A0B0C0>", "<H1>Pictures</H1>",
                              "<TABLE BORDER = \"3\"", "<TD ALIGN=\"LEFT\" VALIGN=\"BOTTOM\">",
                              "<IMG WIDTH = \"200\" SRC=\"file://%LIST/photo.jpg\"></A><BR><BR>\r\n<STRONG>%LIST/photo.jpg</STRONG>"
                              "<BR>\r\nJPEG 1600x1200</TD>"}
            << QByteArrayList{"Directory"} << QByteArray();
        QTest::newRow("whole tree, a directory left out")
            << QStringList{"--mode", "link", "--recursive", "--exclude", "AL*", "%LIST"}
            << QByteArrayList{">.</A>, 6 Files<BR>", "<DIV ID=\"d1\">\r\n<H2>Beta</H2>\r\n</DIV>\r\n</BODY>"}
            << QByteArrayList{"alpha"} << QByteArray();
        QTest::newRow("named files in list order, each once")
            << QStringList{"--mode", "text", "--columns", "0", "%LIST", "c.txt", "notes.dat", "a.txt", "c.txt"}
            << QByteArrayList{">\r\na.txt<BR>\r\nc.txt<BR>\r\nnotes.dat<BR>\r\n<BR>\r\n3 Files\r\n"} << QByteArrayList{"b.txt"}
            << QByteArray();
        QTest::newRow("the page's extras from the settings file")
            << QStringList{"--mode", "link", "%LIST"} << QByteArrayList{"CELLPADDING = \"5\" class=qv data-cols=3>"}
            << QByteArrayList{} << QByteArray("[Page]\r\nSearchable=1\r\n");
    }
    void optionsReachThePage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArrayList, present);
        QFETCH(QByteArrayList, absent);
        QFETCH(QByteArray, moreSettings);
        Workspace ws;
        QVERIFY(ws.make(moreSettings));
        const CliResult r = runCli(ws, QStringList{QStringLiteral("--filter"), kFilter} + arguments.replaceInStrings("%LIST", ws.list));
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray page = read(r.out.trimmed());
        for (const QByteArray &text : present)
            QVERIFY2(page.contains(QByteArray(text).replace("%LIST", ws.list.toUtf8())), text.constData());
        for (const QByteArray &text : absent)
            QVERIFY2(!page.contains(text), text.constData());
        QCOMPARE(read(ws.settings), kSettings + moreSettings);  // the tool never writes the settings file
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
