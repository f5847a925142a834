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

#include <functional>
#include <utility>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const int kBulkFiles = 10000;
const char *const kModes[] = {"picture", "text", "link"};

// The window as the run sees it, with a hook that runs once, when the run
// first asks about the selection: the listing is over, writing begins.
struct HookedView final : DocumentView {
    QString name, dir;
    bool absolute = false;
    QStringList items;
    mutable std::function<void()> beforeWriting;

    QString titleText() const override { return {}; }
    bool headingChecked() const override { return true; }
    QString headingText() const override { return QStringLiteral("Hostile names"); }
    bool centerChecked() const override { return true; }
    bool fileSizeChecked() const override { return true; }
    bool fileDateChecked() const override { return true; }
    bool pictureSizeChecked() const override { return true; }
    bool shrinkOn() const override { return true; }
    bool pictureAsLinkOn() const override { return true; }
    bool showSubdirChecked() const override { return true; }
    bool absoluteChosen() const override { return absolute; }
    QString documentName() const override { return name; }
    int fileItemCount() const override { return int(items.size()); }
    QString fileItem(int index) const override { return items.at(index); }
    bool fileSelected(int) const override
    {
        if (beforeWriting)
            std::exchange(beforeWriting, nullptr)();
        return true;
    }
    int selectedCount() const override { return int(items.size()); }
    QString fileListDirectory() const override { return dir; }
    QString directoryListDirectory() const override { return dir; }
};

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

// Each write of the settings fails in turn.
class FailingIni final : public IniFile {
public:
    FailingIni(const QString &path, int failAt) : IniFile(path), failAt(failAt) {}
    int writes = 0;

protected:
    bool replaceContent(const QByteArray &content) override
    {
        return ++writes != failAt && IniFile::replaceContent(content);
    }

private:
    int failAt;
};

#ifdef Q_OS_UNIX
// Lowers the largest file this process may write, so real writes fail with
// EFBIG; restores the limit when it goes out of scope.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lower{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};
#endif

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
        QStringList expectedUnlistable;
        for (const QByteArray &raw : std::as_const(tree.undecodable))
            expectedUnlistable << readableFileName(raw);
        expectedUnlistable.sort();
        QCOMPARE(unlistable, expectedUnlistable);
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
        HookedView view;
        view.dir = tree.dir;
        view.absolute = absolute;
        view.items = listMatchingFiles(tree.dir, QStringLiteral("*.*"));
        // Hidden, so later listings never show the pages.
        view.name = QStringLiteral(".page-%1-%2-%3").arg(kModes[mode]).arg(columns).arg(absolute ? "abs" : "rel");
        view.beforeWriting = [&] {
            QVERIFY(QFile::remove(tree.dir + '/' + tree.vanishingFile));
            QVERIFY(QDir(tree.dir + '/' + tree.vanishingDir).removeRecursively());
        };
        GenerationOptions o;
        o.EmbedPictures = mode == 0, o.PlainTextMode = mode == 1;
        o.TableColumns = columns, o.TableBorderWidth = 1;
        checkTableValues(o);
        o.ShowPath = absolute;
        o.StartDirectory = base + "/start";
        o.FileCount = int(view.items.size());
        FakeFeedback feedback;
        ScriptedMessages messages;
        const FixedScreen screen(1024, 768);
        DocumentGenerator gen(o, view, feedback, messages, screen);
        const QString oldCwd = QDir::currentPath();
        QDir::setCurrent(tree.dir);
        const RunOutcome outcome = gen.makefilebuttonClick();
        QDir::setCurrent(oldCwd);

        QCOMPARE(outcome, RunOutcome::Completed);
        QCOMPARE(messages.shown, QStringList{box(MessageType::Warning, MessageButtons::Ok, "File access error\r" + tree.vanishingFile)});
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
        if (o.TableLayout) {
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
        if (keep) {
            manifest.append(QJsonObject{{"page", pagePath}, {"mode", kModes[mode]}, {"links", links}, {"sources", sources}});
        } else {
            QVERIFY(QFile::remove(pagePath));
        }
    }

    // A list older than the directory: entries that are no longer files, or
    // never were, are each reported once, and the run neither blocks nor stops.
    void staleList()
    {
        GeneratorRun r;
        r.view.size = r.view.date = r.view.pictureSize = r.view.shrink = true;
        QVERIFY(QFile::link("nothing.gif", "dangling.gif") && QFile::link("loop.jpg", "loop.jpg"));
        QVERIFY(QDir().mkdir("dir.jpeg"));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo("fifo.gif", 0600), 0);
