// The generator over real temporary directories: exact page bytes, naming
// and overwrite rules, what failures leave behind, and the pieces pages are
// made of (picture probes, date texts, paths).

#include "GeneratorFixture.h"
#include "IoErrorText.h"
#include "NativePaths.h"
#include "PictureProbes.h"

#include <QBuffer>
#include <QtTest>

#include <cerrno>
#include <functional>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <utime.h>
#endif

namespace {

const QByteArray kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>\r\nDocument created by \"Quorvant\"\r\n</TITLE>\r\n</HEAD>\r\n"
                         "<BODY BGCOLOR=#C0C0C0 LINK=#0000FF VLINK=#400080 TEXT=#000000>\r\n";
const QByteArray kEnd = "</BODY>\r\n</HTML>\r\n";
const QByteArray kFontEnd = "</FONT>\r\n" + kEnd;
const QByteArray kCell = "<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\r\n";

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void pages()
    {
        struct Case {
            const char *what;
            std::function<void(GeneratorRun &)> setup;
            QByteArray pageEnd;  // the page, or its last part
        };
        using R = GeneratorRun &;
        const QList<Case> cases = {
            {"link page, default title and heading", [](R r) { r.mode(false, false); r.view.withHeading = true; r.add("a.txt"); },
             kHead + "<H1>Document created by \"Quorvant\"</H1>\r\n<A HREF=\"a.txt\">a.txt</A><BR><BR>\r\n" + kEnd},
            {"centred picture table", [](R r) { r.table(3, 2); r.view.center = true; r.add("a.txt"); },
             kHead + "<CENTER>\r\n<TABLE BORDER = \"2\" CELLPADDING = \"5\">\r\n<TR>\r\n" + kCell
                 + "<IMG SRC=\"a.txt\"><BR><BR>\r\n<STRONG>a.txt</STRONG></TD>\r\n</TR>\r\n</TABLE>\r\n</CENTER>\r\n" + kEnd},
            {"plain text in a table", [](R r) { r.mode(false, true); r.table(1); r.view.size = true; r.add("a.txt"); },
             "TEXT=#000000>\r\n<FONT FACE = \"Courier New\">\r\n<TABLE BORDER = \"0\" CELLPADDING = \"5\">\r\n<TR>\r\n" + kCell
                 + "a.txt<BR>\r\n5 Bytes</TD>\r\n</TR>\r\n</TABLE>\r\n" + kFontEnd},
            {"title and heading as typed, colours by their low 24 bits",
             [](R r) {
                 r.mode(false, false);
                 r.view.title = "<i>A & B</i>", r.view.heading = "<b>x</b>", r.view.withHeading = true;
                 r.o.BgColor = 0x0A0B0C, r.o.TextColor = -1, r.o.LinkColor = 0x7F0000FF;
                 r.add("a.txt");
             },
             "<TITLE>\r\n<i>A & B</i>\r\n</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=#0C0B0A LINK=#FF0000 VLINK=#400080 TEXT=#FFFFFF>\r\n"
             "<H1><b>x</b></H1>\r\n<A HREF=\"a.txt\">a.txt</A><BR><BR>\r\n" + kEnd},
            {"picture page, empty title and default title", [](R r) { r.o.DefaultTitle.clear(); r.add("a.txt"); },
             QByteArray(kHead).replace("Document created by \"Quorvant\"\r\n", "\r\n")
                 + "<IMG SRC=\"a.txt\"><BR><BR>\r\n<STRONG>a.txt</STRONG><BR><BR>\r\n" + kEnd},
            {"totals: two subdirectories, five files",
             [](R r) {
                 r.mode(false, true), r.view.subdirs = r.view.size = true;
                 QDir().mkdir("d1"), QDir().mkdir("d2");
                 for (const char *n : {"a", "b", "c", "d", "e"})
                     r.add(n, QByteArray(180, 'x'));
             },
             "<BR>\r\n2 Directories, 5 Files, 900 Bytes\r\n" + kFontEnd},
            {"totals: one subdirectory, one empty file",
             [](R r) { r.mode(false, true), r.view.subdirs = r.view.size = true; QDir().mkdir("d1"); r.add("a", ""); },
             "<BR>\r\n1 Directory, 1 Files, 0 Bytes\r\n" + kFontEnd},
            {"aligned columns: longest name 8, size and date",
             [](R r) { r.mode(false, true), r.view.size = r.view.date = true; r.add("ab.txt", QByteArray(1234, 'x')); r.add("abcd.txt", ""); },
             "<FONT FACE = \"Courier New\">\r\nab.txt" + nbsp(4) + nbsp(7) + "1234 Bytes" + nbsp(3) + sampleDate() + "<BR>\r\nabcd.txt"
                 + nbsp(2) + nbsp(10) + "0 Bytes" + nbsp(3) + sampleDate() + "<BR>\r\n<BR>\r\n2 Files, 1234 Bytes\r\n" + kFontEnd},
            {"aligned columns count characters; an unopenable file has no size",
             [](R r) { r.mode(false, true), r.view.size = true; r.add("café.txt", ""); r.add("abcdefgh", ""); r.add("gone", QByteArray()); },
             ">\r\ncaf\xC3\xA9.txt" + nbsp(12) + "0 Bytes<BR>\r\nabcdefgh" + nbsp(12) + "0 Bytes<BR>\r\ngone<BR>\r\n<BR>\r\n3 Files, 0 Bytes\r\n" + kFontEnd},
            {"link with size and date; unselected items skipped",
             [](R r) { r.mode(false, false), r.view.size = r.view.date = true; r.add("x", "1", false); r.add("a.txt"); r.add("y", "1", false); },
             ">\r\n<A HREF=\"a.txt\">a.txt</A>, 5 Bytes, " + sampleDate() + "<BR><BR>\r\n" + kEnd},
            {"link cell with size", [](R r) { r.mode(false, false), r.table(2), r.view.size = true; r.add("a.txt"); },
             kCell + "<A HREF=\"a.txt\">a.txt</A><BR>\r\n5 Bytes</TD>\r\n</TR>\r\n</TABLE>\r\n" + kEnd},
            {"picture as link with size; no picture size for a text file",
             [](R r) { r.view.pictureLink = r.view.size = r.view.pictureSize = true; r.add("a.txt"); },
             ">\r\n<A HREF=\"a.txt\"><IMG SRC=\"a.txt\"></A><BR><BR>\r\n<STRONG>a.txt</STRONG>, 5 Bytes<BR><BR>\r\n" + kEnd},
            {"picture sizes by exact extension",
             [](R r) {
                 r.mode(false, false), r.view.pictureSize = true;
                 r.add("p.gif", gifBytes(320, 200)), r.add("q.jpg", jpegBytes(640, 480)), r.add("r.Gif", gifBytes(1, 1));
             },
             "<A HREF=\"p.gif\">p.gif</A>, GIF89a 320x200<BR><BR>\r\n<A HREF=\"q.jpg\">q.jpg</A>, JPEG 640x480<BR><BR>\r\n"
             "<A HREF=\"r.Gif\">r.Gif</A><BR><BR>\r\n" + kEnd},
            {"names shown escaped, links percent-encoded",
             [](R r) {
                 r.mode(false, false);
                 for (const QString n : {"a&b", "x#1", "100%", "<b>", "q\"?", "café", "javascript:x", "a b"})
                     r.add(n);
             },
             ">\r\n<A HREF=\"a%26b\">a&amp;b</A><BR><BR>\r\n<A HREF=\"x%231\">x#1</A><BR><BR>\r\n<A HREF=\"100%25\">100%</A><BR><BR>\r\n"
             "<A HREF=\"%3Cb%3E\">&lt;b&gt;</A><BR><BR>\r\n<A HREF=\"q%22%3F\">q&quot;?</A><BR><BR>\r\n"
             "<A HREF=\"caf%C3%A9\">caf\xC3\xA9</A><BR><BR>\r\n<A HREF=\"./javascript:x\">javascript:x</A><BR><BR>\r\n"
             "<A HREF=\"a b\">a b</A><BR><BR>\r\n" + kEnd},
        };
        for (const Case &c : cases) {
            GeneratorRun r;
            c.setup(r);
            QCOMPARE(r.go(), RunOutcome::Completed);
            QVERIFY2(r.page().endsWith(c.pageEnd), c.what);
            if (r.o.EmbedPictures)  // only link and plain-text entries add to the total
                QCOMPARE(r.o.TotalBytes, 0);
        }
    }

