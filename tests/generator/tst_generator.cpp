// SPDX-License-Identifier: GPL-3.0-or-later
// The generator over real temporary directories: exact page bytes, naming
// and overwrite rules, what failures leave behind, and the pieces pages are
// made of (picture probes, date texts, paths).

#include "generator/DateText.h"
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
            r.request.texts.title = "<i>A & B</i>", r.request.texts.heading = "<b>x</b>";
            r.request.settings.colors = {0x0A0B0C, 0x7F0000FF, 0x800040, -1};
            r.add("a.txt");
        }) << "<TITLE>\r\n<i>A & B</i>\r\n</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=#0C0B0A LINK=#FF0000 VLINK=#400080 TEXT=#FFFFFF>\r\n"
              "<H1><b>x</b></H1>\r\n<A HREF=\"a.txt\">a.txt</A><BR><BR>\r\n" + kEnd;
        QTest::newRow("totals: two subdirectories, five files") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.showSubdirectories = r.request.fileSize = true;
            QDir(r.dir).mkdir("d1"), QDir(r.dir).mkdir("d2");
            for (const char *n : {"a", "b", "c", "d", "e"})
                r.add(n, QByteArray(180, 'x'));
        }) << "<BR>\r\n2 Directories, 5 Files, 900 Bytes\r\n" + kFontEnd;
        // Each file its own time stamp: a date text is never one of an earlier file.
        QTest::newRow("aligned columns: longest name 8, size and date") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.fileSize = r.request.fileDate = true;
            r.add("ab.txt", QByteArray(1234, 'x'));
            testfiles::write(r.path("abcd.txt"), "", testfiles::sampleTime().addDays(-400));
            r.add("abcd.txt", QByteArray());
        }) << "<FONT FACE = \"Courier New\">\r\nab.txt" + nbsp(4) + nbsp(7) + "1234 Bytes" + nbsp(3) + dateOf(testfiles::sampleTime())
                   + "<BR>\r\nabcd.txt" + nbsp(2) + nbsp(10) + "0 Bytes" + nbsp(3)
                   + dateOf(testfiles::sampleTime().addDays(-400)) + "<BR>\r\n<BR>\r\n2 Files, 1234 Bytes\r\n" + kFontEnd;
        QTest::newRow("aligned columns count characters; an unopenable file has no size") << Setup([](R r) {
            r.mode(EntryMode::PlainText), r.request.fileSize = true;
            r.add("café.txt", ""), r.add("abcdefgh", ""), r.add("gone", QByteArray());
        }) << ">\r\ncaf&#233;.txt" + nbsp(12) + "0 Bytes<BR>\r\nabcdefgh" + nbsp(12) + "0 Bytes<BR>\r\ngone<BR>\r\n<BR>\r\n"
                   "3 Files, 0 Bytes\r\n" + kFontEnd;
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
              "<A HREF=\"caf%C3%A9\">caf&#233;</A><BR><BR>\r\n<A HREF=\"./javascript:x\">javascript:x</A><BR><BR>\r\n"
              "<A HREF=\"a%20b\">a b</A><BR><BR>\r\n<A HREF=\"%20lead\"> lead</A><BR><BR>\r\n" + kEnd;
    }
    void pages()
    {
        QFETCH(Setup, setup);
        // Also through the serial opener, which a kernel with io_uring leaves unused.
        for (const bool serial : {false, true}) {
            if (serial)
                qputenv("QUORVANT_NO_IO_URING", "1");
            GeneratorRun r;
            setup(r);
            const RunResult result = r.go();
            qunsetenv("QUORVANT_NO_IO_URING");
            QCOMPARE(result.outcome, RunOutcome::Completed);
            QVERIFY2(r.page().endsWith(fetched<QByteArray>("pageEnd")), r.page());
        }
    }

    // An empty field takes its default; an empty name also ".htm" whatever the choice.
    void documentTexts()
    {
        const auto texts = [](const TypedDocumentTexts &typed) {
            const DocumentTexts t = resolveDocumentTexts(typed, {"T", "H", "d"});
            return QStringList{t.title, t.heading.value_or("-"), t.fileName};
        };
        QCOMPARE(texts({"", true, "", "", true}), (QStringList{"T", "H", "d.htm"}));
        QCOMPARE(texts({"t", true, "h", "n", true}), (QStringList{"t", "h", "n.html"}));
        QCOMPARE(texts({"t", false, "h", "n", false}), (QStringList{"t", "-", "n.htm"}));
    }

    // Halving until the picture fits the screen (less a margin) or its column.
    void shrink_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QByteArray>("img");
        QTest::newRow("three columns") << "p.jpeg" << 1600 << 3 << 1024 << QByteArray("<IMG WIDTH = \"200\" SRC=\"p.jpeg\">");
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

    // A directory or a FIFO where the document would go is refused and left
    // as it is: never replaced, never opened (a FIFO would block the run).
    void refusesWhatIsNoFile()
    {
        GeneratorRun r;
        r.add("a.txt");
        QStringList names{"quorvant"};
        QVERIFY(QDir(r.dir).mkdir("quorvant.html"));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(r.path("pipe.html")).constData(), 0600), 0);
        names << "pipe";
