// Hostile input end to end: a tree of hostile names through every entry mode
// and table layouts, files that cannot be opened, and failures injected into
// every step of writing a document or the settings.
//
// With QUORVANT_HOSTILE_KEEP=<dir> the tree (<dir>/tree), the pages and a
// manifest of what each link must name (<dir>/manifest.json) are kept for
// tests/hostile/browser_check.sh.

#include "generator/FileListing.h"
#include "generator/UnlistableNames.h"
#include "platform/core/IoErrorText.h"
#include "settings/DefaultsStore.h"
#include "tests/common/FailingFiles.h"
#include "tests/common/GeneratorRun.h"
#include "tests/hostile/HostileTree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <optional>

namespace {

const int kBulkFiles = 10000;
const char *const kModes[] = {"picture", "text", "link"};

// A link target as a browser resolves it against the page's directory, as
// the raw bytes of a path; empty when it could not name a file there.
QByteArray resolvedPath(const QByteArray &value, const QByteArray &pageDir)
{
    // Browsers drop blanks at either end; the rest must be plain ASCII that
    // cannot end the attribute or start a tag or an entity.
    if (value.isEmpty() || value.front() == ' ' || value.back() == ' ')
        return {};
    for (const char c : value) {
        if (quint8(c) < ' ' || quint8(c) >= 0x7F || c == '"' || c == '<' || c == '>' || c == '&' || c == '\\')
            return {};
    }
    if (value.startsWith("file://"))
        return QByteArray::fromPercentEncoding(value.mid(7));
    const QByteArray decoded = QByteArray::fromPercentEncoding(value);
    if (value.contains('/') && !value.startsWith("./"))
        return {};
    return pageDir + '/' + (value.startsWith("./") ? decoded.mid(2) : decoded);
}

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
#ifndef Q_OS_UNIX
        QSKIP("the hostile tree needs POSIX file names");
#endif
        const QString keepDir = qEnvironmentVariable("QUORVANT_HOSTILE_KEEP");
        keep = !keepDir.isEmpty();
        base = keep ? QDir(keepDir).absolutePath() : scratch.path();
        if (keep) {
            QDir(base + "/tree").removeRecursively();
            QDir(base + "/start").removeRecursively();
        }
        QVERIFY(QDir().mkpath(base + "/tree") && QDir().mkpath(base + "/start"));
        QString error;
        QVERIFY2(makeHostileTree(base + "/tree", kBulkFiles, tree, error), qPrintable(error));
    }

    void cleanupTestCase()
    {
        if (!keep) {
            removeUndecodable(tree);
            return;
        }
        restoreVanishing(tree);
        QFile out(base + "/manifest.json");
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(manifest).toJson());
    }

    // Every plain file is either listed, under the very name that opens it,
    // or named by the names the list cannot show; never both, never twice.
    void listing()
    {
        const QStringList listed = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        const QStringList unlistable = unlistableFileNames(tree.dir, QStringLiteral("*.*"));
        QCOMPARE(listed.size() + unlistable.size(), tree.files.size());
        QSet<QByteArray> seen;
        for (const QString &name : listed) {
            const QByteArray raw = QFile::encodeName(name);
            QVERIFY2(tree.files.contains(raw) && !seen.contains(raw), raw.toHex().constData());
            seen.insert(raw);
        }
        QCOMPARE(unlistable, QStringList({"bad\\xFF\\xFE.gif", "latin\\xE9.txt", "overlong\\xC0\\xAF.jpg",
                                          "surrogate\\xED\\xA0\\x80.txt"}));
        QCOMPARE(unlistableFileNames(tree.dir, QStringLiteral("*.GIF;*.jpeg")), QStringList({"bad\\xFF\\xFE.gif"}));
        for (const QByteArray &link : std::as_const(tree.brokenLinks))
            QVERIFY(!listed.contains(QString::fromUtf8(link)));
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
        QVERIFY(restoreVanishing(tree));
        GeneratorRun r;
        DocumentRequest &q = r.request;
        q.directory = tree.dir;
        q.startDirectory = base + "/start";
        q.settings.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
        q.settings.showPath = absolute;
        q.heading = q.center = q.fileSize = q.fileDate = q.pictureSize = q.shrinkToFit = q.pictureAsLink =
            q.showSubdirectories = true;
        q.headingText = QStringLiteral("Hostile names");
        const QStringList items = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        q.selectedNames = items;
        // Hidden, so later listings never show the pages.
        q.documentName = QStringLiteral(".page-%1-%2-%3").arg(kModes[mode]).arg(columns).arg(absolute ? "abs" : "rel");
        r.mode(mode == 0 ? EntryMode::Picture : mode == 1 ? EntryMode::PlainText : EntryMode::Link);
        r.table(columns, 1);
        // Gone between the listing and the run.
        QVERIFY(QFile::remove(tree.dir + '/' + tree.vanishingFile));
        QVERIFY(QDir(tree.dir + '/' + tree.vanishingDir).removeRecursively());
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QCOMPARE(r.messages.texts, QStringList{"File access error\r" + tree.vanishingFile});
        const QString pagePath = (absolute ? base + "/start/" : tree.dir + '/') + q.documentName + ".html";
        const QByteArray page = testfiles::read(pagePath);
        QVERIFY(page.startsWith("<HTML>\r\n") && page.endsWith("</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
        QVERIFY(!page.contains("<script") && !page.contains("=\"x.gif"));

        const qsizetype n = items.size();
        const QByteArray pageDir = QFile::encodeName(QFileInfo(pagePath).absolutePath());
        QJsonArray links, sources;
        for (const QByteArray &attr : {QByteArray("HREF"), QByteArray("SRC")}) {
            const QList<QByteArray> values = attributeValues(page, attr);
            QCOMPARE(values.size(), (attr == "HREF" ? mode != 1 : mode == 0) ? n : 0);
            for (qsizetype i = 0; i < values.size(); ++i) {
                const QByteArray file = QFile::encodeName(tree.dir + '/' + items[i]);
                QVERIFY2(resolvedPath(values[i], pageDir) == file, values[i].constData());
                (attr == "HREF" ? links : sources).append(QString::fromLatin1(file.toHex()));
            }
        }
        if (columns > 0) {
            const qsizetype rows = (n + columns - 1) / columns;
            QCOMPARE(page.count("\r\n<TR>\r\n"), rows);
            QCOMPARE(page.count("</TD>\r\n</TR>\r\n"), rows);
            QCOMPARE(page.count("<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\r\n"), n);
        } else if (mode == 1) {
            // The five visible subdirectories left.
            QVERIFY(page.contains("<BR>\r\n5 Directories, " + QByteArray::number(n) + " Files, "));
            QCOMPARE(page.count("Directory&nbsp;&nbsp;&nbsp;"), 5);
            QVERIFY(page.contains("sub&lt;dir&gt;&nbsp;"));
        }
        if (keep)
            manifest.append(QJsonObject{{"page", pagePath}, {"mode", kModes[mode]}, {"links", links}, {"sources", sources}});
        else
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
        r.request.fileSize = r.request.fileDate = r.request.pictureSize = r.request.center = r.request.heading = true;
        r.request.headingText = QString(300000, QLatin1Char('h'));
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
            r.messages.texts.clear();
            r.messages.answers = {MessageResult::Yes};
            {
                std::optional<FileSizeLimit> limit;
                if (real)
                    limit.emplace(100000);
                QCOMPARE(r.go().outcome, RunOutcome::Failed);
            }
            QCOMPARE(r.page(), QByteArray("old document"));
            QCOMPARE(dirEntries(r.dir), before);
            QCOMPARE(r.messages.texts.size(), 2);  // the question, then the failure
            QCOMPARE(r.messages.texts.last(), ioErrorText(real ? EFBIG : ENOSPC));
        }
    }

    // Each of the seventeen writes failing in turn: the error names the file,
    // the file stays readable with every key either old or new, and the
    // next Exit writes them all.
    void settingsFailAtEachKey()
    {
        const QString path = QDir(scratch.path()).filePath("each.ini");
        struct Key { const char *section, *key, *oldValue, *newValue; };
        const Key keys[] = {
            {"Position", "x", "1", "11"}, {"Position", "y", "2", "22"}, {"Default", "Titledefault", "old title", "new title"},
            {"Default", "Headingdefault", "old heading", "new heading"}, {"Default", "Filenamedefault", "old", "new"},
            {"Default", "Usestandard", "1", "0"}, {"Default", "Browserdefault", "Standard Browser", "/new/browser"},
            {"Table", "Columnsdefault", "0", "3"}, {"Table", "Borderwidthdefault", "0", "2"},
            {"Table", "Aligndefault", "CENTER", "LEFT"}, {"Table", "VAligndefault", "MIDDLE", "TOP"},
            {"Colors", "Background", "5", "1"}, {"Colors", "Links", "6", "2"}, {"Colors", "VisitedLinks", "7", "3"},
            {"Colors", "Text", "8", "4"}, {"Sound", "Playsound", "0", "1"}, {"Default", "Modernpictures", "0", "1"}};
        QByteArray old, section;
        for (const Key &k : keys) {
            if (section != k.section)
                old += "[" + (section = k.section) + "]\r\n";
            old += QByteArray(k.key) + "=" + k.oldValue + "\r\n";
        }
        SavedDefaults d;
        d.title = "new title", d.heading = "new heading", d.fileName = "new";
        d.useStandardBrowser = false, d.browserPath = "/new/browser";
        d.table = {3, 2, "LEFT", "TOP"};
        d.colors = {1, 2, 3, 4};
        d.playSound = d.modernPictures = true;
        const QString message = "Unable to write to " + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        for (bool existing : {false, true}) {
            for (int failAt = 1; failAt <= 17; ++failAt) {
                QFile::remove(path);
                if (existing)
                    testfiles::write(path, old);
                FailingIniFile ini(path, failAt);
                try {
                    saveDefaults(d, ini, {11, 22});
                    QFAIL("the failed write was not reported");
                } catch (const IniWriteError &error) {
                    QCOMPARE(error.text, message);
                }
                for (int pass = 0; pass < 2; ++pass) {  // after the failure, then after the next Exit
                    const IniFile reread(path);
                    for (int k = 0; k < 17; ++k) {
                        const char *want = pass || k < failAt - 1 ? keys[k].newValue : existing ? keys[k].oldValue : "<none>";
                        QCOMPARE(reread.readString(keys[k].section, keys[k].key, "<none>"), QString::fromUtf8(want));
                    }
                    IniFile again(path);
                    saveDefaults(d, again, {11, 22});
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
