// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input end to end: a tree of hostile names through every entry mode
// and table layouts, files that cannot be opened, and failures injected into
// every step of writing a document.
//
// With QUORVANT_HOSTILE_KEEP=<dir> the tree (<dir>/tree), the pages and a
// manifest of what each link must name (<dir>/manifest.json) are kept for
// tests/hostile/browser_check.sh.

#include "generator/FileListing.h"
#include "tests/common/FailingFiles.h"
#include "tests/common/GeneratorRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <algorithm>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A directory built to break a page: names with every character HTML, URLs
// and shells treat specially, names of 255 bytes, names that are not UTF-8,
// line breaks in names, thousands of files, a dangling symlink, symlink
// loops, and a file and a subdirectory meant to vanish during a run.
struct HostileTree {
    QString dir;
    QList<QByteArray> files;  // every plain file made, raw names, the bulk included
    QString vanishingFile = QStringLiteral("vanish.gif");
    QString vanishingDir = QStringLiteral("vanishdir");

    QByteArray root() const { return QFile::encodeName(dir) + '/'; }

    // Small but real headers, so the picture probes find sizes.
    static QByteArray contentFor(const QByteArray &name)
    {
        const QByteArray lower = name.toLower();
        if (lower.endsWith(".gif") || lower.endsWith(".gif "))
            return testfiles::gif(320, 240);
        if (lower.endsWith(".jpg") || lower.endsWith(".jpeg"))
            return testfiles::jpeg(640, 480) + "data";
        return "text of " + name + "\n";
    }

    // Fills dir (which must exist) with the tree and bulk plain files more;
    // the name of what the file system refused, if anything.
    QByteArray make(const QString &where, int bulk)
    {
        dir = where;
        QList<QByteArray> names = {
            "amp&er.gif", "lt<gt>.jpg", "quote\"d.txt", "apos'trophe.jpeg", "hash#tag.gif", "per%cent.txt",
            "per%20cent.txt", "ques?tion.jpg", "semi;colon.txt", "with blank.gif", " leading blank.txt",
            "trailing blank.gif ", "-leading-dash.jpg", "-", "--", "javascript:alert(1).gif", "back\\slash.txt",
            "tab\there.gif", "cr\rname.txt", "lf\nname.gif", "crlf\r\nname.jpg", "<script>alert(1)<!--.txt",
            "&amp;.txt", "HREF=\"x.gif", "caf\xC3\xA9.gif", "\xE6\x97\xA5\xE6\x9C\xAC.jpg",
            QByteArray(251, 'a') + ".gif",                  // 255 bytes
            QByteArray("\xC3\xA9").repeated(125) + "x.jpg", // 255 bytes, 130 characters
            "latin\xE9.txt", "bad\xFF\xFE.gif", "overlong\xC0\xAF.jpg", "surrogate\xED\xA0\x80.txt",
            vanishingFile.toUtf8()};
        const char *exts[] = {".txt", ".gif", ".jpg"};
        for (int i = 0; i < bulk; ++i)
            names << "f" + QByteArray::number(i).rightJustified(5, '0') + exts[i % 3];
        for (const QByteArray &name : names) {
            if (!testfiles::writeNamed(dir, name, contentFor(name)))
                return name;
            files << name;
        }
        // Time stamps no clock shows: before 1970, the epoch itself, year 33658.
        for (const auto &[name, secs] : {std::pair<QByteArray, qint64>{"old.txt", -1000000001}, {"epoch.gif", 0},
                                         {"future.jpg", Q_INT64_C(1000000000001)}}) {
            if (!testfiles::writeNamed(dir, name, contentFor(name), QDateTime::fromSecsSinceEpoch(secs)))
                return name;
            files << name;
        }
        for (const QByteArray &sub : {QByteArray("sub&dir"), QByteArray("sub<dir>"), QByteArray("sub dir"),
                                      QByteArray("-subdash"), QByteArray("subcr\rdir"), QByteArray(".hiddendir"),
                                      QByteArray("subbad\xFF"), vanishingDir.toUtf8()}) {
            if (::mkdir((root() + sub).constData(), 0755) != 0)
                return sub;
        }
        for (const auto &[name, target] : {std::pair<QByteArray, QByteArray>{"dangling.gif", "does-not-exist.gif"},
                                           {"loop1.jpg", "loop2.jpg"}, {"loop2.jpg", "loop1.jpg"}, {"selfloop.txt", "selfloop.txt"}}) {
            if (::symlink(target.constData(), (root() + name).constData()) != 0)
                return name;
        }
        return {};
    }

