// The generator over real temporary directories: exact page bytes, naming
// and overwrite rules, what failures leave behind, and the pieces pages are
// made of (picture probes, date texts, paths).

#include "generator/HtmlText.h"
#include "generator/PictureProbes.h"
#include "tests/common/AsOrdinaryUser.h"
#include "tests/common/Fetched.h"
#include "tests/common/GeneratorRun.h"

#include <QBuffer>
#include <QtTest>

#include <functional>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <utime.h>
#endif

using Setup = std::function<void(GeneratorRun &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QByteArray kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>\r\nDocument created by \"Quorvant\"\r\n</TITLE>\r\n</HEAD>\r\n"
                         "<BODY BGCOLOR=#C0C0C0 LINK=#0000FF VLINK=#400080 TEXT=#000000>\r\n";
const QByteArray kEnd = "</BODY>\r\n</HTML>\r\n";
const QByteArray kFontEnd = "</FONT>\r\n" + kEnd;
const QByteArray kCell = "<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\r\n";
const QByteArray kPng = QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x03\x20\0\0\x02\x58", 24);

QByteArray dateOf(const QDateTime &time) { return dateText(time, QLocale::system()).toLocal8Bit(); }

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArray>("pageEnd");  // the page, or its last part
        using R = GeneratorRun &;
        QTest::newRow("link page, default heading") << Setup([](R r) {
            r.mode(EntryMode::Link), r.request.heading = true, r.request.title.clear();
            r.add("a.txt");
        }) << kHead + "<H1>Document created by \"Quorvant\"</H1>\r\n<A HREF=\"a.txt\">a.txt</A><BR><BR>\r\n" + kEnd;
        QTest::newRow("centred picture table") << Setup([](R r) { r.table(3, 2), r.request.center = true; r.add("a.txt"); })
            << kHead + "<CENTER>\r\n<TABLE BORDER = \"2\" CELLPADDING = \"5\">\r\n<TR>\r\n" + kCell
                   + "<IMG SRC=\"a.txt\"><BR><BR>\r\n<STRONG>a.txt</STRONG></TD>\r\n</TR>\r\n</TABLE>\r\n</CENTER>\r\n" + kEnd;
        QTest::newRow("plain text in a table") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.table(1), r.request.fileSize = true;
            r.add("a.txt");
        }) << "TEXT=#000000>\r\n<FONT FACE = \"Courier New\">\r\n<TABLE BORDER = \"0\" CELLPADDING = \"5\">\r\n<TR>\r\n" + kCell
                   + "a.txt<BR>\r\n5 Bytes</TD>\r\n</TR>\r\n</TABLE>\r\n" + kFontEnd;
        QTest::newRow("title and heading as typed, colours by their low 24 bits") << Setup([](R r) {
            r.mode(EntryMode::Link);
            r.request.title = "<i>A & B</i>", r.request.headingText = "<b>x</b>", r.request.heading = true;
            r.request.settings.colors = {0x0A0B0C, 0x7F0000FF, 0x800040, -1};
            r.add("a.txt");
        }) << "<TITLE>\r\n<i>A & B</i>\r\n</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=#0C0B0A LINK=#FF0000 VLINK=#400080 TEXT=#FFFFFF>\r\n"
              "<H1><b>x</b></H1>\r\n<A HREF=\"a.txt\">a.txt</A><BR><BR>\r\n" + kEnd;
        QTest::newRow("empty title and empty default title") << Setup([](R r) {
            r.request.title.clear(), r.request.defaultTitle.clear();
            r.add("a.txt");
        }) << QByteArray(kHead).replace("Document created by \"Quorvant\"\r\n", "\r\n")
                   + "<IMG SRC=\"a.txt\"><BR><BR>\r\n<STRONG>a.txt</STRONG><BR><BR>\r\n" + kEnd;
        QTest::newRow("totals: two subdirectories, five files") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.showSubdirectories = r.request.fileSize = true;
            QDir(r.dir).mkdir("d1"), QDir(r.dir).mkdir("d2");
            for (const char *n : {"a", "b", "c", "d", "e"})
                r.add(n, QByteArray(180, 'x'));
        }) << "<BR>\r\n2 Directories, 5 Files, 900 Bytes\r\n" + kFontEnd;
        QTest::newRow("totals: one subdirectory, one empty file") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.showSubdirectories = r.request.fileSize = true;
            QDir(r.dir).mkdir("d1");
            r.add("a", "");
        }) << "<BR>\r\n1 Directory, 1 Files, 0 Bytes\r\n" + kFontEnd;
        // Each file its own time stamp: a date text is never one of an earlier file.
        QTest::newRow("aligned columns: longest name 8, size and date") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.fileSize = r.request.fileDate = true;
            r.add("ab.txt", QByteArray(1234, 'x'));
            testfiles::write(r.path("abcd.txt"), "", testfiles::sampleTime().addDays(-400));
            r.add("abcd.txt", QByteArray());
        }) << "<FONT FACE = \"Courier New\">\r\nab.txt" + nbsp(4) + nbsp(7) + "1234 Bytes" + nbsp(3) + sampleDate()
                   + "<BR>\r\nabcd.txt" + nbsp(2) + nbsp(10) + "0 Bytes" + nbsp(3)
                   + dateOf(testfiles::sampleTime().addDays(-400)) + "<BR>\r\n<BR>\r\n2 Files, 1234 Bytes\r\n" + kFontEnd;
        QTest::newRow("aligned columns count characters; an unopenable file has no size") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.fileSize = true;
            r.add("café.txt", ""), r.add("abcdefgh", ""), r.add("gone", QByteArray());
        }) << ">\r\ncaf\xC3\xA9.txt" + nbsp(12) + "0 Bytes<BR>\r\nabcdefgh" + nbsp(12) + "0 Bytes<BR>\r\ngone<BR>\r\n<BR>\r\n"
                   "3 Files, 0 Bytes\r\n" + kFontEnd;
        QTest::newRow("link with size and date") << Setup([](R r) {
            r.mode(EntryMode::Link), r.request.fileSize = r.request.fileDate = true;
            r.add("a.txt");
        }) << ">\r\n<A HREF=\"a.txt\">a.txt</A>, 5 Bytes, " + sampleDate() + "<BR><BR>\r\n" + kEnd;
        QTest::newRow("link cell with size") << Setup([](R r) {
            r.mode(EntryMode::Link), r.table(2), r.request.fileSize = true;
            r.add("a.txt");
        }) << kCell + "<A HREF=\"a.txt\">a.txt</A><BR>\r\n5 Bytes</TD>\r\n</TR>\r\n</TABLE>\r\n" + kEnd;
        QTest::newRow("picture as link with size; no picture size for a text file") << Setup([](R r) {
            r.request.pictureAsLink = r.request.fileSize = r.request.pictureSize = true;
            r.add("a.txt");
        }) << ">\r\n<A HREF=\"a.txt\"><IMG SRC=\"a.txt\"></A><BR><BR>\r\n<STRONG>a.txt</STRONG>, 5 Bytes<BR><BR>\r\n" + kEnd;
        QTest::newRow("picture sizes by exact extension") << Setup([](R r) {
            r.mode(EntryMode::Link), r.request.pictureSize = true;
            r.add("p.gif", testfiles::gif(320, 200)), r.add("q.jpg", testfiles::jpeg(640, 480));
            r.add("r.Gif", testfiles::gif(1, 1)), r.add("s.png", kPng);
        }) << "<A HREF=\"p.gif\">p.gif</A>, GIF89a 320x200<BR><BR>\r\n<A HREF=\"q.jpg\">q.jpg</A>, JPEG 640x480<BR><BR>\r\n"
              "<A HREF=\"r.Gif\">r.Gif</A><BR><BR>\r\n<A HREF=\"s.png\">s.png</A><BR><BR>\r\n" + kEnd;
        QTest::newRow("modern picture sizes, shrunk") << Setup([](R r) {
            r.request.modernPictures = r.request.pictureSize = r.request.shrinkToFit = true;
            r.add("s.PNG", kPng), r.add("t.bmp", "BM" + QByteArray(12, '\0') + QByteArray::fromHex("2800000000080000FFFFFFFF"));
            r.add("u.jpeg", QByteArray::fromHex("FFD8") + testfiles::jpegSegment(0xE1, "Exif") + testfiles::jpegFrame(0xC0, 9, 4)
                                + testfiles::jpegScan());
        }) << "<IMG WIDTH = \"800\" SRC=\"s.PNG\"><BR><BR>\r\n<STRONG>s.PNG</STRONG>, PNG 800x600<BR><BR>\r\n"
              "<IMG WIDTH = \"512\" SRC=\"t.bmp\"><BR><BR>\r\n<STRONG>t.bmp</STRONG>, BMP 2048x1<BR><BR>\r\n"
              "<IMG WIDTH = \"9\" SRC=\"u.jpeg\"><BR><BR>\r\n<STRONG>u.jpeg</STRONG>, JPEG 9x4<BR><BR>\r\n" + kEnd;
        QTest::newRow("names shown escaped, links percent-encoded") << Setup([](R r) {
            r.mode(EntryMode::Link);
            for (const QString n : {"a&b", "x#1", "100%", "<b>", "q\"?", "café", "javascript:x", "a b", " lead"})
                r.add(n);
        }) << ">\r\n<A HREF=\"a%26b\">a&amp;b</A><BR><BR>\r\n<A HREF=\"x%231\">x#1</A><BR><BR>\r\n<A HREF=\"100%25\">100%</A><BR><BR>\r\n"
              "<A HREF=\"%3Cb%3E\">&lt;b&gt;</A><BR><BR>\r\n<A HREF=\"q%22%3F\">q&quot;?</A><BR><BR>\r\n"
              "<A HREF=\"caf%C3%A9\">caf\xC3\xA9</A><BR><BR>\r\n<A HREF=\"./javascript:x\">javascript:x</A><BR><BR>\r\n"
              "<A HREF=\"a b\">a b</A><BR><BR>\r\n<A HREF=\"%20lead\"> lead</A><BR><BR>\r\n" + kEnd;
    }
    void pages()
    {
        QFETCH(Setup, setup);
        GeneratorRun r;
        setup(r);
        const RunResult result = r.go();
        QCOMPARE(result.outcome, RunOutcome::Completed);
        QVERIFY2(r.page().endsWith(fetched<QByteArray>("pageEnd")), r.page());
    }

    // Halving until the picture fits the screen (less a margin) or its column.
    void shrink_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QByteArray>("img");
        QTest::newRow("halved once") << "p.gif" << 1600 << 0 << 1024 << QByteArray("<IMG WIDTH = \"800\" SRC=\"p.gif\">");
        QTest::newRow("three columns") << "p.jpeg" << 1600 << 3 << 1024 << QByteArray("<IMG WIDTH = \"200\" SRC=\"p.jpeg\">");
        QTest::newRow("fits, width written") << "p.gif" << 984 << 0 << 1024 << QByteArray("<IMG WIDTH = \"984\" SRC=\"p.gif\">");
        QTest::newRow("width 0") << "p.gif" << 0 << 0 << 1024 << QByteArray("<IMG SRC=\"p.gif\">");
        QTest::newRow("screen narrower than the margin") << "p.gif" << 1600 << 0 << 20 << QByteArray("<IMG SRC=\"p.gif\">");
    }
    void shrink()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        GeneratorRun r;
        r.request.screenWidth = fetched<int>("screenWidth");
        r.table(fetched<int>("columns"));
        r.request.shrinkToFit = true;
        r.add(name, name.endsWith("jpeg") ? testfiles::jpeg(width, 1) : testfiles::gif(width, 1));
        r.go();
        QVERIFY2(r.page().contains(fetched<QByteArray>("img") + "<BR><BR>\r\n<STRONG>"), r.page());
    }

    void rowStructure_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("shape");
        QTest::newRow("one column") << 1 << 2 << "TR TD /TD /TR TR TD /TD /TR";
        QTest::newRow("five in two columns") << 2 << 5 << "TR TD /TD TD /TD /TR TR TD /TD TD /TD /TR TR TD /TD /TR";
        QTest::newRow("three in three columns") << 3 << 3 << "TR TD /TD TD /TD TD /TD /TR";
        QTest::newRow("no table") << 0 << 3 << "";
    }
    void rowStructure()
    {
        QFETCH(int, files);
        GeneratorRun r;
        r.mode(EntryMode::Link);
        r.table(fetched<int>("columns"));
        for (int i = 0; i < files; ++i)
            r.add(QStringLiteral("f%1").arg(i));
        r.go();
        QStringList tokens;
        for (const QByteArray &line : r.page().split('\n')) {
            const QByteArray l = line.trimmed();
            tokens << (l == "<TR>" ? "TR" : l + "\r\n" == kCell ? "TD" : l == "</TR>" ? "/TR" : "");
            if (l.endsWith("</TD>"))
                tokens << "/TD";
        }
        tokens.removeAll("");
        QTEST(tokens.join(' '), "shape");
        QCOMPARE(r.feedback.entries, files);
        QCOMPARE(r.feedback.progress.last(), files);
    }

    void subdirectoryLines()
    {
        for (bool showPath : {false, true}) {
            GeneratorRun r;
            r.mode(EntryMode::PlainText);
            r.request.showSubdirectories = r.request.fileDate = true;
            r.request.settings.linkStyle = showPath ? LinkStyle::Absolute : LinkStyle::Relative;
            r.request.settings.showPath = showPath;
            const QDateTime dates[] = {testfiles::sampleTime().addDays(-1), testfiles::sampleTime().addDays(-2),
                                       testfiles::sampleTime().addDays(-3)};
            const QStringList names = {"beta", "Alpha", "gamma"};
            for (int i = 0; i < 3; ++i) {
                QDir(r.dir).mkdir(names[i]);
                const utimbuf times{dates[i].toSecsSinceEpoch(), dates[i].toSecsSinceEpoch()};
                QCOMPARE(::utime(QFile::encodeName(r.path(names[i])).constData(), &times), 0);
            }
            QDir(r.dir).mkdir(".hidden");
            r.add("a.txt");
            const RunResult result = r.go();
            const QByteArray prefix = showPath ? (r.dir + "/").toUtf8() : QByteArray();
            const QByteArray expected = "<FONT FACE = \"Courier New\">\r\n"
                + prefix + "Alpha" + nbsp(10) + "Directory" + nbsp(3) + dateOf(dates[1]) + "<BR>\r\n"
                + prefix + "beta" + nbsp(11) + "Directory" + nbsp(3) + dateOf(dates[0]) + "<BR>\r\n"
                + prefix + "gamma" + nbsp(10) + "Directory" + nbsp(3) + dateOf(dates[2]) + "<BR>\r\n"
                + prefix + "a.txt" + nbsp(22) + sampleDate() + "<BR>\r\n<BR>\r\n3 Directories, 1 Files\r\n";
            QVERIFY2(r.page().endsWith(expected + kFontEnd), r.page());
            QCOMPARE(result.subdirectoryCount, 3);
        }
    }

    void documentNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("absolute");
        QTest::addColumn<QString>("file");
        QTest::newRow(".htm") << "index" << false << false << "index.htm";
        QTest::newRow("empty name") << "" << true << false << "quorvant.htm";
        QTest::newRow("extension in the name") << "page.htm" << true << false << "page.htm.html";
        QTest::newRow("absolute, path shown") << "index" << true << true << "index.html";
    }
    void documentNames()
    {
        QFETCH(bool, absolute);
        QTemporaryDir start;
        GeneratorRun r;
        r.mode(EntryMode::Link);
        r.request.documentName = fetched<QString>("name");
        r.request.settings.htmlExtension = fetched<bool>("html");
        r.request.settings.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
        r.request.settings.showPath = absolute;
        r.request.startDirectory = start.path();
        r.add("a b.txt");
        const RunResult result = r.go();
        const QString doc = (absolute ? start.path() : r.dir) + "/" + fetched<QString>("file");
        const QByteArray dir = absolute ? r.dir.toUtf8() + "/" : QByteArray();
        QCOMPARE(result.outcome, RunOutcome::Completed);
        QCOMPARE(result.documentPath, doc);
        QVERIFY(testfiles::read(doc).endsWith("<A HREF=\"" + (absolute ? "file://" + dir : QByteArray()) + "a b.txt\">"
                                              + dir + "a b.txt</A><BR><BR>\r\n" + kEnd));
    }

    void noSelectionAndOverwrite()
    {
        GeneratorRun r;
        QCOMPARE(r.go().outcome, RunOutcome::NoSelection);
        QCOMPARE(r.messages.texts, QStringList{"No Files selected!"});
        QCOMPARE(r.feedback.entries, 0);
        QVERIFY(!QFile::exists(r.path("quorvant.html")));

        r.add("a.txt");
        for (MessageResult answer : {MessageResult::No, MessageResult::Yes}) {
            testfiles::write(r.path("quorvant.html"), "old");
            r.messages.texts.clear();
            r.messages.answers = {answer};
            QCOMPARE(r.go().outcome, answer == MessageResult::Yes ? RunOutcome::Completed : RunOutcome::Declined);
            QCOMPARE(r.messages.texts, QStringList{"The HTML-Document quorvant.html already exists! Overwrite?"});
            QCOMPARE(r.page() == "old", answer == MessageResult::No);
        }
    }

    // Files this user may write but not read: an existing document is still
    // asked about, and a listed file is reported (opened, not only looked at).
    void unreadableFiles()
    {
        const CheckResult result = asOrdinaryUser([] {
            GeneratorRun r;
            r.request.fileSize = true;
            r.add("secret.txt");
            QFile old(r.path("quorvant.html"));
            if (!testfiles::write(old.fileName(), "old") || !old.setPermissions(QFileDevice::WriteOwner)
                || !QFile(r.path("secret.txt")).setPermissions(QFileDevice::WriteOwner))
                return false;
            r.messages.answers = {MessageResult::Yes};
            const RunResult run = r.go();
            old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // the new document keeps them
            return run.outcome == RunOutcome::Completed && r.page().contains("secret.txt</STRONG><BR><BR>")
                   && r.messages.texts == QStringList{"The HTML-Document quorvant.html already exists! Overwrite?",
                                                      "File access error\rsecret.txt"};
        });
        if (result == CheckResult::NotPossible)
            QSKIP("cannot run as a user other than root here");
        QCOMPARE(result, CheckResult::Passed);
    }

    // A document the file system refuses leaves the old document and the
    // directory as they were (failures while writing: tst_hostile).
    void outputFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing directory") << "missing/page" << "Invalid filename";
        QTest::newRow("a directory in the way") << "taken" << "Invalid filename";
        QTest::newRow("a FIFO in the way") << "pipe" << "Invalid filename";
        QTest::newRow("name too long") << QString(251, 'n') << "Invalid filename";
    }
    void outputFailures()
    {
        QFETCH(QString, name);
        GeneratorRun r;
        testfiles::write(r.path("quorvant.html"), "old document");
        QDir(r.dir).mkdir("taken.html");
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(r.path("pipe.html")).constData(), 0600), 0);
#else
        if (name == "pipe")
            QSKIP("FIFOs are POSIX");
