// The generator over random option sets on a small directory made anew for
// each input: files with hostile names and picture-like contents, some
// listed but missing, subdirectories, an existing document, scripted
// answers and an output failure at a chosen step. It checks what a user
// relies on: the run ends, an existing document survives a failed or
// declined run, no stray file is left, each unopenable file is reported
// once, and every link on the page names its file.
#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "GeneratorFixture.h"
#include "TableCheck.h"

#include <QDir>
#include <QTemporaryDir>

#include <cerrno>

namespace {

const QStringList kNames = {
    "a.gif", "B.JPG", "c d.jpeg", "x&y<z>.gif", "q\"'#%?;.jpg", "-lead.txt", "README", "caf\u00e9.gif",
    "javascript:x.jpg", " lead.gif", "trail.txt ", "HREF=\"evil.gif", "cr\rlf\n.jpg", "tab\there.GIF"};
const QStringList kSubdirs = {"Alpha", "beta", "Gamma dir", ".hidden", "x<y>"};
const QStringList kDocumentNames = {"", "index", "page.htm", "missing/inner", "taken", QString(250, QLatin1Char('n'))};
const QStringList kAligns = {"LEFT", "CENTER", "RIGHT", "TOP", "MIDDLE", "BOTTOM"};

// Fails the chosen step of the real document file.
struct FailingOutput final : OutputFile {
    std::unique_ptr<OutputFile> real;
    int failAt = 0;  // 0: never; 1: create; 2: commit; n > 2: write n - 2
    int writes = 0;
    bool open() override { return failAt != 1 && real->open(); }
    bool write(QByteArrayView b) override { return !(failAt > 2 && ++writes == failAt - 2) && real->write(b); }
    bool commit() override { return failAt != 2 && real->commit(); }
    int error() const override { return failAt ? EIO : real->error(); }
};

QByteArray fileContent(FuzzInput &in)
{
    const int kind = in.below(4);
    const QByteArray tail = in.chunk();
    switch (kind) {
    case 1: return (in.flag() ? "GIF87a" : "GIF89a") + tail;
    case 2: return jfifHeader() + tail;
    case 3: return jfifHeader() + kFiller + tail + kScan;
    default: return tail;
    }
}

QString text(FuzzInput &in) { return QString::fromUtf8(in.chunk()); }

QByteArray percentDecoded(const QByteArray &value) { return QByteArray::fromPercentEncoding(value); }

// The quoted values of every attr="..." in the page, in order.
QList<QByteArray> attributeValues(const QByteArray &page, const QByteArray &attr)
{
    QList<QByteArray> values;
    const QByteArray open = attr + "=\"";
    for (qsizetype at = page.indexOf(open); at >= 0; at = page.indexOf(open, at + 1)) {
        const qsizetype start = at + open.size();
        const qsizetype end = page.indexOf('"', start);
        FUZZ_CHECK(end >= 0);
        values << page.mid(start, end - start);
    }
    return values;
}

QStringList entries(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace

int fuzzGenerator(const uint8_t *data, size_t size)
{
    static QTemporaryDir root;  // one workspace for the whole session, emptied per input
    FUZZ_CHECK(root.isValid());
    const QString dir = root.path();
    for (const QString &name : entries(dir)) {
        QFileInfo info(dir + QLatin1Char('/') + name);
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir);

    FuzzInput in(data, size);
    GenerationOptions o;
    FakeView view;
    FakeFeedback feedback;
    ScriptedMessages messages;
    const int screenHigh = in.below(16);
    FixedScreen screen(256 * screenHigh + in.byte(), 768);
    DocumentGenerator gen(o, view, feedback, messages, screen);

    view.dir = dir;
    o.StartDirectory = dir;
    const int mode = in.below(3);
    o.EmbedPictures = mode == 0;
    o.PlainTextMode = mode == 1;
    o.UseHtmlExtension = in.flag();
    view.withHeading = in.flag(), view.center = in.flag(), view.size = in.flag(), view.date = in.flag();
    view.pictureSize = in.flag(), view.shrink = in.flag(), view.pictureLink = in.flag(), view.subdirs = in.flag();
    view.absolute = in.flag();
    o.ShowPath = view.absolute && in.flag();
    o.BgColor = in.int32(), o.LinkColor = in.int32(), o.VLinkColor = in.int32(), o.TextColor = in.int32();
    o.TableColumns = in.below(8) - 1;
    o.TableBorderWidth = in.below(8) - 1;
    o.TableAlign = kAligns.at(in.below(3)), o.TableVAlign = kAligns.at(3 + in.below(3));
    checkTableValues(o);
    // A head of arbitrary text: titles, headings and table values are written
    // as typed, so with one the page's links cannot be checked.
    const bool hostileHead = in.flag();
    if (hostileHead) {
        view.title = text(in), view.heading = text(in);
        o.DefaultTitle = text(in), o.DefaultHeading = text(in);
        o.TableAlign = text(in), o.TableVAlign = text(in), o.TableBorderText = text(in);
        if (in.flag())  // out of range values that only a skipped activation check leaves
            o.TableColumns = in.int32(), o.TableLayout = in.flag();
    }
    view.name = kDocumentNames.at(in.below(int(kDocumentNames.size())));

    QSet<QString> missing;
    for (const QString &name : kNames) {
        const int how = in.below(4);  // 0: not listed, 1: missing, 2 and 3: a file
        if (how == 0)
            continue;
        if (how == 1)
            missing.insert(name);
        else
            GeneratorRun::writeFile(name, fileContent(in));
        if (in.flag())
            view.chosen.insert(int(view.items.size()));
        view.items << name;
    }
    for (const QString &sub : kSubdirs) {
        if (in.flag())
            QDir().mkdir(sub);
    }
    QDir().mkdir(QStringLiteral("taken.html")), QDir().mkdir(QStringLiteral("taken.htm"));
    o.FileCount = int(view.items.size());

    const QString document = view.name.isEmpty() ? QStringLiteral("quorvant.htm")
                                                 : view.name + (o.UseHtmlExtension ? ".html" : ".htm");
    const bool existed = in.flag() && !QFileInfo(document).isDir() && !document.contains(QLatin1Char('/'));
    if (existed)
        GeneratorRun::writeFile(document, "old document");
    messages.answers = {in.flag() ? MessageResult::Yes : MessageResult::No};
    const int failAt = in.flag() ? in.byte() : 0;
    if (failAt)
        gen.setOutputFileFactory([failAt](const QString &path) {
            auto f = std::make_unique<FailingOutput>();
            f->real = makeSaveOutputFile(path), f->failAt = failAt;
            return f;
        });

    const QStringList before = entries(dir);
    const RunOutcome outcome = gen.makefilebuttonClick();
    const QStringList after = entries(dir);
    const QByteArray page = GeneratorRun::page(document);

    FUZZ_CHECK((outcome == RunOutcome::NoSelection) == view.chosen.isEmpty());
    if (outcome != RunOutcome::Completed) {
        // Nothing made, nothing lost.
        FUZZ_CHECK(after == before);
        if (existed)
            FUZZ_CHECK(page == "old document");
        FUZZ_CHECK(feedback.status.isEmpty() && feedback.button.isEmpty() && feedback.sounds == 0);
    } else {
        QStringList expected = before;
        if (!existed)
            expected << document, expected.sort();
        FUZZ_CHECK(after == expected);
        FUZZ_CHECK(page.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>\r\n") && page.endsWith("</BODY>\r\n</HTML>\r\n"));
        FUZZ_CHECK(feedback.status == QLatin1String("Document created"));
        FUZZ_CHECK(feedback.positions.size() == view.chosen.size() + 1 && feedback.positions.last() == view.chosen.size());
    }

    // Each file that cannot be opened is reported at most once, and only such files.
    QStringList warned;
    for (const QString &shown : std::as_const(messages.shown)) {
        const QString prefix = box(MessageType::Warning, MessageButtons::Ok, QStringLiteral("File access error\r"));
        if (shown.startsWith(prefix))
            warned << shown.mid(prefix.size());
    }
    FUZZ_CHECK(QSet<QString>(warned.begin(), warned.end()).size() == warned.size());
    for (const QString &name : std::as_const(warned))
        FUZZ_CHECK(missing.contains(name));

    if (outcome == RunOutcome::Completed && !hostileHead) {
        // Every link and picture source, percent-decoded, is the file's name.
        QList<QByteArray> names;
        for (int i = 0; i < o.FileCount; ++i) {
            if (view.chosen.contains(i))
                names << view.items.at(i).toUtf8();
        }
        const QByteArray base = view.absolute ? "file://" + dir.toUtf8() + "/" : QByteArray();
        const QList<QByteArray> hrefs = attributeValues(page, "HREF"), srcs = attributeValues(page, "SRC");
        const bool linked = mode == 2 || (mode == 0 && view.pictureLink);
        FUZZ_CHECK(hrefs.size() == (linked ? names.size() : 0));
        FUZZ_CHECK(srcs.size() == (mode == 0 ? names.size() : 0));
        for (const QList<QByteArray> &values : {hrefs, srcs}) {
            for (qsizetype i = 0; i < values.size(); ++i) {
                const QByteArray &v = values[i];
                FUZZ_CHECK(!v.contains('<') && !v.contains('>') && !v.contains('&') && !v.contains('\\'));
                // Browsers strip blanks and controls at either end of a URL.
                FUZZ_CHECK(!v.isEmpty() && quint8(v.front()) > ' ' && quint8(v.back()) > ' ');
                for (const char c : v)
                    FUZZ_CHECK(quint8(c) >= 0x20 && quint8(c) < 0x7F);
                const QByteArray decoded = percentDecoded(v);
                FUZZ_CHECK(decoded == base + names[i] || (base.isEmpty() && decoded == "./" + names[i]));
            }
        }
    }

    QDir::setCurrent(oldCwd);
    return 0;
}
