// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails: what one picture gives (size, orientation, format, refusal of
// pictures too large or broken), their names, the folder over reruns
// (reuse, remaking, removal, and files of the user's left alone), and a
// picture page that shows them.

#include "tests/common/FailingFiles.h"
#include "tests/common/GeneratorRun.h"
#include "tests/common/TestFiles.h"
#include "thumbnails/ThumbnailNames.h"
#include "thumbnails/Thumbnails.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ThumbnailProblem)

namespace {

// Left half red, right half blue: where red ends up shows the orientation.
QImage halves(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(Qt::red);
    QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
    return image;
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// An Exif segment holding only the orientation, put right after the start of image.
QByteArray withOrientation(const QByteArray &jpeg, int orientation)
{
    const QByteArray exif = QByteArray("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25) + char(orientation)
                            + QByteArray(6, '\0');
    return jpeg.left(2) + "\xFF\xE1" + char(0) + char(exif.size() + 2) + exif + jpeg.mid(2);
}

// A JPEG whose frame header claims another size.
QByteArray claimingSize(const QByteArray &jpeg, int width, int height)
{
    QByteArray b = jpeg;
    const qsizetype sof = b.indexOf("\xFF\xC0");
    b[sof + 5] = char(height >> 8), b[sof + 6] = char(height), b[sof + 7] = char(width >> 8), b[sof + 8] = char(width);
    return b;
}

bool near(QRgb a, QColor b) { return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue()) < 90; }

qint64 modifiedMs(const QString &path)
{
    return QFileInfo(path).lastModified().toMSecsSinceEpoch();
}

struct Run {
    std::unique_ptr<ThumbnailBatch> batch;
    QList<ThumbnailResult> results;
};

// One run over dir as the page's run makes it: every name added, every result taken.
Run thumbnailRun(const QString &dir, const QByteArrayList &names)
{
    Run run{makeThumbnailBatch({dir, dir + "/quorvant.html", 200}), {}};
    for (const QByteArray &name : names)
        run.batch->add(name);
    for (qsizetype i = 0; i < names.size(); ++i)
        run.results << run.batch->take();
    run.batch->finish();
    return run;
}

} // namespace

class TestThumbnails : public QObject {
    Q_OBJECT
private slots:
    void thumbnail_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<int>("memoryKiB");
        QTest::addColumn<ThumbnailProblem>("problem");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("png");
        QTest::addColumn<QColor>("top");  // the colour at the top left; invalid: not checked
        const QByteArray photo = encoded(halves(400, 300), "jpeg");
        const QColor red(Qt::red), blue(Qt::blue), none;
        using P = ThumbnailProblem;
        QTest::newRow("JPEG, longest side 200") << photo << 0 << P::None << QSize(200, 150) << false << red;
        QTest::newRow("Exif: turned 90 degrees clockwise") << withOrientation(photo, 6) << 0 << P::None << QSize(150, 200) << false << red;
        QTest::newRow("Exif: upside down") << withOrientation(photo, 3) << 0 << P::None << QSize(200, 150) << false << blue;
        QTest::newRow("portrait, 86.6 rounded up") << encoded(halves(303, 700), "jpeg") << 0 << P::None << QSize(87, 200) << false << red;
        QImage clear = halves(300, 300, QImage::Format_ARGB32);
        clear.setPixel(150, 150, qRgba(0, 0, 0, 0));
        QTest::newRow("transparent PNG") << encoded(clear, "png") << 0 << P::None << QSize(200, 200) << true << red;
        QTest::newRow("PNG with an alpha channel, all opaque") << encoded(halves(300, 300, QImage::Format_ARGB32), "png") << 0
                                                                << P::None << QSize(200, 200) << false << red;
        // One red pixel: a thumbnail's smallest picture, never enlarged.
        const QByteArray gif = QByteArray::fromHex("47494638396101000100800000FF00000000002C00000000010001000002024401003B");
        QTest::newRow("GIF, smaller than a thumbnail: not enlarged") << gif << 0 << P::None << QSize(1, 1) << false << red;
        QTest::newRow("BMP") << encoded(halves(800, 200), "bmp") << 0 << P::None << QSize(200, 50) << false << red;
        QTest::newRow("JPEG cut short: what decodes") << photo.left(photo.size() * 2 / 3) << 0 << P::None << QSize(200, 150) << false << red;
        QTest::newRow("JPEG cut inside its headers") << photo.left(120) << 0 << P::Undecodable << QSize() << false << none;
        QTest::newRow("SVG: no decoder for these bytes") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>")
                                                         << 0 << P::Undecodable << QSize() << false << none;
        QTest::newRow("header claims 60000x60000") << claimingSize(photo, 60000, 60000) << 0 << P::TooLarge << QSize() << false << none;
        // At 1/8 a baseline JPEG needs little; a progressive one is held whole.
        const QImage big = halves(1600, 1200);
        QTest::newRow("baseline JPEG within 256 KiB") << encoded(big, "jpeg") << 256 << P::None << QSize(200, 150) << false << red;
        QTest::newRow("progressive JPEG beyond 256 KiB") << encoded(big, "jpeg", true) << 256 << P::TooLarge << QSize() << false << none;
        const QByteArray png = encoded(halves(400, 300), "png");
        QTest::newRow("PNG decoded whole, beyond 256 KiB") << png << 256 << P::TooLarge << QSize() << false << none;
        // libpng would allocate all a chunk claims, beyond the file's end.
        const QByteArray lyingChunk = QByteArray::fromHex("04000000") + "tEXtComment" + '\0' + "abc";
        QTest::newRow("PNG chunk claiming 64 MiB in a file of 2 KiB") << png.chopped(12) + lyingChunk + png.right(12) << 256
                                                                     << P::Undecodable << QSize() << false << none;
    }
    void thumbnail()
    {
        QFETCH(QByteArray, picture);
        QFETCH(int, memoryKiB);
        QFETCH(ThumbnailProblem, problem);
        ThumbnailLimits limits;
        if (memoryKiB)
            limits.memoryBytes = qint64(memoryKiB) << 10;
        const MadeThumbnail made = thumbnailOf(picture, limits);
        QCOMPARE(made.problem, problem);
        if (problem != ThumbnailProblem::None)
            return;
        QFETCH(QSize, size);
        QFETCH(bool, png);
        QFETCH(QColor, top);
        QCOMPARE(QSize(made.width, made.height), size);
        QCOMPARE(made.png, png);
        const QImage image = QImage::fromData(made.bytes, png ? "png" : "jpeg");
        QCOMPARE(image.size(), size);
        const QPoint at(qMin(2, size.width() - 1), qMin(2, size.height() - 1));
        QVERIFY2(near(image.pixel(at), top), qPrintable(QColor(image.pixel(at)).name()));
    }