#endif
        r.messages.answers = {MessageResult::Yes};
        r.request.documentName = name;
        r.add("a.txt"), r.add("b.txt");
        const QStringList before = QDir(r.dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(r.go().outcome, RunOutcome::Failed);
        QCOMPARE(r.messages.texts.last(), fetched<QString>("message"));
        QCOMPARE(QDir(r.dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), before);
        QCOMPARE(r.page(), QByteArray("old document"));
    }

    void vanishedFiles()
    {
        // Each entry that is not a readable file (gone, a directory, a FIFO, a
        // dangling link, a link loop) gives one message, however often its
        // entry opens or probes it, and never blocks.
        GeneratorRun r;
        r.request.shrinkToFit = r.request.fileSize = r.request.fileDate = r.request.pictureSize = true;
        QDir(r.dir).mkdir("dir.gif");
        QStringList expected;
        for (const QString name : {"gone.jpg", "here.gif", "dir.gif", "pipe.jpg", "dangling.gif", "loop.jpg"}) {
            r.add(name, name == "here.gif" ? testfiles::gif(100, 50) : QByteArray());
            if (name != "here.gif")
                expected << "File access error\r" + name;
        }
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(r.path("pipe.jpg")).constData(), 0600), 0);
        QVERIFY(QFile::link("nothing.gif", r.path("dangling.gif")) && QFile::link("loop.jpg", r.path("loop.jpg")));