    // Puts the vanishing file and subdirectory back after a run removed them.
    bool restoreVanishing() const
    {
        const QByteArray file = vanishingFile.toUtf8();
        return testfiles::writeNamed(dir, file, contentFor(file)) && QDir(dir).mkpath(vanishingDir);
    }
};

const int kBulkFiles = 10000;
const char *const kModes[] = {"picture", "text", "link"};

} // namespace

class TestHostile : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    QString base;  // holds tree/ and start/
    HostileTree tree;
    QJsonArray manifest;
    bool keep = false;

private slots:
    void initTestCase()
    {
        const QString keepDir = qEnvironmentVariable("QUORVANT_HOSTILE_KEEP");
        keep = !keepDir.isEmpty();
        base = keep ? QDir(keepDir).absolutePath() : scratch.path();
        if (keep) {
            QDir(base + "/tree").removeRecursively();
            QDir(base + "/start").removeRecursively();
        }
        QVERIFY(QDir().mkpath(base + "/tree") && QDir().mkpath(base + "/start"));
        const QByteArray refused = tree.make(base + "/tree", kBulkFiles);
        QVERIFY2(refused.isEmpty(), refused.toHex().constData());
    }

    void cleanupTestCase()
    {
        if (!keep) {
            testfiles::removeUnspellable(tree.dir);  // QDir::removeRecursively never sees them
            return;
        }
        tree.restoreVanishing();
        QFile out(base + "/manifest.json");
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(manifest).toJson());
    }

    // Every plain file is listed once, under the very bytes that open it,
    // whatever they are; hidden files (the pages) are not.
    void listing()
    {
        const FileNames listed = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        QCOMPARE(listed.size(), tree.files.size());
        QSet<QByteArray> seen;
        for (const FileName &name : listed) {
            QVERIFY2(tree.files.contains(name.bytes()) && !seen.contains(name.bytes()), name.bytes().toHex().constData());
            seen.insert(name.bytes());
        }
    }

    // One name per row, beside a file "x", through every entry mode, a table
    // and none, relative and absolute links; then as a subdirectory line:
    // listed, shown in its readable form (a plain-text page counting its
    // characters), linked by its exact bytes, and the page plain ASCII.
    void names_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<int>("width");
        const auto row = [](const char *tag, const QByteArray &name, const QByteArray &shown, int width) {
            QTest::newRow(tag) << name << shown << width;
        };
        row("Latin-1", "caf\xE9", "caf\\xE9", 7);
        row("lone continuation byte", "a\x80z", "a\\x80z", 6);
        row("overlong", "\xC0\xAF.gif", "\\xC0\\xAF.gif", 12);
        row("not UTF-8 at all", "\xFF\xFE.jpg", "\\xFF\\xFE.jpg", 12);
        row("CESU-8 surrogate", "\xED\xA0\xBD\xED\xB8\x80", "\\xED\\xA0\\xBD\\xED\\xB8\\x80", 24);
        row("tab", "a\tb", "a\\x09b", 6);
        row("newline", "a\nb", "a\\x0Ab", 6);
        row("escape", "\x1B[2Jc", "\\x1B[2Jc", 8);
        row("C1 control", "a\xC2\x85", "a\\xC2\\x85", 9);
        row("255 bytes of 3-byte characters", QByteArray("\xE6\x97\xA5").repeated(85), QByteArray("&#26085;").repeated(85), 85);
        row("outside the BMP", "\xF0\x9F\x98\x80.gif", "&#128512;.gif", 5);
        row("blank", "a b.jpg", "a b.jpg", 7);
        row("brackets and braces", "[x]{y}^|", "[x]{y}^|", 8);
        row("backquote", "a`b", "a`b", 3);
    }
    void names()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, shown);
        QFETCH(int, width);
        for (int mode = 0; mode < 3; ++mode) {
            for (const int columns : {0, 2}) {
                for (const bool absolute : {false, true}) {
                    GeneratorRun r;
                    QVERIFY(testfiles::writeNamed(r.dir, name, testfiles::gif(8, 8)) && testfiles::writeNamed(r.dir, "x", "x"));
                    r.request.selectedNames = listMatchingFiles(r.dir, QStringLiteral("*.*"));
                    QVERIFY(r.request.selectedNames.size() == 2 && r.request.selectedNames.contains(FileName(name)));
                    r.mode(mode == 0 ? EntryMode::Picture : mode == 1 ? EntryMode::PlainText : EntryMode::Link);
                    r.table(columns);
                    r.request.settings.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
                    r.request.fileSize = r.request.pictureAsLink = true;
                    QCOMPARE(r.go().outcome, RunOutcome::Completed);
                    const QByteArray page = r.page();
                    QVERIFY(std::all_of(page.begin(), page.end(), [](char c) { return quint8(c) < 0x80; }));
                    const QByteArray before = mode == 0 ? "<STRONG>" : mode == 2 ? "\">" : columns ? "\r\n" : ">\r\n";
                    QVERIFY2(page.contains(before + shown + (mode == 1 ? "" : "</")), page.constData());
                    if (mode == 1 && columns == 0)  // the other name's details stand in the column after this one
                        QVERIFY(page.contains("\r\nx" + nbsp(qMax(width, 1) + 1 + 10) + "1 Bytes<BR>"));
                    QList<QByteArray> targets = attributeValues(page, "HREF") + attributeValues(page, "SRC");
                    QCOMPARE(targets.size(), mode == 0 ? 4 : mode == 2 ? 2 : 0);
                    for (const QByteArray &target : targets) {
                        const QByteArray file = resolvedLink(target, QFile::encodeName(r.dir));
                        QVERIFY2(file == QFile::encodeName(r.dir) + '/' + name || file == QFile::encodeName(r.dir) + "/x", target);
                    }
                }
            }
        }
        GeneratorRun r;
        r.mode(EntryMode::PlainText);
        r.request.showSubdirectories = true;
        r.add("x");
        QCOMPARE(::mkdir((QFile::encodeName(r.dir) + '/' + name).constData(), 0755), 0);
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QVERIFY2(r.page().contains(">\r\n" + shown + nbsp(qMax(width, 1) + 10 - width) + "Directory<BR>\r\nx")
                     && r.page().contains("1 Directory, 1 Files"), r.page().constData());
    }

    void everyModeAndLayout_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("absolute");
        // The browser check loads every layout; the suite needs two.
        const QList<int> layouts = keep ? QList<int>{0, 1, 2, 3, 4, 5} : QList<int>{0, 3};
        for (int mode = 0; mode < 3; ++mode)
            for (int columns : layouts)
                for (bool absolute : {false, true})
                    QTest::addRow("%s, %d columns, %s", kModes[mode], columns, absolute ? "absolute" : "relative")
                        << mode << columns << absolute;
    }
    // The page is complete, each problem is told once, every link and picture
    // source names its own file, and no name opens a tag or an attribute.
    void everyModeAndLayout()
    {
        QFETCH(int, mode);
        QFETCH(int, columns);
        QFETCH(bool, absolute);
        QVERIFY(tree.restoreVanishing());
        GeneratorRun r;
        DocumentRequest &q = r.request;
        q.directory = tree.dir;
        q.startDirectory = base + "/start";
        q.settings.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
        q.settings.showPath = absolute;
        q.center = q.fileSize = q.fileDate = q.pictureSize = q.shrinkToFit = q.pictureAsLink = q.showSubdirectories = true;
        q.texts.heading = QStringLiteral("Hostile names");
        const FileNames items = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        q.selectedNames = items;
        // Hidden, so later listings never show the pages.
        q.texts.fileName = QStringLiteral(".page-%1-%2-%3.html").arg(kModes[mode]).arg(columns).arg(absolute ? "abs" : "rel");
        r.mode(mode == 0 ? EntryMode::Picture : mode == 1 ? EntryMode::PlainText : EntryMode::Link);
        r.table(columns, 1);
        // Gone between the listing and the run.
        QVERIFY(QFile::remove(tree.dir + '/' + tree.vanishingFile));
        QVERIFY(QDir(tree.dir + '/' + tree.vanishingDir).removeRecursively());
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QCOMPARE(r.feedback.events, QStringList{QStringLiteral("unreadable %1 %2").arg(tree.vanishingFile).arg(ENOENT)});
        const QString pagePath = (absolute ? base + "/start/" : tree.dir + '/') + q.texts.fileName;
        const QByteArray page = testfiles::read(pagePath);
        QVERIFY(page.startsWith("<HTML>\r\n") && page.endsWith("</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
        QVERIFY(!page.contains("<script") && !page.contains("=\"x.gif"));
        QVERIFY(std::all_of(page.begin(), page.end(), [](char c) { return quint8(c) < 0x80; }));

        const qsizetype n = items.size();
        const QByteArray pageDir = QFile::encodeName(QFileInfo(pagePath).absolutePath());
        QJsonArray links, sources;
        for (const QByteArray &attr : {QByteArray("HREF"), QByteArray("SRC")}) {
            const QList<QByteArray> values = attributeValues(page, attr);
            QCOMPARE(values.size(), (attr == "HREF" ? mode != 1 : mode == 0) ? n : 0);
            for (qsizetype i = 0; i < values.size(); ++i) {
                const QByteArray file = tree.root() + items[i].bytes();
                QVERIFY2(resolvedLink(values[i], pageDir) == file, values[i].constData());
                (attr == "HREF" ? links : sources).append(QString::fromLatin1(file.toHex()));
            }
        }
        if (columns > 0) {
            const qsizetype rows = (n + columns - 1) / columns;
            QCOMPARE(page.count("\r\n<TR>\r\n"), rows);
            QCOMPARE(page.count("</TD>\r\n</TR>\r\n"), rows);
            QCOMPARE(page.count("<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\r\n"), n);
        } else if (mode == 1) {
            // The six visible subdirectories left, also the one whose name is not UTF-8.
            QVERIFY(page.contains("<BR>\r\n6 Directories, " + QByteArray::number(n) + " Files, "));
            QCOMPARE(page.count("Directory&nbsp;&nbsp;&nbsp;"), 6);
            QVERIFY(page.contains("sub&lt;dir&gt;&nbsp;") && page.contains("subbad\\xFF&nbsp;"));
        }
        if (keep)
            manifest.append(QJsonObject{{"page", pagePath}, {"mode", kModes[mode]}, {"links", links}, {"sources", sources}});
        else
            QVERIFY(QFile::remove(pagePath));
    }

    // A whole tree of hostile names: directories with them three deep (a
    // colon in the first would read as a scheme), each holding files with
    // them. Every link and picture source names its own file, each once, and
    // nothing is reported: every name is kept as its bytes.
    void nestedNames_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("absolute");
        for (const int mode : {0, 2})
            for (bool absolute : {false, true})
                QTest::addRow("%s, %s", kModes[mode], absolute ? "absolute" : "relative") << mode << absolute;
    }
    void nestedNames()
    {
        QFETCH(int, mode);
        QFETCH(bool, absolute);
        QVERIFY(tree.restoreVanishing());
        const QList<QByteArray> dirs = {"sub&dir/in<ner> \"dir\"", "sub&dir/in<ner> \"dir\"/#d%20 ?;", "lead:x/ sub dir"};
        const QList<QByteArray> names = {"amp&er.gif", "per%20cent.txt", " leading blank.txt", "trailing blank.gif ",
                                         "javascript:alert(1).gif", "tab\there.jpg", "lf\nname.gif", "caf\xC3\xA9.gif"};
        QSet<QByteArray> expected;
        for (const QByteArray &dir : dirs) {
            QVERIFY(QDir().mkpath(QFile::decodeName(tree.root() + dir)));
            for (const QByteArray &name : names) {
                QVERIFY(testfiles::writeNamed(tree.dir, dir + '/' + name, HostileTree::contentFor(name)));
                expected.insert(tree.root() + dir + '/' + name);
            }
        }
        QVERIFY(testfiles::writeNamed(tree.dir, dirs[0] + "/bad\xFF.gif", "x"));
        expected.insert(tree.root() + dirs[0] + "/bad\xFF.gif");
        const auto cleanUp = qScopeGuard([&] {
            ::remove((tree.root() + dirs[0] + "/bad\xFF.gif").constData());  // a name Qt cannot spell
            QDir(QFile::decodeName(tree.root() + "lead:x")).removeRecursively();
            QDir(QFile::decodeName(tree.root() + "sub&dir/in<ner> \"dir\"")).removeRecursively();
        });
        GeneratorRun r;
        DocumentRequest &q = r.request;
        q.directory = tree.dir;
        q.startDirectory = base + "/start";
        q.wholeTree = q.pictureAsLink = q.fileSize = true;
        q.settings.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
        q.texts.fileName = QStringLiteral(".tree-%1-%2.html").arg(kModes[mode]).arg(absolute);
        r.mode(mode == 0 ? EntryMode::Picture : EntryMode::Link);
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QCOMPARE(r.feedback.events, QStringList());
        const QString pagePath = (absolute ? base + "/start/" : tree.dir + '/') + q.texts.fileName;
        const QByteArray page = testfiles::read(pagePath), pageDir = QFile::encodeName(QFileInfo(pagePath).absolutePath());
        for (const QByteArray &attr : {QByteArray("HREF"), QByteArray("SRC")}) {
            if (attr == "SRC" && mode != 0)
                continue;
            QSet<QByteArray> named;
            for (const QByteArray &value : attributeValues(page, attr)) {
                const QByteArray file = value.startsWith('#') ? QByteArray() : resolvedLink(value, pageDir);
                // Every link opens a file of the tree, each file once; those
                // made here among them.
                QVERIFY2(value.startsWith('#') || (::access(file.constData(), F_OK) == 0 && !named.contains(file)),
                         value.constData());
                named.insert(file);
            }
            QVERIFY(named.contains(expected));
        }
        QVERIFY(QFile::remove(pagePath));
    }

    // Creating, each write and the close failing in turn, and then the real
    // disk refusing past a file size limit, leave the old document as it was,
    // no partial file, and one message with the system's reason.
    void outputFailsAtEveryStep()
    {
        GeneratorRun r;
        r.mode(EntryMode::PlainText);
        r.table(2);
        r.request.fileSize = r.request.fileDate = r.request.pictureSize = r.request.center = true;
        r.request.texts.heading = QString(300000, QLatin1Char('h'));
        r.add("a.gif", testfiles::gif(10, 10)), r.add("b.jpg", testfiles::jpeg(20, 20)), r.add("c d.txt");
        int writes = 0, inject = 0;
        r.outputFactory = [&](const QString &path) {
            writes = 0;
            return std::make_unique<FailingOutputFile>(path, inject, &writes);
        };
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        const int total = writes;
        QVERIFY(total > 20);
        for (int step = 1; step <= total + 3; ++step) {
            const bool real = step == total + 3;
            inject = real ? 0 : step;
            testfiles::write(r.path("quorvant.html"), "old document");
            const QStringList before = dirEntries(r.dir);
            r.feedback = {};
            r.feedback.answers = {true};
            {
                std::optional<FileSizeLimit> limit;
                if (real)
                    limit.emplace(100000);
                QCOMPARE(r.go().outcome, RunOutcome::Failed);
            }
            QCOMPARE(r.page(), QByteArray("old document"));
            QCOMPARE(dirEntries(r.dir), before);
            QCOMPARE(r.feedback.questions.size(), 1);
            QCOMPARE(r.feedback.events, QStringList{QStringLiteral("failed %1 %2").arg(r.path("quorvant.html")).arg(real ? EFBIG : ENOSPC)});
        }
    }

};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