#endif
        for (const QString &name : names) {
            r.request.texts.fileName = name + ".html";
            QCOMPARE(r.go().outcome, RunOutcome::Failed);
        }
        QVERIFY(QFileInfo(r.path("quorvant.html")).isDir() && !QFileInfo(r.path("pipe.html")).isFile());
        QCOMPARE(r.feedback.events.filter("failed " + r.dir).size(), names.size());
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
            r.feedback.answers = {true};
            const RunResult run = r.go();
            old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // the new document keeps them
            return run.outcome == RunOutcome::Completed && r.page().contains("secret.txt</STRONG><BR><BR>")
                   && r.feedback.questions == QStringList{"quorvant.html"}
                   && r.feedback.events == QStringList{QStringLiteral("unreadable secret.txt %1").arg(EACCES)};
        });
        if (result == CheckResult::NotPossible)
            QSKIP("cannot run as a user other than root here");
        QCOMPARE(result, CheckResult::Passed);
    }

    // Sizes of 2 GiB and more count truly (a page larger than the output
    // buffer: tst_hostile).
    void largeFiles()
    {
        GeneratorRun r;
        r.mode(EntryMode::PlainText);
        r.request.fileSize = true;
        r.add("big.bin", ""), r.add("huge.bin", "");
        if (!QFile(r.path("big.bin")).resize(Q_INT64_C(3) << 30) || !QFile(r.path("huge.bin")).resize(Q_INT64_C(1) << 40))
            QSKIP("the file system here holds no sparse files this large");
        r.go();
        QVERIFY(r.page().endsWith(">\r\nbig.bin" + nbsp(3) + nbsp(1) + "3221225472 Bytes<BR>\r\nhuge.bin" + nbsp(2)
                                  + "1099511627776 Bytes<BR>\r\n<BR>\r\n2 Files, 1102732853248 Bytes\r\n" + kFontEnd));
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
        QTest::newRow("fill bytes before a marker") << jfif + tables + QByteArray::fromHex("FFFF") + frame + scan << false << "640x480";
        QTest::newRow("frame and scan markers inside segments are data")
            << jfif + jpegSegment(0xFE, jpegFrame(0xC1, 7, 8)) + jpegSegment(0xED, "\xFF\xDA" + frame) + frame + scan << false << "640x480";
        QTest::newRow("Exif thumbnail, a whole picture")
            << jfif + jpegSegment(0xE1, exif + soi + jfif.mid(2) + jpegFrame(0xC0, 160, 100) + scan) + tables
                   + jpegFrame(0xC0, 2560, 1600) + scan << false << "2560x1600";
        QTest::newRow("Exif first: no JFIF") << soi + jpegSegment(0xE1, exif) + frame + scan << false << "";
        QTest::newRow("Exif first, any layout") << soi + jpegSegment(0xE1, exif) + frame + scan << true << "640x480";
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

    void probes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");
        QTest::newRow("GIF87a") << QByteArray("GIF87a\x40\x01\xF0\x00", 10) << "GIF87a 320x240";
        QTest::newRow("GIF, unsigned") << testfiles::gif(0xFFFF, 0xFFFF) << "GIF89a 65535x65535";
        QTest::newRow("GIF, lower case") << testfiles::gif(1, 1, "gif89a") << "";
        const QByteArray png = QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
        const QByteArray riff = "RIFF" + QByteArray(4, '\0') + "WEBP";
        const QByteArray bmp = "BM" + QByteArray(12, '\0');
        QTest::newRow("PNG") << png + QByteArray::fromHex("0000032000000258") << "PNG 800x600";
        QTest::newRow("PNG, width beyond 31 bits") << png + QByteArray::fromHex("8000000000000258") << "";
        QTest::newRow("WebP lossy") << riff + "VP8 " + QByteArray(4, '\0') + QByteArray::fromHex("0000009D012A20035802") << "WebP 800x600";
        QTest::newRow("WebP lossless") << riff + "VP8L" + QByteArray(4, '\0') + QByteArray::fromHex("2F1FC3950000000000") + '\0' << "WebP 800x600";
        QTest::newRow("WebP extended") << riff + "VP8X" + QByteArray(4, '\0') + QByteArray::fromHex("000000001F03005702000000") << "WebP 800x600";
        QTest::newRow("BMP") << bmp + QByteArray::fromHex("2800000020030000A8FDFFFF") << "BMP 800x600";  // top-down
    }
    void probes()
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
        QStringList results = {text(probeGif), text(probePng), text(probeWebp), text(probeBmp)};
        results.removeAll(QString());
        QCOMPARE(results.join(QLatin1Char('|')), fetched<QString>("result"));
    }

    void dateTexts()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
        const QDate day(2023, 4, 17);
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), us), QStringLiteral("4/17/23 1:02:04 PM"));
        QCOMPARE(dateText(QDateTime(day, QTime(13, 2, 5)), de), QStringLiteral("17.04.23 13:02:04"));
        QCOMPARE(dateText(QDateTime(day, QTime(0, 0, 1)), de), QStringLiteral("17.04.23"));  // rounded to midnight
        QCOMPARE(timeFormatWithoutZone("H:mm:ss (t)"), QStringLiteral("H:mm:ss"));
        QCOMPARE(timeFormatWithoutZone("H:mm:ss 'ч'. t"), QStringLiteral("H:mm:ss 'ч'."));
    }

    void directoryPaths()
    {
        const QList<std::tuple<PathStyle, QString, QString, QString>> cases = {
            {PathStyle::Windows, "C:\\", "C:\\", "file:///C:/"},
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