#endif
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QCOMPARE(r.messages.texts, expected);
        QVERIFY(r.page().contains(">\r\n<IMG SRC=\"gone.jpg\"><BR><BR>\r\n<STRONG>gone.jpg</STRONG><BR><BR>\r\n"
                                  "<IMG WIDTH = \"100\" SRC=\"here.gif\"><BR><BR>\r\n<STRONG>here.gif</STRONG>, 26 Bytes, "
                                  + sampleDate() + ", GIF89a 100x50<BR><BR>\r\n"));
    }

    // Sizes of 2 GiB and more count truly; a page larger than the output
    // buffer arrives whole.
    void largeFilesAndPages()
    {
        GeneratorRun r;
        r.mode(EntryMode::PlainText);
        r.request.fileSize = true;
        r.add("big.bin", ""), r.add("huge.bin", "");
        if (!QFile(r.path("big.bin")).resize(Q_INT64_C(3) << 30) || !QFile(r.path("huge.bin")).resize(Q_INT64_C(1) << 40))
            QSKIP("the file system here holds no sparse files this large");
        QByteArray expected = ">\r\nbig.bin" + nbsp(3) + nbsp(1) + "3221225472 Bytes<BR>\r\nhuge.bin" + nbsp(2)
                              + "1099511627776 Bytes<BR>\r\n";
        for (int i = 0; i < 3000; ++i) {
            const QString name = QStringLiteral("f%1").arg(i, 4, 10, QLatin1Char('0'));
            r.add(name, "");
            expected += name.toLatin1() + nbsp(5) + nbsp(10) + "0 Bytes<BR>\r\n";
        }
        r.go();
        QVERIFY(r.page().endsWith(expected + "<BR>\r\n3002 Files, 1102732853248 Bytes\r\n" + kFontEnd));
        QCOMPARE(r.page().count("f0000"), 1);  // each part written once
    }

    void gifProbe_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");  // empty: no size
        QTest::newRow("GIF87a") << QByteArray("GIF87a\x40\x01\xF0\x00", 10) << "GIF87a 320x240";
        QTest::newRow("unsigned") << testfiles::gif(0xFFFF, 0xFFFF) << "GIF89a 65535x65535";
        QTest::newRow("lower case") << testfiles::gif(1, 1, "gif89a") << "";
        QTest::newRow("unknown version") << testfiles::gif(1, 1, "GIF90a") << "";
        QTest::newRow("cut inside the sizes") << QByteArray("GIF89a\x40\x01\xF0") << "";
    }
    void gifProbe()
    {
        QFETCH(QByteArray, bytes);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const std::optional<PictureSize> size = probeGif(in);
        QTEST(size ? QStringLiteral("%1 %2x%3").arg(QString::fromLatin1(size->format)).arg(size->width).arg(size->height)
                   : QString(),
              "result");
        QVERIFY(in.pos() <= 10);
    }

    void jpegProbe_data()
    {
        using namespace testfiles;
        const QByteArray jfif = jfifHeader(), tables = jpegTables(), frame = jpegFrame(0xC0, 640, 480), scan = jpegScan();
        const QByteArray soi = QByteArray::fromHex("FFD8");
        const QByteArray exif = "Exif\0\0" + QByteArray(8, 'x');
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("anyLayout");
        QTest::addColumn<QString>("size");  // empty: none
        QTest::newRow("baseline") << jfif + tables + frame + scan << false << "640x480";
        QTest::newRow("progressive") << jfif + tables + jpegFrame(0xC2, 1, 65535) + scan << false << "1x65535";
        QTest::newRow("the last frame counts") << jfif + jpegFrame(0xC0, 9, 9) + frame + scan << false << "640x480";
        QTest::newRow("right after the JFIF segment") << jfif + frame + scan << false << "640x480";
        QTest::newRow("fill bytes before a marker") << jfif + tables + QByteArray::fromHex("FFFF") + frame + scan << false << "640x480";
        QTest::newRow("frame and scan markers inside segments are data")
            << jfif + jpegSegment(0xFE, jpegFrame(0xC1, 7, 8)) + jpegSegment(0xED, "\xFF\xDA" + frame) + frame + scan << false << "640x480";
        QTest::newRow("Exif thumbnail, a whole picture")
            << jfif + jpegSegment(0xE1, exif + soi + jfif.mid(2) + jpegFrame(0xC0, 160, 100) + scan) + tables
                   + jpegFrame(0xC0, 2560, 1600) + scan << false << "2560x1600";
        QTest::newRow("Exif first: no JFIF") << soi + jpegSegment(0xE1, exif) + frame + scan << false << "";
        QTest::newRow("Exif first, any layout") << soi + jpegSegment(0xE1, exif) + frame + scan << true << "640x480";
        QTest::newRow("any layout needs the start of image") << QByteArray(2, 'x') + jpegSegment(0xE1, exif) + frame + scan << true << "";
        QTest::newRow("only an unaccepted frame") << jfif + tables + jpegFrame(0xC3, 5, 5) + scan << false << "";
        QTest::newRow("no start of scan") << jfif + tables + frame << false << "";
        QTest::newRow("cut in the header") << jfif.left(15) << false << "";
        QTest::newRow("segment longer than the file") << jfif + QByteArray::fromHex("FFEDFFFF") + frame + scan << false << "";
        QTest::newRow("segment length below 2") << jfif + QByteArray::fromHex("FFED0001") + frame + scan << false << "";
    }
    void jpegProbe()
    {
        QFETCH(QByteArray, bytes);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const std::optional<PictureSize> size = probeJpeg(in, !fetched<bool>("anyLayout"));
        QTEST(size ? QStringLiteral("%1x%2").arg(size->width).arg(size->height) : QString(), "size");
        if (size)  // nothing after the start-of-scan marker is read
            QCOMPARE(in.pos(), bytes.size() - testfiles::jpegScan().size() + 2);
    }

    void otherProbes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");
        const QByteArray png = QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
        const QByteArray riff = "RIFF" + QByteArray(4, '\0') + "WEBP";
        const QByteArray bmp = "BM" + QByteArray(12, '\0');
        QTest::newRow("PNG") << png + QByteArray::fromHex("0000032000000258") << "PNG 800x600";
        QTest::newRow("PNG, width beyond 31 bits") << png + QByteArray::fromHex("8000000000000258") << "";
        QTest::newRow("PNG, no IHDR first") << QByteArray(png).replace("IHDR", "IDAT") + QByteArray(8, '\1') << "";
        QTest::newRow("WebP lossy") << riff + "VP8 " + QByteArray(4, '\0') + QByteArray::fromHex("0000009D012A20035802") << "WebP 800x600";
        QTest::newRow("WebP lossless") << riff + "VP8L" + QByteArray(4, '\0') + QByteArray::fromHex("2F1FC3950000000000") + '\0' << "WebP 800x600";
        QTest::newRow("WebP extended") << riff + "VP8X" + QByteArray(4, '\0') + QByteArray::fromHex("000000001F03005702000000") << "WebP 800x600";
        QTest::newRow("WebP, other chunk") << riff + "ALPH" + QByteArray(14, '\0') << "";
        QTest::newRow("BMP") << bmp + QByteArray::fromHex("2800000020030000A8FDFFFF") << "BMP 800x600";  // top-down
        QTest::newRow("BMP, core header") << bmp + QByteArray::fromHex("0C00000020035802") + QByteArray(4, '\0') << "";
        QTest::newRow("cut short") << png.left(20) << "";
    }
    void otherProbes()
    {
        QFETCH(QByteArray, bytes);
        const auto text = [&](std::optional<PictureSize> (*probe)(QIODevice &)) {
            QBuffer in(&bytes);
            in.open(QIODevice::ReadOnly);
            const std::optional<PictureSize> size = probe(in);
            return size ? QStringLiteral("%1 %2x%3").arg(QString::fromLatin1(size->format)).arg(size->width).arg(size->height)
                        : QString();
        };
        // Each header is known by its own probe only.
        QStringList results = {text(probePng), text(probeWebp), text(probeBmp)};
        results.removeAll(QString());
        QCOMPARE(results.join(QLatin1Char('|')), fetched<QString>("result"));
    }

    void dateTexts()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
        const QDate day(2023, 4, 17);
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), us), QStringLiteral("4/17/23 1:02:04 PM"));
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), de), QStringLiteral("17.04.23 13:02:04"));
        QCOMPARE(dateText(QDateTime(day, QTime(9, 0, 0)), QLocale(QLocale::Chinese, QLocale::China)), QStringLiteral("2023/4/17 09:00:00"));
        QCOMPARE(dateText(QDateTime(day, QTime(0, 0, 1)), de), QStringLiteral("17.04.23"));  // rounded to midnight
        QCOMPARE(timeFormatWithoutZone("H:mm:ss (t)"), QStringLiteral("H:mm:ss"));
        QCOMPARE(timeFormatWithoutZone("H:mm:ss 'ч'. t"), QStringLiteral("H:mm:ss 'ч'."));
    }

    void directoryPaths()
    {
        const QList<std::tuple<PathStyle, QString, QString, QString>> cases = {
            {PathStyle::Windows, "C:\\", "C:\\", "file:///C:/"},
            {PathStyle::Windows, "C:\\My Pictures", "C:\\My Pictures\\", "file:///C:/My Pictures/"},
            {PathStyle::Posix, "/", "/", "file:///"},
            {PathStyle::Posix, "/home/ann/pics", "/home/ann/pics/", "file:///home/ann/pics/"}};
        for (const auto &[style, dir, withSeparator, url] : cases) {
            QCOMPARE(withTrailingSeparator(dir, style), withSeparator);
            QCOMPARE(fileUrlPrefix(withSeparator, style), url);
        }
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