    void shrink()
    {
        // name, picture width, columns, screen width, the picture as written
        const QList<std::tuple<QString, int, int, int, QByteArray>> cases = {
            {"p.gif", 1600, 0, 1024, "<IMG WIDTH = \"800\" SRC=\"p.gif\">"},      // halved once
            {"p.jpeg", 1600, 3, 1024, "<IMG WIDTH = \"200\" SRC=\"p.jpeg\">"},    // three columns
            {"p.gif", 900, 0, 1024, "<IMG WIDTH = \"900\" SRC=\"p.gif\">"},       // fits, width still written
            {"p.gif", 0, 0, 1024, "<IMG SRC=\"p.gif\">"},                          // width 0
            {"p.gif", 1600, 0, 20, "<IMG SRC=\"p.gif\">"}};                        // screen narrower than the margin
        for (const auto &[name, width, columns, screenWidth, img] : cases) {
            GeneratorRun r;
            r.screen = FixedScreen(screenWidth, 768);
            r.table(columns);
            r.view.shrink = true;
            r.add(name, name.endsWith("jpeg") ? jpegBytes(width, 1) : gifBytes(width, 1));
            r.go();
            QVERIFY2(r.page().contains(img + "<BR><BR>\r\n<STRONG>"), r.page());
        }
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
        QFETCH(int, columns);
        QFETCH(int, files);
        GeneratorRun r;
        r.mode(false, false);
        r.table(columns);
        for (int i = 0; i < files; ++i)
            r.add(QStringLiteral("f%1").arg(i));
        r.add("unselected", "x", false);
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
        QCOMPARE(r.feedback.maximum, files);
        QCOMPARE(r.feedback.positions.size() + r.feedback.positions.last(), 2 * files + 1);  // 0, 1, ..., files
    }

