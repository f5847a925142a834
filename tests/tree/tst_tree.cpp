// SPDX-License-Identifier: GPL-3.0-or-later
// Whole trees over a real tree: four levels deep with names that need
// escapes at every level, two directories whose names differ only in letter
// case, a left-out directory and file, hidden entries, links back up (loops)
// and, as an ordinary user, a directory that cannot be read. Every file is
// listed exactly once and every link opens it, totals add up, anchors are
// unique; a cancelled run leaves the old document.

#include "generator/FileListing.h"
#include "tests/common/AsOrdinaryUser.h"
#include "tests/common/Fetched.h"
#include "tests/common/GeneratorRun.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <numeric>

#include <unistd.h>

using Setup = std::function<void(DocumentRequest &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kPage = QStringLiteral(".page.html");  // hidden: never listed by a later run

struct TreeFixture {
    QString root;
    QMap<QString, qint64> files;  // below root: what the page lists, each once, and its size
    // In page order, a link's with its note.
    QStringList sections = {"",     "a&b",  "a&b/<c>", "a&b/<c>/d e \"f\"", "a&b/<c>/d e \"f\"/?q;#%",
                            "a&b/up (symbolic link, not followed)", "Case", "case", "loop (symbolic link, not followed)"};

    bool file(const QString &path, qint64 size)
    {
        files.insert(path, size);
        return testfiles::write(root + '/' + path, QByteArray(size, 'x'));
    }
    // Makes the tree in r's directory and sets r up for a whole-tree run over
    // it, as the front ends do.
    bool make(GeneratorRun &r)
    {
        root = r.dir + "/tree";
        const QDir d(root);
        const bool made = d.mkpath("a&b/<c>/d e \"f\"/?q;#%") && d.mkpath("Case") && d.mkpath("case") && d.mkpath("node_modules")
                       && d.mkpath(".git") && file("top.txt", 5) && file("top2.txt", 1) && file("a&b/x#1.txt", 10)
                       && file("a&b/<c>/100%.txt", 20) && file("a&b/<c>/d e \"f\"/ lead.txt", 40)
                       && file("a&b/<c>/d e \"f\"/?q;#%/deep&.txt", 80) && file("Case/f.txt", 160) && file("case/f.txt", 320)
                       && testfiles::write(root + "/a&b/skip.tmp", "left out") && testfiles::write(root + "/node_modules/j.js", "out")
                       && testfiles::write(root + "/.git/config", "hidden") && testfiles::write(root + "/.hidden.txt", "hidden")
                       && ::symlink(".", QFile::encodeName(root + "/loop").constData()) == 0
                       && ::symlink("..", QFile::encodeName(root + "/a&b/up").constData()) == 0;
        DocumentRequest &q = r.request;
        q.directory = root;
        q.startDirectory = r.dir;
        q.wholeTree = true;
        q.leaveOut = {"node_modules", "*.tmp"};
        q.selectedNames = listMatchingFiles(root, q.filter);
        q.texts.fileName = kPage;
        return made;
    }
    qint64 bytes() const { return std::accumulate(files.begin(), files.end(), qint64(0)); }
};

QList<QByteArray> captures(const QByteArray &page, const char *pattern)
{
    QList<QByteArray> found;
    QRegularExpressionMatchIterator it = QRegularExpression(QString::fromLatin1(pattern)).globalMatch(QString::fromLatin1(page));
    while (it.hasNext())
        found << it.next().captured(1).toLatin1();
    return found;
}

QByteArray escaped(const QString &text)
{
    return text.toUtf8().replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
}

} // namespace

