// SPDX-License-Identifier: GPL-3.0-or-later
// The generator over random option sets on a small directory made anew for
// each input: files with hostile names and picture-like contents, some
// listed but missing, subdirectories, an existing document, scripted
// answers and an output failure at a chosen step; or a whole tree of it,
// with files in the subdirectories and below them, links back up, a depth
// limit, leave-out patterns and a run asked to stop. It checks what a user
// relies on: the run ends, an existing document survives a failed, declined
// or cancelled run, no stray file is left, and every link on the page names
// its file, each file once, in page order.
#include "generator/FileListing.h"
#include "generator/NameMask.h"
#include "generator/SortedNames.h"
#include "tests/common/FailingFiles.h"
#include "tests/common/GeneratorRun.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <sys/stat.h>

namespace {

const QList<QByteArray> kNames = {
    "a.gif", "B.JPG", "c d.jpeg", "x&y<z>.gif", "q\"'#%?;.jpg", "-lead.txt", "README", "caf\xC3\xA9.gif",
    "javascript:x.jpg", " lead.gif", "trail.txt ", "HREF=\"evil.gif", "cr\rlf\n.jpg", "tab\there.GIF",
    "latin\xE9.jpg", "\xFF\xFE[x]{y}`.gif", "c1\xC2\x85.txt"};
const QStringList kSubdirs = {"Alpha", "beta", "Gamma dir", ".hidden", "x<y>"};
const QStringList kDocumentNames = {"", "index", "page.htm", "missing/inner", "taken", QString(250, QLatin1Char('n'))};
const QStringList kAligns = {"LEFT", "CENTER", "RIGHT", "TOP", "MIDDLE", "BOTTOM"};
const QStringList kFilters = {"*.*", "*.gif;*.JPG", "*.txt"};
const QStringList kLeaveOut = {"*.gif", "beta", "x<y>", "inner", "README"};

QByteArray fileContent(FuzzInput &in)
{
    const int kind = in.below(4);
    const QByteArray tail = in.chunk();
    switch (kind) {
    case 1: return (in.flag() ? "GIF87a" : "GIF89a") + tail;
    case 2: return testfiles::jfifHeader() + tail;
    case 3: return testfiles::jfifHeader() + testfiles::jpegTables() + tail + testfiles::jpegScan();
    default: return tail;
    }
}

QString text(FuzzInput &in) { return QString::fromUtf8(in.chunk()); }

// The files a whole tree lists below path (below root), in page order:
// read with the system's own calls, so every name keeps its bytes.
void treeFiles(const QByteArray &root, const QByteArray &path, int depth, const DocumentRequest &q,
               QList<QByteArray> &out)
{
    const NameMask filter(maskPatterns(q.filter)), leaveOut(q.leaveOut);
    SortedNames files, dirs;
    QSet<QByteArray> links;
    const QByteArray here = path.isEmpty() ? root : root + '/' + path;
    if (DIR *d = ::opendir(here.constData())) {
        while (const dirent *e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            struct stat st;
            if (name == "." || name == ".." || leaveOut.matchesAny(name) || ::stat((here + '/' + name).constData(), &st) != 0)
                continue;
            if (S_ISDIR(st.st_mode)) {
                if (name.startsWith('.'))
                    continue;
                struct stat lst;
                if (::lstat((here + '/' + name).constData(), &lst) == 0 && S_ISLNK(lst.st_mode))
                    links.insert(name);  // a link is named, not entered
                dirs.add(name);
            } else if (S_ISREG(st.st_mode) && filter.matches(name)) {
                files.add(name);
            }
        }
        ::closedir(d);
    }
    const QByteArray prefix = path.isEmpty() ? QByteArray() : path + '/';
    if (!path.isEmpty()) {
        for (const FileName &f : files.take())
            out << prefix + f.bytes();
    }
    for (const FileName &sub : dirs.take()) {
        if (!links.contains(sub.bytes()) && (q.maxDepth < 0 || depth < q.maxDepth))
            treeFiles(root, prefix + sub.bytes(), depth + 1, q, out);
    }
}

} // namespace