    void names_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("readable");
        QTest::newRow("plain") << QByteArray("IMG_0001.JPG") << QByteArray("IMG_0001.JPG");
        QTest::newRow("subdirectories") << QByteArray("2023/Sommer/Strand.jpg") << QByteArray("2023_Sommer_Strand.jpg");
        QTest::newRow("escapes, blanks, not UTF-8") << QByteArray("a\xE9 &#%?\"<b>.png") << QByteArray("a________b_.png");
        QTest::newRow("letters of any script stay") << QByteArray("Ünïcødé/日本.jpg") << QByteArray("Ünïcødé_日本.jpg");
        QTest::newRow("hidden, bidi and control characters") << QByteArray(".x\xE2\x80\xAE\ty.gif") << QByteArray("_x__y.gif");
        QTest::newRow("long: at most its last 80 bytes, whole characters")
            << QByteArray("dir/") + QByteArray("\xC3\xA9").repeated(60) + ".jpeg" << QByteArray("\xC3\xA9").repeated(37) + ".jpeg";
    }
    void names()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, readable);
        const QByteArray stem = thumbnailStem(path);
        QCOMPARE(stem.chopped(13), readable);
        QVERIFY(isThumbnailName(stem + ".jpg") && isThumbnailName(stem + ".png"));
        // The hash is of the path's own bytes: paths cleaned alike stay apart.
        QVERIFY(readable == path || thumbnailStem(readable) != stem);
        // Unique also on a disk that ignores letter case.
        const QByteArray otherCase = path.toUpper() != path ? path.toUpper() : path.toLower();
        QVERIFY(stem.toLower() != thumbnailStem(otherCase).toLower());
    }

    void folderOverReruns()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.path(), folder = dir + "/quorvant_thumbnails";
        const QByteArray photo = encoded(halves(400, 300), "jpeg");
        for (const char *name : {"a.jpg", "b.JPG", "c.jpg", "gone.jpg", "taken.jpg"})
            QVERIFY(testfiles::write(dir + '/' + name, photo));
        testfiles::write(dir + "/notes.txt", "text");
        QVERIFY(QDir(dir).mkdir("quorvant_thumbnails"));
        const QString takenName = folder + '/' + thumbnailStem("taken.jpg") + ".jpg";
        QVERIFY(testfiles::write(takenName, "the user's"));
        QVERIFY(testfiles::write(folder + "/mine.jpg", "the user's"));

        const QByteArrayList names = {"a.jpg", "b.JPG", "c.jpg", "gone.jpg", "notes.txt", "taken.jpg"};
        Run first = thumbnailRun(dir, names);
        QCOMPARE(QSize(first.results[1].width, first.results[1].height), QSize(200, 150));
        QCOMPARE(first.results[4].problem, ThumbnailProblem::NotAPicture);
        QCOMPARE(first.results[5].problem, ThumbnailProblem::NameTaken);
        QCOMPARE(first.batch->missing().size(), 1);
        QCOMPARE(first.batch->missing().at(0).path, "taken.jpg");
        const auto file = [&](int i) { return dir + '/' + first.results[i].link; };
        const qint64 aTime = modifiedMs(file(0)), bTime = modifiedMs(file(1)), cTime = modifiedMs(file(2));
        first.batch.reset();

        // b changes but keeps its time, c keeps its bytes but not its time, gone goes.
        QTest::qSleep(20);
        QVERIFY(testfiles::write(dir + "/b.JPG", encoded(halves(300, 400), "jpeg")));
        QVERIFY(testfiles::write(dir + "/c.jpg", photo, QDateTime::currentDateTime()));
        QVERIFY(QFile::remove(dir + "/gone.jpg"));

        const Run second = thumbnailRun(dir, names);
        QCOMPARE(second.results[0].link, first.results[0].link);
        QCOMPARE(modifiedMs(file(0)), aTime);  // reused, untouched
        QCOMPARE(QSize(second.results[1].width, second.results[1].height), QSize(150, 200));
        QVERIFY(modifiedMs(file(1)) != bTime && modifiedMs(file(2)) != cTime);
        QCOMPARE(second.results[3].problem, ThumbnailProblem::Unreadable);
        QVERIFY(!QFile::exists(file(3)));  // the thumbnail of a picture gone is removed
        QCOMPARE(testfiles::read(takenName), "the user's");
        QCOMPARE(testfiles::read(folder + "/mine.jpg"), "the user's");
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 5);  // a, b, c and the user's two
    }

    // Each picture's IMG shows its thumbnail, of the size its file has,
    // inside a link to the picture; every other byte is the page without
    // thumbnails. The pictures without one are reported once, after the
    // document; a failed run removes nothing, a rerun reuses what it can.
    void pageWithThumbnails()
    {
        GeneratorRun run;
        run.request.fileSize = true;
        run.request.texts.fileName = "my page#1.html";
        run.thumbnailFactory = [](const ThumbnailJob &job) { return makeThumbnailBatch(job); };
        run.feedback.answers = {true, true, true};  // replace the document
        const QByteArray photo = encoded(halves(400, 300), "jpeg");
        run.add("a.jpg", photo);
        run.add("b c&d%.JPG", encoded(halves(300, 400), "jpeg"));
        run.add("notes.txt", "text");
        run.add("broken.png", photo.left(100));
        const QString folder = run.path("my page#1_thumbnails");
        QCOMPARE(run.go().outcome, RunOutcome::Completed);
        QVERIFY(!QFileInfo::exists(folder));  // off: nothing made
        QByteArray expected = run.page("my page#1.html");

        run.request.thumbnails = true;
        QCOMPARE(run.go().outcome, RunOutcome::Completed);
        const QByteArray page = run.page("my page#1.html");
        QCOMPARE(run.feedback.events, QStringList{"no thumbnails broken.png:" + QString::number(int(ThumbnailProblem::Undecodable))});
        QStringList thumbnails;
        for (const auto &[link, size] : {std::pair{QByteArray("a.jpg"), QSize(200, 150)}, {"b%20c%26d%25.JPG", QSize(150, 200)}}) {
            const qsizetype at = page.indexOf("<A HREF=\"" + link + "\"><IMG SRC=\"my%20page%231_thumbnails/");
            QVERIFY2(at >= 0, link.constData());
            const QByteArray src = attributeValues(page.mid(at), "SRC").value(0);
            thumbnails << run.path(QString::fromUtf8(QByteArray::fromPercentEncoding(src)));
            QCOMPARE(QImage(thumbnails.last()).size(), size);
            expected.replace("<IMG SRC=\"" + link + "\">", "<A HREF=\"" + link + "\"><IMG SRC=\"" + src + "\" WIDTH=\""
                             + QByteArray::number(size.width()) + "\" HEIGHT=\"" + QByteArray::number(size.height()) + "\" loading=\"lazy\"></A>");
        }
        QCOMPARE(page, expected);

        // Without a: a run whose document is not committed keeps its thumbnail, the next removes it.
        const qint64 bTime = modifiedMs(thumbnails[1]);
        run.request.selectedNames.removeFirst();
        run.outputFactory = [](const QString &path) { return std::make_unique<FailingOutputFile>(path, 2); };
        QCOMPARE(run.go().outcome, RunOutcome::Failed);
        QVERIFY(QFileInfo::exists(thumbnails[0]));
        run.outputFactory = nullptr;
        run.feedback.events.clear();
        QCOMPARE(run.go().outcome, RunOutcome::Completed);
        QVERIFY(!QFileInfo::exists(thumbnails[0]));
        QCOMPARE(modifiedMs(thumbnails[1]), bTime);
        QCOMPARE(run.feedback.events.size(), 1);
    }

    // A whole tree: a subdirectory's picture has its thumbnail, named by its
    // path; the page's own thumbnail folder is no section of it on a rerun.
    void treeWithThumbnails()
    {
        GeneratorRun run;
        run.request.wholeTree = run.request.thumbnails = true;
        run.thumbnailFactory = [](const ThumbnailJob &job) { return makeThumbnailBatch(job); };
        run.feedback.answers = {true};
        QVERIFY(QDir(run.dir).mkpath("2023/x y"));
        QVERIFY(testfiles::write(run.path("2023/x y/p.jpg"), encoded(halves(400, 300), "jpeg")));
        run.add("notes.txt");
        QCOMPARE(run.go().outcome, RunOutcome::Completed);
        const QByteArray page = run.page();
        QVERIFY2(page.contains("<A HREF=\"2023/x%20y/p.jpg\"><IMG SRC=\"quorvant_thumbnails/2023_x_y_p.jpg-"
                               + thumbnailStem("2023/x y/p.jpg").right(12) + ".jpg\" WIDTH=\"200\" HEIGHT=\"150\" loading=\"lazy\"></A>"),
                 page.constData());
        QCOMPARE(run.go().outcome, RunOutcome::Completed);
        QCOMPARE(run.page(), page);
        QVERIFY(run.feedback.events.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