class TestTree : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<Setup>("setup");
        using Q = DocumentRequest &;
        QTest::newRow("links, sizes") << Setup([](Q q) { q.settings.entryMode = EntryMode::Link, q.fileSize = true; });
        QTest::newRow("links in a table, absolute, searchable") << Setup([](Q q) {
            q.settings.entryMode = EntryMode::Link, q.settings.table.columns = 2, q.settings.linkStyle = LinkStyle::Absolute;
            q.searchable = q.fileSize = q.fileDate = true;
        });
        QTest::newRow("linked pictures with their sizes") << Setup([](Q q) {
            q.pictureAsLink = q.pictureSize = q.shrinkToFit = q.fileSize = true;
        });
        QTest::newRow("plain text, subdirectory lines, searchable") << Setup([](Q q) {
            q.settings.entryMode = EntryMode::PlainText, q.showSubdirectories = q.searchable = q.fileSize = q.fileDate = true;
        });
        QTest::newRow("plain text, sizes") << Setup([](Q q) { q.settings.entryMode = EntryMode::PlainText, q.fileSize = true; });
    }
    void pages()
    {
        GeneratorRun r;
        TreeFixture tree;
        QVERIFY(tree.make(r));
        fetched<Setup>("setup")(r.request);
        const DocumentRequest &q = r.request;
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        QCOMPARE(r.feedback.events, QStringList());
        const bool absolute = q.settings.linkStyle == LinkStyle::Absolute;
        const QString pageDir = absolute ? r.dir : tree.root;
        const QByteArray page = testfiles::read(pageDir + '/' + kPage);

        // Anchors unique, each linked once from the contents, headings in page order.
        QList<QByteArray> anchors;
        for (int i = 0; i < tree.sections.size(); ++i)
            anchors << "d" + QByteArray::number(i);
        QCOMPARE(captures(page, "ID=\"([^\"]*)\""), anchors);
        QCOMPARE(captures(page, "HREF=\"#([^\"]*)\""), anchors);
        QList<QByteArray> headings;
        for (const QString &section : tree.sections.mid(1))
            headings << escaped(section);
        QCOMPARE(captures(page, "<H2>(.*)</H2>"), headings);
        if (q.searchable) {
            QList<QByteArray> paths;
            for (const QString &section : tree.sections)
                paths << escaped(section.section(" (", 0, 0));
            QCOMPARE(captures(page, "data-dir=\"([^\"]*)\""), paths);
            QCOMPARE(captures(page, "data-toc=\"([^\"]*)\""), paths);
        }

        // Every file once, in its own section, and every link and picture opens it.
        for (auto it = tree.files.begin(); it != tree.files.end(); ++it) {
            const QString dir = it.key().section('/', 0, -2);
            const QByteArray section = page.mid(page.indexOf("ID=\"d" + QByteArray::number(tree.sections.indexOf(dir))));
            QVERIFY2(section.left(section.indexOf("</DIV>")).contains(escaped(it.key().section('/', -1))), qPrintable(it.key()));
        }
        const bool pictures = q.settings.entryMode == EntryMode::Picture;
        for (const char *attribute : {"HREF", "SRC"}) {
            if (q.settings.entryMode == EntryMode::PlainText || (!pictures && QByteArrayView(attribute) == "SRC"))
                continue;
            QStringList named;
            const QByteArray root = QFile::encodeName(tree.root) + '/';
            for (const QByteArray &value : attributeValues(page, attribute)) {
                const QByteArray file = resolvedLink(value, QFile::encodeName(pageDir));
                if (!value.startsWith('#'))
                    named << (file.startsWith(root) ? QFile::decodeName(file.mid(root.size())) : QString());
            }
            named.sort();
            QCOMPARE(named, tree.files.keys());
        }

        // Totals of everything below: the listed directory's contents line and the totals line.
        const QByteArray total = QByteArray::number(tree.files.size()) + " Files, " + QByteArray::number(tree.bytes()) + " Bytes";
        QVERIFY2(page.contains(">.</A>, " + total), page.constData());
        QVERIFY(page.contains(">Case</A>, 1 Files, 160 Bytes") && page.contains(">a&amp;b</A>, 4 Files, 150 Bytes"));
        if (q.settings.entryMode == EntryMode::PlainText && !q.settings.table.isTable())
            QVERIFY(page.endsWith("<BR>\r\n8 Directories, " + total + "\r\n</FONT>\r\n</BODY>\r\n</HTML>\r\n"));
        // Each section's subdirectory lines: links and directories beyond the depth included.
        QCOMPARE(page.count("Directory&nbsp;&nbsp;&nbsp;"), q.showSubdirectories ? 8 : 0);
    }

    // The page's own markup, both kinds from one writer.
    void markup_data()
    {
        QTest::addColumn<bool>("searchable");
        QTest::addColumn<QByteArray>("body");
        const QByteArray pad = QByteArray("&nbsp;").repeated(4);
        QTest::newRow("plain") << false
            << "<A HREF=\"#d0\">.</A>, 2 Files, 3 Bytes<BR>\r\n" + pad + "<A HREF=\"#d1\">s</A>, 1 Files, 2 Bytes<BR>\r\n<BR>\r\n"
               "<DIV ID=\"d0\">\r\n<A HREF=\"a.txt\">a.txt</A>, 1 Bytes<BR><BR>\r\n</DIV>\r\n"
               "<DIV ID=\"d1\">\r\n<H2>s</H2>\r\n<A HREF=\"s/b.txt\">b.txt</A>, 2 Bytes<BR><BR>\r\n</DIV>\r\n</BODY>\r\n";
        QTest::newRow("searchable") << true
            << "<DIV data-toc=\"\"><A HREF=\"#d0\">.</A>, 2 Files, 3 Bytes</DIV>\r\n<DIV data-toc=\"s\">" + pad
                   + "<A HREF=\"#d1\">s</A>, 1 Files, 2 Bytes</DIV>\r\n<BR>\r\n"
                     "<DIV ID=\"d0\" data-dir=\"\">\r\n<UL class=qv>\r\n<LI data-s=1><A HREF=\"a.txt\">a.txt</A>, 1 Bytes<BR><BR>\r\n"
                     "</UL>\r\n</DIV>\r\n<DIV ID=\"d1\" data-dir=\"s\">\r\n<H2>s</H2>\r\n<UL class=qv>\r\n<LI data-s=2>"
                     "<A HREF=\"s/b.txt\">b.txt</A>, 2 Bytes<BR><BR>\r\n</UL>\r\n</DIV>\r\n</BODY>\r\n";
    }
    void markup()
    {
        GeneratorRun r;
        r.mode(EntryMode::Link);
        r.request.wholeTree = r.request.fileSize = true;
        r.request.searchable = fetched<bool>("searchable");
        r.add("a.txt", "1");
        QVERIFY(QDir(r.dir).mkdir("s") && testfiles::write(r.path("s/b.txt"), "22"));
        QCOMPARE(r.go().outcome, RunOutcome::Completed);
        const QByteArray page = r.page();
        QVERIFY2(page.endsWith(fetched<QByteArray>("body") + "</HTML>\r\n"), page.constData());
    }

    // Levels of subdirectories: 0 the listed directory alone.
    void depthLimit()
    {
        GeneratorRun r;
        TreeFixture tree;
        QVERIFY(tree.make(r));
        for (const auto &[depth, sections] : {std::pair{0, 1}, {1, 5}, {2, 7}}) {
            r.request.maxDepth = depth;
            r.request.texts.fileName = QStringLiteral(".depth%1.html").arg(depth);
            QCOMPARE(r.go().outcome, RunOutcome::Completed);
            QCOMPARE(r.page("tree/" + r.request.texts.fileName).count("<DIV ID="), sections);
        }
    }

    // A directory this user cannot read is named as such, reported once at
    // the end, and the run goes on; a file is reported by its path.
    void unreadableDirectory()
    {
        const CheckResult result = asOrdinaryUser([] {
            GeneratorRun r;
            TreeFixture tree;
            if (!QDir(r.dir).mkpath("tree/secret") || !testfiles::write(r.dir + "/tree/secret/s.txt", "s") || !tree.make(r)
                || !QFile::setPermissions(r.dir + "/tree/secret", {}) || !QFile::setPermissions(r.dir + "/tree/Case/f.txt", {}))
                return false;
            r.mode(EntryMode::Link);
            r.request.fileSize = true;
            const RunResult run = r.go();
            const QByteArray page = r.page("tree/" + kPage);
            QFile::setPermissions(r.dir + "/tree/secret", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            return run.outcome == RunOutcome::Completed && page.contains("<H2>secret (not readable)</H2>")
                   && page.contains(">secret</A>, not readable<BR>") && !page.contains("s.txt")
                   && r.feedback.events == QStringList{QStringLiteral("unreadable Case/f.txt %1").arg(EACCES),
                                                       QStringLiteral("unreadable directories secret %1").arg(EACCES)};
        });
        if (result == CheckResult::NotPossible)
            QSKIP("cannot run as a user other than root here");
        QCOMPARE(result, CheckResult::Passed);
    }

    // Asked to stop, the run leaves the old document and nothing of its own.
    void cancelled()
    {
        GeneratorRun r;
        TreeFixture tree;
        QVERIFY(tree.make(r));
        QVERIFY(testfiles::write(tree.root + '/' + kPage, "old document"));
        const QStringList before = dirEntries(tree.root);
        r.feedback.answers = {true};
        r.feedback.cancelAfter = 1;  // between the listed directory's two entries
        QCOMPARE(r.go().outcome, RunOutcome::Cancelled);
        QCOMPARE(r.feedback.entries, 1);
        QCOMPARE(testfiles::read(tree.root + '/' + kPage), QByteArray("old document"));
        QCOMPARE(dirEntries(tree.root), before);
    }
};

QTEST_GUILESS_MAIN(TestTree)
#include "tst_tree.moc"