    void subdirectories()
    {
        for (bool showPath : {false, true}) {
            GeneratorRun r;
            r.mode(false, true);
            r.view.subdirs = r.view.date = true;
            r.view.absolute = r.o.ShowPath = showPath;
            r.o.StartDirectory = r.view.dir;
            for (const char *d : {"beta", "Alpha", "gamma", ".hidden"})
                QDir().mkdir(d);
            r.add("a.txt");
            r.go();
            const QByteArray prefix = showPath ? (r.view.dir + "/").toUtf8() : QByteArray();
            QByteArray expected = "<FONT FACE = \"Courier New\">\r\n";
            for (const QString d : {"Alpha", "beta", "gamma"})
                expected += prefix + d.toUtf8() + nbsp(15 - int(d.size())) + "Directory" + nbsp(3)
                            + dateText(QFileInfo(d).lastModified(), QLocale::system()).toUtf8() + "<BR>\r\n";
            expected += prefix + "a.txt" + nbsp(22) + sampleDate() + "<BR>\r\n<BR>\r\n3 Directories, 1 Files\r\n";
            QVERIFY2(r.page().endsWith(expected + kFontEnd), r.page());
        }
#ifdef Q_OS_UNIX
        // Two runs over directories that both hold "img": each writes its own date.
        GeneratorRun r;
        r.mode(false, true);
        r.view.subdirs = r.view.date = true;
        const QString base = r.view.dir;
        QStringList dates;
        for (int run = 0; run < 2; ++run) {
            const QString dir = base + QStringLiteral("/run%1").arg(run);
            QDir().mkpath(dir + "/img");
            const QDateTime when(QDate(2020 + run, 1, 2), QTime(3, 4, 6));
            const utimbuf times{when.toSecsSinceEpoch(), when.toSecsSinceEpoch()};
            ::utime(QFile::encodeName(dir + "/img").constData(), &times);
            dates << dateText(when, QLocale::system());
            QDir::setCurrent(r.view.dir = dir);
            r.view.items.clear(), r.view.chosen.clear();
            r.add("a.txt");
            r.go();
            QVERIFY(r.page().contains("img" + nbsp(12) + "Directory" + nbsp(3) + dates.last().toUtf8() + "<BR>\r\n"));
        }
        // From the head the newest record is found, further on the older one; case counts.
        r.o.DirInfoCursor = r.o.DirInfoHead;
        const QString newest = r.gen.dirinfolistesearch("img");
        r.o.DirInfoCursor = r.o.DirInfoHead->Next;
        QCOMPARE(QStringList({newest, r.gen.dirinfolistesearch("img"), r.gen.dirinfolistesearch("IMG")}),
                 QStringList({dates[1], dates[0], "unknown"}));
#endif
    }