#endif
        // The name a non-UTF-8 file would get if it had been decoded with replacements.
        const QStringList stale = {"dangling.gif", "loop.jpg", "dir.jpeg", "fifo.gif", "bad\uFFFD\uFFFD.gif", "gone.txt"};
        QStringList expected;
        for (const QString &name : stale) {
            r.add(name, QByteArray());
            expected << box(MessageType::Warning, MessageButtons::Ok, "File access error\r" + name);
        }
        r.add("real.gif", gifBytes(1600, 10));
        QCOMPARE(r.go(), RunOutcome::Completed);
        QCOMPARE(r.messages.shown, expected);
        QVERIFY(r.page().contains("<IMG WIDTH = \"800\" SRC=\"real.gif\">"));
        QCOMPARE(r.page().count("<IMG SRC=\""), stale.size());
    }

    // The longest name the file system takes is written; one byte more is
    // refused with the program's words and leaves nothing behind.
    void longestDocumentName()
    {
        GeneratorRun r;
        r.add("a.txt");
        r.view.name = QString(250, QLatin1Char('n'));
        QCOMPARE(r.go(), RunOutcome::Completed);
        QVERIFY(QFileInfo::exists(r.view.name + ".html"));
        const QStringList before = dirEntries(".");
        r.view.name += 'n';
        QCOMPARE(r.go(), RunOutcome::Failed);
        QCOMPARE(r.messages.shown.last(), box(MessageType::Error, MessageButtons::Ok, "Invalid filename"));
        QCOMPARE(dirEntries("."), before);
    }

    // A blank at either end of a name survives the browser's trimming of URLs.
    void edgeBlanksInLinks()
    {
        GeneratorRun r;
        r.mode(false, false);
        r.add(" lead.txt"), r.add("trail.txt "), r.add("  "), r.add("in side");
        QCOMPARE(r.go(), RunOutcome::Completed);
        QCOMPARE(attributeValues(r.page(), "HREF"),
                 QList<QByteArray>({"%20lead.txt", "trail.txt%20", "%20%20", "in side"}));
    }

    void longValues()
    {
        GeneratorRun r;
        r.mode(false, true);
        r.view.title = QString(10000, QLatin1Char('t'));
        QString everyByte;
        for (int c = 0; c < 256; ++c)
            everyByte += QChar(c);
        r.view.heading = everyByte;
        r.view.withHeading = true;
        r.add("a.txt");
        QCOMPARE(r.go(), RunOutcome::Completed);
        const QByteArray page = r.page();
        QVERIFY(page.contains("<TITLE>\r\n" + QByteArray(10000, 't') + "\r\n</TITLE>"));
        QVERIFY(page.contains("<H1>" + everyByte.toUtf8() + "</H1>\r\n<FONT FACE"));
        QVERIFY(page.endsWith("1 Files\r\n</FONT>\r\n</BODY>\r\n</HTML>\r\n"));
    }

    // 1 MB, 50,000 lines of everything a hand can put in the file: each string
    // is read cut to 1023 characters, never through half a character, and a
    // save keeps every line.
    void hugeSettingsFile()
    {
        const QString path = scratchDir().filePath("quorva21.ini");
        QByteArray file;
        for (int i = 0; i < 12500; ++i)
            file += "[S" + QByteArray::number(i) + "]\nkey=" + QByteArray(40, 'v') + "\nno equals sign\n=\n";
        file += "[Default]\nTitledefault=" + QByteArray(200000, 'T') + "\nHeadingdefault=" + QByteArray(1022, 'h')
                + "\xF0\x9F\x98\x80tail\n[Colors]\nBackground=" + QByteArray(100000, '9') + "\n";
        QVERIFY(file.size() > 1000000 && file.count('\n') > 50000);
        writeFile(path, file);
        GenerationOptions o;
        IniFile ini(path);
        loadDefaults(o, ini);
        QCOMPARE(o.DefaultTitle, QString(1023, QLatin1Char('T')));
        QCOMPARE(o.DefaultHeading, QString(1022, QLatin1Char('h')));  // not half of the emoji
        QCOMPARE(o.DefaultBgColor, 12632256);                         // out of range: the fallback
        o.DefaultTitle = QString(10000, QLatin1Char('n'));
        saveDefaults(o, ini, 1, 2);
        QCOMPARE(IniFile(path).readString("Default", "Titledefault", {}), QString(1023, QLatin1Char('n')));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().count("no equals sign\r\n"), 12500);
    }

    // Creating, each write and the close failing in turn leave the old
    // document as it was, no partial file, and one message.
    void outputFailsAtEveryStep()
    {
        GeneratorRun r;
        r.mode(false, true);
        r.table(2);
        r.view.size = r.view.date = r.view.pictureSize = r.view.center = r.view.withHeading = true;
        r.add("a.gif", gifBytes(10, 10)), r.add("b.jpg", jpegBytes(20, 20)), r.add("c d.txt");
        int writes = 0;
        int failAt = 0;
        r.gen.setOutputFileFactory([&](const QString &path) {
            auto f = std::make_unique<StepFailingOutput>();
            f->real = makeSaveOutputFile(path), f->failAt = failAt, f->writes = &writes;
            return f;
        });
        QCOMPARE(r.go(), RunOutcome::Completed);
        const int total = writes;
        QVERIFY(total > 20);
        for (failAt = 1; failAt <= total + 2; ++failAt) {
            GeneratorRun::writeFile("quorvant.html", "old document");
            const QStringList before = dirEntries(".");
            writes = 0;
            r.messages.shown.clear();
            r.messages.answers = {MessageResult::Yes};
            QCOMPARE(r.go(), RunOutcome::Failed);
            QCOMPARE(r.page(), QByteArray("old document"));
            QCOMPARE(dirEntries("."), before);
            QCOMPARE(r.messages.shown.size(), 2);  // the question, then the failure
            QCOMPARE(r.messages.shown.last(), box(MessageType::Error, MessageButtons::Ok, ioErrorText(ENOSPC)));
        }
    }

    // The same with the real disk refusing: a file size limit makes the
    // system's own writes fail.
    void realWriteFailures()
    {
#ifdef Q_OS_UNIX
        GeneratorRun r;
        r.mode(false, false);
        r.view.withHeading = true;
        r.view.heading = QString(300000, QLatin1Char('h'));
        r.add("a.txt");
        GeneratorRun::writeFile("quorvant.html", "old document");
        r.messages.answers = {MessageResult::Yes};
        const QString settings = QDir::current().filePath("quorva21.ini");
        const QByteArray settingsBytes = "[Sound]\r\nPlaysound=1\r\n" + QByteArray(200000, ';');
        GeneratorRun::writeFile(settings, settingsBytes);
        const QStringList before = dirEntries(".");
        {
            FileSizeLimit limit(100000);
            QCOMPARE(r.go(), RunOutcome::Failed);
            GenerationOptions o;
            IniFile ini(settings);
            QVERIFY_THROWS_EXCEPTION(IniWriteError, saveDefaults(o, ini, 1, 2));
        }
        QCOMPARE(r.messages.shown.last(), box(MessageType::Error, MessageButtons::Ok, ioErrorText(EFBIG)));
        QCOMPARE(r.page(), QByteArray("old document"));
        QCOMPARE(dirEntries("."), before);
        QVERIFY(IniFile(settings).readBool("Sound", "Playsound", false));
        QCOMPARE(GeneratorRun::page(settings), settingsBytes);
#else
        QSKIP("needs a POSIX file size limit");
#endif
    }

    // Each of the sixteen writes failing in turn: the error names the file,
    // the file stays readable with every key either old or new, and the
    // next Exit writes them all.
    void settingsFailAtEachKey()
    {
        const QString path = scratchDir().filePath("each.ini");
        const QByteArray old = "[Position]\r\nx=1\r\ny=2\r\n[Default]\r\nTitledefault=old title\r\nHeadingdefault=old heading\r\n"
                               "Filenamedefault=old\r\nUsestandard=1\r\nBrowserdefault=Standard Browser\r\n[Table]\r\n"
                               "Columnsdefault=0\r\nBorderwidthdefault=0\r\nAligndefault=CENTER\r\nVAligndefault=MIDDLE\r\n"
                               "[Colors]\r\nBackground=5\r\nLinks=6\r\nVisitedLinks=7\r\nText=8\r\n[Sound]\r\nPlaysound=0\r\n";
        const QList<QPair<QString, QString>> keys = {
            {"Position", "x"}, {"Position", "y"}, {"Default", "Titledefault"}, {"Default", "Headingdefault"},
            {"Default", "Filenamedefault"}, {"Default", "Usestandard"}, {"Default", "Browserdefault"},
            {"Table", "Columnsdefault"}, {"Table", "Borderwidthdefault"}, {"Table", "Aligndefault"},
            {"Table", "VAligndefault"}, {"Colors", "Background"}, {"Colors", "Links"}, {"Colors", "VisitedLinks"},
            {"Colors", "Text"}, {"Sound", "Playsound"}};
        const QStringList oldValues = {"1", "2", "old title", "old heading", "old", "1", "Standard Browser", "0", "0",
                                       "CENTER", "MIDDLE", "5", "6", "7", "8", "0"};
        const QStringList newValues = {"11", "22", "new title", "new heading", "new", "0", "/new/browser", "3", "2",
                                       "LEFT", "TOP", "1", "2", "3", "4", "1"};
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
                    writeFile(path, old);
                FailingIni ini(path, failAt);
                try {
                    saveDefaults(o, ini, 11, 22);
                    QFAIL("the failed write was not reported");
                } catch (const IniWriteError &error) {
                    QCOMPARE(error.text, message);
                }
                const IniFile reread(path);
                for (int k = 0; k < 16; ++k) {
                    const QString want = k < failAt - 1 ? newValues[k] : existing ? oldValues[k] : QStringLiteral("<none>");
                    QCOMPARE(reread.readString(keys[k].first, keys[k].second, "<none>"), want);
                }
                IniFile again(path);
                saveDefaults(o, again, 11, 22);
                for (int k = 0; k < 16; ++k)
                    QCOMPARE(reread.readString(keys[k].first, keys[k].second, "<none>"), newValues[k]);
            }
        }
    }

private:
    QDir scratchDir() const { return QDir(scratch.path()); }
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