int fuzzGenerator(const uint8_t *data, size_t size)
{
    GeneratorRun r;
    const QString dir = r.dir;
    DocumentRequest &q = r.request;
    DocumentSettings &s = q.settings;
    FuzzInput in(data, size);

    const int screenHigh = in.below(16);
    q.screenWidth = 256 * screenHigh + in.byte();
    const int mode = in.below(3);
    s.entryMode = mode == 0 ? EntryMode::Picture : mode == 1 ? EntryMode::PlainText : EntryMode::Link;
    TypedDocumentTexts typed;
    typed.htmlExtension = in.flag();
    typed.heading = in.flag(), q.center = in.flag(), q.fileSize = in.flag(), q.fileDate = in.flag();
    q.pictureSize = in.flag(), q.shrinkToFit = in.flag(), q.pictureAsLink = in.flag(), q.showSubdirectories = in.flag();
    const bool absolute = in.flag();
    s.linkStyle = absolute ? LinkStyle::Absolute : LinkStyle::Relative;
    s.showPath = absolute && in.flag();
    s.colors = {in.int32(), in.int32(), in.int32(), in.int32()};
    s.table.columns = in.below(8) - 1;
    s.table.borderWidth = in.below(8) - 1;
    s.table.align = kAligns.at(in.below(3)), s.table.verticalAlign = kAligns.at(3 + in.below(3));
    s.table = s.table.inRange();
    // A head of arbitrary text: titles, headings and table values are written
    // as typed, so with one the page's links cannot be checked.
    const bool hostileHead = in.flag();
    DefaultDocumentTexts defaults{kDefaultTitleText, kDefaultTitleText, kDefaultFileName};
    if (hostileHead) {
        typed.title = text(in), typed.headingText = text(in);
        defaults.title = text(in), defaults.heading = text(in);
        s.table.align = text(in), s.table.verticalAlign = text(in);
    }
    typed.name = kDocumentNames.at(in.below(int(kDocumentNames.size())));
    q.texts = resolveDocumentTexts(typed, defaults);

    for (const QByteArray &name : kNames) {
        const int how = in.below(4);  // 0: not listed, 1: missing, 2 and 3: a file
        if (how == 0)
            continue;
        if (how > 1)
            testfiles::writeNamed(dir, name, fileContent(in));
        if (in.flag())
            q.selectedNames << FileName(name);
    }
    for (const QString &sub : kSubdirs) {
        if (in.flag())
            QDir(dir).mkdir(sub);
    }
    QDir(dir).mkdir(QStringLiteral("taken.html")), QDir(dir).mkdir(QStringLiteral("taken.htm"));

    const QString &document = q.texts.fileName;
    const bool existed = in.flag() && !QFileInfo(r.path(document)).isDir() && !document.contains(QLatin1Char('/'));
    if (existed)
        testfiles::write(r.path(document), "old document");
    r.feedback.answers = {in.flag()};
    const int failAt = in.flag() ? in.byte() : 0;
    if (failAt)
        r.outputFactory = [failAt](const QString &path) { return std::make_unique<FailingOutputFile>(path, failAt); };

    q.wholeTree = in.flag();
    if (q.wholeTree) {
        q.maxDepth = in.below(4) - 1;
        q.filter = kFilters.at(in.below(int(kFilters.size())));
        for (const QString &pattern : kLeaveOut) {
            if (in.flag())
                q.leaveOut << pattern;
        }
        for (const QString &sub : kSubdirs) {
            if (!QFileInfo(r.path(sub)).isDir())
                continue;
            for (const QByteArray &name : kNames) {
                if (in.below(4) == 0)
                    testfiles::writeNamed(r.path(sub), name, fileContent(in));
            }
            if (in.flag() && QDir(dir).mkdir(sub + "/inner")) {
                const QByteArray &name = kNames.at(in.below(int(kNames.size())));  // before the content, on any compiler
                testfiles::writeNamed(r.path(sub + "/inner"), name, in.chunk());
            }
            if (in.flag())
                QFile::link(QStringLiteral(".."), r.path(sub + "/up"));
        }
    }
    r.feedback.cancelAfter = in.flag() ? in.below(8) : -1;

    const QStringList before = dirEntries(dir);
    const RunResult result = r.go();
    const QStringList after = dirEntries(dir);
    const QByteArray page = r.page(document);

    FUZZ_CHECK((result.outcome == RunOutcome::NoSelection) == (q.selectedNames.isEmpty() && !q.wholeTree));
    if (result.outcome != RunOutcome::Completed) {
        // Nothing made, nothing lost.
        FUZZ_CHECK(after == before);
        if (existed)
            FUZZ_CHECK(page == "old document");
    } else {
        QStringList expected = before;
        if (!existed)
            expected << document, expected.sort();
        FUZZ_CHECK(after == expected);
        FUZZ_CHECK(page.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>\r\n") && page.endsWith("</BODY>\r\n</HTML>\r\n"));
        FUZZ_CHECK(std::all_of(page.begin(), page.end(), [](char c) { return quint8(c) < 0x80; }));
    }

    if (result.outcome == RunOutcome::Completed && !hostileHead) {
        // Every link and picture source, as a browser resolves it, opens its
        // file (in a whole tree by its path), in page order.
        const QByteArray dirBytes = QFile::encodeName(dir);
        QList<QByteArray> names;
        const NameMask leaveOut(q.leaveOut);
        for (const FileName &name : std::as_const(q.selectedNames)) {
            if (!q.wholeTree || !leaveOut.matchesAny(name.bytes()))
                names << name.bytes();
        }
        if (q.wholeTree)
            treeFiles(dirBytes, QByteArray(), 0, q, names);
        QList<QByteArray> hrefs = attributeValues(page, "HREF");
        hrefs.removeIf([](const QByteArray &href) { return href.startsWith('#'); });  // the contents list's
        const QList<QByteArray> srcs = attributeValues(page, "SRC");
        const bool linked = mode == 2 || (mode == 0 && q.pictureAsLink);
        FUZZ_CHECK(hrefs.size() == (linked ? names.size() : 0));
        FUZZ_CHECK(srcs.size() == (mode == 0 ? names.size() : 0));
        for (const QList<QByteArray> &values : {hrefs, srcs}) {
            for (qsizetype i = 0; i < values.size(); ++i) {
                FUZZ_CHECK(resolvedLink(values[i], dirBytes) == dirBytes + '/' + names[i]);
                FUZZ_CHECK(values[i].startsWith("file://") == absolute);
            }
        }
    }
    return 0;
}