    void documentNames()
    {
        // name field, ".HTML" chosen, absolute links with the path shown, file written
        const QList<std::tuple<QString, bool, bool, QString>> cases = {
            {"index", true, false, "index.html"}, {"index", false, false, "index.htm"}, {"", true, false, "quorvant.htm"},
            {"page.htm", true, false, "page.htm.html"}, {"index", true, true, "index.html"},
            {QString(250, 'n'), true, false, QString(250, 'n') + ".html"}};  // the longest name a file system takes
        for (const auto &[name, html, absolute, file] : cases) {
            QTemporaryDir start;
            GeneratorRun r;
            r.mode(false, false);
            r.view.name = name;
            r.o.UseHtmlExtension = html;
            r.view.absolute = r.o.ShowPath = absolute;
            r.o.StartDirectory = start.path();
            r.o.BrowserDisplayName = "Firefox";
            r.o.PlaySoundEnabled = r.o.SoundReady = true;
            r.add("a b.txt");
            QCOMPARE(r.go(), RunOutcome::Completed);
            const QString doc = (absolute ? start.path() : r.view.dir) + "/" + file;
            const QByteArray dir = absolute ? r.view.dir.toUtf8() + "/" : QByteArray();
            QVERIFY(r.page(doc).endsWith("<A HREF=\"" + (absolute ? "file://" + dir : QByteArray()) + "a b.txt\">" + dir
                                         + "a b.txt</A><BR><BR>\r\n" + kEnd));
            QCOMPARE(r.feedback.button, "Show " + doc + " with Firefox");
            QCOMPARE(r.o.LastDocumentName + r.feedback.status + QString::number(r.feedback.sounds), doc + "Document created1");
        }
    }

    void noSelectionAndOverwrite()
    {
        GeneratorRun r;
        r.add("a.txt", "x", false);
        QCOMPARE(r.go(), RunOutcome::NoSelection);
        QCOMPARE(r.messages.shown, QStringList{box(MessageType::Error, MessageButtons::Ok, "No Files selected!")});
        QCOMPARE(r.feedback.positions, QList<int>{0});
        QVERIFY(r.feedback.maximum == 0 && !QFile::exists("quorvant.html"));

        r.view.chosen = {0};
        const QString question = box(MessageType::Information, MessageButtons::YesNo,
                                     "The HTML-Document quorvant.html already exists! Overwrite?");
        for (MessageResult answer : {MessageResult::No, MessageResult::Yes}) {
            GeneratorRun::writeFile("quorvant.html", "old");
            r.messages.shown.clear();
            r.messages.answers = {answer};
            QCOMPARE(r.go(), answer == MessageResult::Yes ? RunOutcome::Completed : RunOutcome::Declined);
            QCOMPARE(r.messages.shown, QStringList{question});
            QCOMPARE(r.page() == "old", answer == MessageResult::No);
            QCOMPARE(r.feedback.status, answer == MessageResult::Yes ? "Document created" : "");
        }
    }

