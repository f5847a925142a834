// Hostile input end to end: a tree of hostile names through every entry mode
// and table layout, files that cannot be opened, very long values, and
// failures injected into every step of writing a document or the settings.
//
// With QUORVANT_HOSTILE_KEEP=<dir> the tree (<dir>/tree), the pages and a
// manifest of what each link must name (<dir>/manifest.json) are kept for
// tests/hostile/browser_check.sh.

#include "FileListing.h"
#include "GeneratorFixture.h"
#include "HostileTree.h"
#include "IniFile.h"
#include "IoErrorText.h"
#include "SettingsStore.h"
#include "TableCheck.h"
#include "UnlistableNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const int kBulkFiles = 10000;
const char *const kModes[] = {"picture", "text", "link"};

QList<QByteArray> attributeValues(const QByteArray &page, const QByteArray &attr)
{
    QList<QByteArray> values;
    const QByteArray open = attr + "=\"";
    for (qsizetype at = page.indexOf(open); at >= 0; at = page.indexOf(open, at + 1)) {
        const qsizetype start = at + open.size();
        values << page.mid(start, page.indexOf('"', start) - start);
    }
    return values;
}

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

QStringList dirEntries(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Fails one chosen step of the real document file: 1 creation, 2 the close,
// n > 2 the write n - 2; 0 counts the writes only.
struct StepFailingOutput final : OutputFile {
    std::unique_ptr<OutputFile> real;
    int failAt = 0;
    int *writes = nullptr;
    bool open() override { return failAt != 1 && real->open(); }
    bool write(QByteArrayView b) override { return !(++*writes == failAt - 2) && real->write(b); }
    bool commit() override { return failAt != 2 && real->commit(); }
    int error() const override { return failAt ? ENOSPC : real->error(); }
};

// Fails the settings' write number failAt.
struct FailingIni final : IniFile {
    FailingIni(const QString &path, int failAt) : IniFile(path), failAt(failAt) {}
    int failAt, writes = 0;
    bool replaceContent(const QByteArray &content) override { return ++writes != failAt && IniFile::replaceContent(content); }
};

// Lowers the largest file this process may write, so real writes fail with
// EFBIG; restores the limit when it goes out of scope. The whole test needs
// POSIX, so elsewhere it only has to compile.
struct FileSizeLimit {
#ifdef Q_OS_UNIX
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lower{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
#else
    explicit FileSizeLimit(long) {}
#endif
};

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
        for (int mode = 0; mode < 3; ++mode)
            for (int columns = 0; columns <= 5; ++columns)
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
        FakeView &view = r.view;
        QDir::setCurrent(view.dir = tree.dir);
        view.absolute = r.o.ShowPath = absolute;
        view.withHeading = view.center = view.size = view.date = view.pictureSize = view.shrink = view.pictureLink =
            view.subdirs = true;
        view.heading = QStringLiteral("Hostile names");
        view.items = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        for (int i = 0; i < view.items.size(); ++i)
            view.chosen.insert(i);
        // Hidden, so later listings never show the pages.
        view.name = QStringLiteral(".page-%1-%2-%3").arg(kModes[mode]).arg(columns).arg(absolute ? "abs" : "rel");
        view.beforeWriting = [&] {
            QVERIFY(QFile::remove(tree.dir + '/' + tree.vanishingFile));
            QVERIFY(QDir(tree.dir + '/' + tree.vanishingDir).removeRecursively());
        };
        r.mode(mode == 0, mode == 1);
        r.o.TableColumns = columns, r.o.TableBorderWidth = 1;
        checkTableValues(r.o);
        r.o.StartDirectory = base + "/start";
        QCOMPARE(r.go(), RunOutcome::Completed);
        QCOMPARE(r.messages.shown, QStringList{box(MessageType::Warning, MessageButtons::Ok, "File access error\r" + tree.vanishingFile)});
        const QString pagePath = (absolute ? base + "/start/" : tree.dir + '/') + view.name + ".html";
        const QByteArray page = GeneratorRun::page(pagePath);
        QVERIFY(page.startsWith("<HTML>\r\n") && page.endsWith("</CENTER>\r\n</BODY>\r\n</HTML>\r\n"));
        QVERIFY(!page.contains("<script") && !page.contains("=\"x.gif"));

        const qsizetype n = view.items.size();
        const QByteArray pageDir = QFile::encodeName(QFileInfo(pagePath).absolutePath());
        QJsonArray links, sources;
        for (const QByteArray &attr : {QByteArray("HREF"), QByteArray("SRC")}) {
            const QList<QByteArray> values = attributeValues(page, attr);
            QCOMPARE(values.size(), (attr == "HREF" ? mode != 1 : mode == 0) ? n : 0);
            for (qsizetype i = 0; i < values.size(); ++i) {
                const QByteArray file = QFile::encodeName(tree.dir + '/' + view.items[i]);
                QVERIFY2(resolvedPath(values[i], pageDir) == file, values[i].constData());
                (attr == "HREF" ? links : sources).append(QString::fromLatin1(file.toHex()));
            }
        }
        if (r.o.TableLayout) {
            const qsizetype rows = (n + columns - 1) / columns;
            QCOMPARE(page.count("\r\n<TR>\r\n"), rows);
            QCOMPARE(page.count("</TD>\r\n</TR>\r\n"), rows);
            QCOMPARE(page.count("<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\r\n"), n);
        } else if (mode == 1) {
            // Six visible subdirectories, the vanished one included: it was listed.
            QVERIFY(page.contains("<BR>\r\n6 Directories, " + QByteArray::number(n) + " Files, "));
            QCOMPARE(page.count("Directory&nbsp;&nbsp;&nbsp;"), 6);
            QVERIFY(page.contains("sub&lt;dir&gt;&nbsp;"));
        }
        if (keep)
            manifest.append(QJsonObject{{"page", pagePath}, {"mode", kModes[mode]}, {"links", links}, {"sources", sources}});
        else
            QVERIFY(QFile::remove(pagePath));
    }

    // Title and heading of any length and every byte value are written as
    // given; a blank at either end of a name survives the browser's trimming.
    void longValuesAndEdgeBlanks()
    {
        GeneratorRun r;
        r.mode(false, false);
        r.view.title = QString(10000, QLatin1Char('t'));
        for (int c = 0; c < 256; ++c)
            r.view.heading += QChar(c);
        r.view.withHeading = true;
        r.add(" lead.txt"), r.add("trail.txt "), r.add("  "), r.add("in side");
        QCOMPARE(r.go(), RunOutcome::Completed);
        const QByteArray page = r.page();
        QVERIFY(page.contains("<TITLE>\r\n" + QByteArray(10000, 't') + "\r\n</TITLE>"));
        QVERIFY(page.contains("<H1>" + r.view.heading.toUtf8() + "</H1>\r\n<A HREF"));
        QVERIFY(page.endsWith("in side</A><BR><BR>\r\n</BODY>\r\n</HTML>\r\n"));
        QCOMPARE(attributeValues(page, "HREF"), QList<QByteArray>({"%20lead.txt", "trail.txt%20", "%20%20", "in side"}));
    }

    // 1 MB, 50,000 lines of everything a hand can put in the file: each string
    // is read cut to 1023 characters, never through half a character, and a
    // save keeps every line.
    void hugeSettingsFile()
    {
        const QString path = QDir(scratch.path()).filePath("quorva21.ini");
        QByteArray file;
        for (int i = 0; i < 12500; ++i)
            file += "[S" + QByteArray::number(i) + "]\nkey=" + QByteArray(40, 'v') + "\nno equals sign\n=\n";
        file += "[Default]\nTitledefault=" + QByteArray(200000, 'T') + "\nHeadingdefault=" + QByteArray(1022, 'h')
                + "\xF0\x9F\x98\x80tail\n[Colors]\nBackground=" + QByteArray(100000, '9') + "\n";
        GeneratorRun::writeFile(path, file);
        GenerationOptions o;
        IniFile ini(path);
        loadDefaults(o, ini);
        QCOMPARE(o.DefaultTitle, QString(1023, QLatin1Char('T')));
        QCOMPARE(o.DefaultHeading, QString(1022, QLatin1Char('h')));  // not half of the emoji
        QCOMPARE(o.DefaultBgColor, 12632256);                         // out of range: the fallback
        o.DefaultTitle = QString(10000, QLatin1Char('n'));
        saveDefaults(o, ini, 1, 2);
        QCOMPARE(IniFile(path).readString("Default", "Titledefault", {}), QString(1023, QLatin1Char('n')));
        QCOMPARE(GeneratorRun::page(path).count("no equals sign\r\n"), 12500);
    }

    // Creating, each write and the close failing in turn, and then the real
    // disk refusing past a file size limit, leave the old document as it was,
    // no partial file, and one message with the system's reason.
    void outputFailsAtEveryStep()
    {
        GeneratorRun r;
        r.mode(false, true);
        r.table(2);
        r.view.size = r.view.date = r.view.pictureSize = r.view.center = r.view.withHeading = true;
        r.view.heading = QString(300000, QLatin1Char('h'));
        r.add("a.gif", gifBytes(10, 10)), r.add("b.jpg", jpegBytes(20, 20)), r.add("c d.txt");
        int writes = 0, inject = 0;
        r.gen.setOutputFileFactory([&](const QString &path) {
            auto f = std::make_unique<StepFailingOutput>();
            f->real = makeSaveOutputFile(path), f->failAt = inject, f->writes = &writes;
            return f;
        });
        QCOMPARE(r.go(), RunOutcome::Completed);
        const int total = writes;
        QVERIFY(total > 20);
        for (int step = 1; step <= total + 3; ++step) {
            const bool real = step == total + 3;
            inject = real ? 0 : step;
            GeneratorRun::writeFile("quorvant.html", "old document");
            const QStringList before = dirEntries(".");
            writes = 0;
            r.messages.shown.clear();
            r.messages.answers = {MessageResult::Yes};
            {
                std::optional<FileSizeLimit> limit;
                if (real)
                    limit.emplace(100000);
                QCOMPARE(r.go(), RunOutcome::Failed);
            }
            QCOMPARE(r.page(), QByteArray("old document"));
            QCOMPARE(dirEntries("."), before);
            QCOMPARE(r.messages.shown.size(), 2);  // the question, then the failure
            QCOMPARE(r.messages.shown.last(), box(MessageType::Error, MessageButtons::Ok, ioErrorText(real ? EFBIG : ENOSPC)));
        }
    }

    // The real disk refusing the settings leaves them as they were.
    void realSettingsWriteFailure()
    {
        const QString path = QDir(scratch.path()).filePath("limited.ini");
        const QByteArray settingsBytes = "[Sound]\r\nPlaysound=1\r\n" + QByteArray(200000, ';');
        GeneratorRun::writeFile(path, settingsBytes);
        {
            FileSizeLimit limit(100000);
            GenerationOptions o;
            IniFile ini(path);
            QVERIFY_THROWS_EXCEPTION(IniWriteError, saveDefaults(o, ini, 1, 2));
        }
        QCOMPARE(GeneratorRun::page(path), settingsBytes);
    }

    // Each of the sixteen writes failing in turn: the error names the file,
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
            {"Colors", "Text", "8", "4"}, {"Sound", "Playsound", "0", "1"}};
        QByteArray old, section;
        for (const Key &k : keys) {
            if (section != k.section)
                old += "[" + (section = k.section) + "]\r\n";
            old += QByteArray(k.key) + "=" + k.oldValue + "\r\n";
        }
        GenerationOptions o;
        o.DefaultTitle = "new title", o.DefaultHeading = "new heading", o.DefaultFileName = "new";
        o.UseStandardBrowser = false, o.BrowserPath = "/new/browser";
        o.DefaultTableColumns = 3, o.DefaultTableBorderWidth = 2, o.DefaultTableAlign = "LEFT", o.DefaultTableVAlign = "TOP";
        o.DefaultBgColor = 1, o.DefaultLinkColor = 2, o.DefaultVLinkColor = 3, o.DefaultTextColor = 4;
        o.PlaySoundEnabled = true;
        const QString message = "Unable to write to " + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        for (bool existing : {false, true}) {
            for (int failAt = 1; failAt <= 16; ++failAt) {
                QFile::remove(path);
                if (existing)
                    GeneratorRun::writeFile(path, old);
                FailingIni ini(path, failAt);
                try {
                    saveDefaults(o, ini, 11, 22);
                    QFAIL("the failed write was not reported");
                } catch (const IniWriteError &error) {
                    QCOMPARE(error.text, message);
                }
                for (int pass = 0; pass < 2; ++pass) {  // after the failure, then after the next Exit
                    const IniFile reread(path);
                    for (int k = 0; k < 16; ++k) {
                        const char *want = pass || k < failAt - 1 ? keys[k].newValue : existing ? keys[k].oldValue : "<none>";
                        QCOMPARE(reread.readString(keys[k].section, keys[k].key, "<none>"), QString::fromUtf8(want));
                    }
                    IniFile again(path);
                    saveDefaults(o, again, 11, 22);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