    // A document name the file system refuses (one byte too long among them)
    // leaves the old document and the directory as they were; failures inside
    // the writing are injected step by step in the hostile-input test.
    void outputFailures()
    {
        for (const QString &name : {QStringLiteral("missing/page"), QStringLiteral("taken"), QStringLiteral("pipe"), QString(251, 'n')}) {
            GeneratorRun r;
            GeneratorRun::writeFile("quorvant.html", "old document");
            QDir().mkdir("taken.html");
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo("pipe.html", 0600), 0);
#endif
            if (!QFileInfo::exists("pipe.html") && name == "pipe")
                continue;
            r.messages.answers = {MessageResult::Yes};
            r.view.name = name;
            r.add("a.txt"), r.add("b.txt");
            const QStringList before = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            QCOMPARE(r.go(), RunOutcome::Failed);
            QCOMPARE(r.messages.shown.last(), box(MessageType::Error, MessageButtons::Ok, "Invalid filename"));
            QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), before);
            QCOMPARE(r.page(), QByteArray("old document"));
            QVERIFY(QFileInfo("taken.html").isDir());
            QCOMPARE(r.feedback.status + r.feedback.button, QString());
        }
    }

    void vanishedFiles()
    {
        // Each entry that is not a readable file (gone, a directory, a FIFO, a
        // dangling link, a link loop, a name decoded with replacements) gives one
        // message, however often its entry opens or probes it, and never blocks.
        GeneratorRun r;
        r.view.shrink = r.view.size = r.view.date = r.view.pictureSize = true;
        QDir().mkdir("dir.gif");
        QStringList expected;
        for (const QString name : {"gone.jpg", "here.gif", "dir.gif", "pipe.jpg", "dangling.gif", "loop.jpg", "bad\uFFFD\uFFFD.gif"}) {
            r.add(name, name == "here.gif" ? gifBytes(100, 50) : QByteArray());
            if (name != "here.gif")
                expected << box(MessageType::Warning, MessageButtons::Ok, "File access error\r" + name);
        }
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo("pipe.jpg", 0600), 0);
        QVERIFY(QFile::link("nothing.gif", "dangling.gif") && QFile::link("loop.jpg", "loop.jpg"));
#endif
        QCOMPARE(r.go(), RunOutcome::Completed);
        QCOMPARE(r.messages.shown, expected);
        QCOMPARE(r.page().count("<IMG SRC=\""), expected.size());  // each still has its entry
        QVERIFY(r.page().contains(">\r\n<IMG SRC=\"gone.jpg\"><BR><BR>\r\n<STRONG>gone.jpg</STRONG><BR><BR>\r\n"
                                  "<IMG WIDTH = \"100\" SRC=\"here.gif\">"));
    }

    void largeFiles()
    {
        GeneratorRun r;
        r.mode(false, true);
        r.view.size = true;
        r.add("big.bin", ""), r.add("huge.bin", "");
        if (!QFile("big.bin").resize(Q_INT64_C(3) << 30) || !QFile("huge.bin").resize(Q_INT64_C(1) << 40))
            QSKIP("the file system here holds no sparse files this large");
        r.go();
        QVERIFY(r.page().endsWith(">\r\nbig.bin" + nbsp(3) + nbsp(1) + "3221225472 Bytes<BR>\r\nhuge.bin" + nbsp(2)
                                  + "1099511627776 Bytes<BR>\r\n<BR>\r\n2 Files, 1102732853248 Bytes\r\n" + kFontEnd));
    }

    void gifProbe_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");  // signature read, then width x height when true
        QTest::newRow("GIF87a") << QByteArray("GIF87a\x40\x01\xF0\x00", 10) << "GIF87a 320x240";
        QTest::newRow("unsigned") << gifBytes(0xFFFF, 0xFFFF) << "GIF89a 65535x65535";
        QTest::newRow("lower case") << gifBytes(1, 1, "gif89a") << "gif89a";
        QTest::newRow("unknown version") << gifBytes(1, 1, "GIF90a") << "GIF90a";
        QTest::newRow("cut inside the sizes") << QByteArray("GIF89a\x40\x01\xF0") << "GIF89a";
        QTest::newRow("shorter than the signature") << QByteArray("GIF8") << "";
    }
    void gifProbe()
    {
        QFETCH(QByteArray, bytes);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const GifProbe p = probeGif(in);
        QString result = p.signatureRead ? QString::fromLatin1(p.signature) : QString();
        if (p.ok)
            result += QStringLiteral(" %1x%2").arg(p.width).arg(p.height);
        QTEST(result, "result");
        QVERIFY(in.pos() <= 10);
    }

    void jpegProbe_data()
    {
        const QByteArray jfif = jfifHeader(), frame = jpegFrame(0xC0, 640, 480);
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("size");  // empty: false
        QTest::newRow("baseline") << jfif + kFiller + frame + kScan << "640x480";
        QTest::newRow("progressive") << jfif + kFiller + jpegFrame(0xC2, 1, 65535) + kScan << "1x65535";
        QTest::newRow("second frame counts") << jfif + kFiller + jpegFrame(0xC0, 9, 9) + frame + kScan << "640x480";
        QTest::newRow("frame inside a comment") << jfif + kFiller + QByteArray::fromHex("FFFE0011") + jpegFrame(0xC1, 7, 8) + kScan << "7x8";
        QTest::newRow("APP13 skipped whole")
            << jfif + QByteArray::fromHex("FFED0011") + jpegFrame(0xC0, 1, 1) + QByteArray(2, '\0') + frame + kScan << "640x480";
        QTest::newRow("APP1, not JFIF") << QByteArray::fromHex("FFD8FFE1001045786966000101000001000100") + kFiller + frame + kScan << "";
        QTest::newRow("frame marker in the consumed pair") << jfif + frame + kScan << "";
        QTest::newRow("fill byte hides the frame") << jfif + kFiller + QByteArray::fromHex("FF") + frame + kScan << "";
        QTest::newRow("only an unaccepted frame") << jfif + kFiller + jpegFrame(0xC3, 5, 5) + kScan << "";
        QTest::newRow("no start of scan") << jfif + kFiller + frame << "";
        QTest::newRow("cut in the header") << jfif.left(15) << "";
        QTest::newRow("APP13 longer than the file") << jfif + QByteArray::fromHex("FFEDFFFF") + frame + kScan << "";
    }
    void jpegProbe()
    {
        QFETCH(QByteArray, bytes);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const JpegProbe p = probeJpeg(in);
        QTEST(p.ok ? QStringLiteral("%1x%2").arg(p.width).arg(p.height) : QString(), "size");
        if (p.ok)  // nothing after the start-of-scan marker is read
            QCOMPARE(in.pos(), bytes.size() - kScan.size() + 2);
    }

    void probesInARun()
    {
        GeneratorRun r;
        GeneratorRun::writeFile("p.gif", gifBytes(320, 200));
        GeneratorRun::writeFile("v.gif", gifBytes(1, 1, "GIF90a"));
        GeneratorRun::writeFile("q.jpg", jpegBytes(640, 480));
        QVERIFY(r.gen.getgifsize("p.gif") && r.gen.getjpegsize("q.jpg"));
        r.o.FileErrorShown = true;  // the message came earlier for this entry
        // A failed probe keeps the earlier results; only the signature is replaced.
        QVERIFY(!r.gen.getgifsize("v.gif") && !r.gen.getjpegsize("v.gif") && !r.gen.getgifsize("none.gif"));
        QCOMPARE(QStringList({r.o.GifSignature, r.o.GifWidthText, r.o.GifHeightText, r.o.JpegWidthText, r.o.JpegHeightText}),
                 QStringList({"GIF90a", "320", "200", "640", "480"}));
        QCOMPARE(r.o.GifWidth + r.o.JpegWidth, 960);
        QVERIFY(r.messages.shown.isEmpty());

    }

    void dateTexts()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
        const QDate day(2023, 4, 17);
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), us), QStringLiteral("4/17/23 1:02:04 PM"));
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), de), QStringLiteral("17.04.23 13:02:04"));
        QCOMPARE(dateText(QDateTime(day, QTime(9, 0, 0)), QLocale(QLocale::Chinese, QLocale::China)), QStringLiteral("2023/4/17 09:00:00"));
        QCOMPARE(dateText(QDateTime(day, QTime(0, 0, 0)), de), QStringLiteral("17.04.23"));
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
            QCOMPARE(DocumentGenerator::fileUrlPrefix(withSeparator, style), url);
        }
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
