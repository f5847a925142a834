// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document creation over a fresh temporary directory: files are added
// there and selected, the request is set up like the window's first start,
// and the page and what the run reported are read back after the run.

#include "generator/DocumentRun.h"
#include "generator/RunFeedback.h"
#include "settings/SavedDefaults.h"
#include "tests/common/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

// The run's feedback as a script: each event recorded as a short text,
// questions answered from a list given up front.
struct RecordingFeedback final : RunFeedback {
    QStringList events;
    QStringList questions;  // the file names asked about
    QList<bool> answers;    // taken in order; no when none is left
    int entries = 0;        // written so far
    int cancelAfter = -1;   // entries after which the run is asked to stop; -1: never

    void runStarted(int) override {}
    void entryWritten(int done) override { entries = done; }
    bool cancelRequested() override { return cancelAfter >= 0 && entries >= cancelAfter; }
    void report(const RunEvent &event) override
    {
        events << std::visit(RunEventVisitor{
                                 [](const NothingSelected &) { return QStringLiteral("nothing selected"); },
                                 [](const DirectoryGone &e) { return "gone " + e.directory; },
                                 [](const FileUnreadable &e) { return QStringLiteral("unreadable %1 %2").arg(e.name.readable()).arg(e.osError); },
                                 [](const OutputFailed &e) { return QStringLiteral("failed %1 %2").arg(e.path).arg(e.osError); },
                                 [](const DirectoriesUnreadable &e) {
                                     QStringList dirs;
                                     for (const auto &d : e.directories)
                                         dirs << QStringLiteral("%1 %2").arg(d.path.readable()).arg(d.osError);
                                     return QStringLiteral("unreadable directories ") + dirs.join(QLatin1Char(','));
                                 },
                                 [](const ThumbnailsMissing &e) {
                                     QStringList pictures;
                                     for (const MissingThumbnail &m : e.pictures)
                                         pictures << QString::fromUtf8(m.path) + ':' + QString::number(int(m.problem));
                                     return "no thumbnails " + pictures.join(' ');
                                 },
                             },
                             event);
    }
    bool replaceExisting(const ReplaceQuestion &question) override
    {
        questions << question.fileName;
        return !answers.isEmpty() && answers.takeFirst();
    }
};

struct GeneratorRun {
    QTemporaryDir tmp;
    QString dir = QDir::toNativeSeparators(tmp.path());
    DocumentRequest request;
    RecordingFeedback feedback;
    DocumentRun::OutputFileFactory outputFactory;
    ThumbnailBatchFactory thumbnailFactory;

    GeneratorRun()
    {
        request.directory = request.startDirectory = dir;
        request.texts.title = kDefaultTitleText;
        request.texts.fileName = QStringLiteral("quorvant.html");
    }
#ifdef Q_OS_UNIX
    ~GeneratorRun() { testfiles::removeUnspellable(dir); }
#endif
    QString path(const QString &name) const { return dir + QLatin1Char('/') + name; }
    void mode(EntryMode mode) { request.settings.entryMode = mode; }
    void table(int columns, int border = 0)
    {
        request.settings.table.columns = columns, request.settings.table.borderWidth = border;
    }
    // Writes a file (unless content is null) and selects it.
    void add(const QString &name, const QByteArray &content = "12345")
    {
        if (!content.isNull())
            testfiles::write(path(name), content);
        request.selectedNames << FileName::fromText(name);
    }
    RunResult go()
    {
        DocumentRun run(request, feedback);
        run.setOutputFileFactory(outputFactory);
        run.setThumbnailBatchFactory(thumbnailFactory);
        return run.run();
    }
    QByteArray page(const QString &name = QStringLiteral("quorvant.html")) const { return testfiles::read(path(name)); }
};

inline QByteArray nbsp(int n) { return QByteArray("&nbsp;").repeated(n); }

// The quoted values of every attr="..." in the page, in order; an
// attribute left open gives the rest of the page.
inline QList<QByteArray> attributeValues(const QByteArray &page, const QByteArray &attr)
{
    QList<QByteArray> values;
    const QByteArray open = attr + "=\"";
    for (qsizetype at = page.indexOf(open); at >= 0; at = page.indexOf(open, at + 1)) {
        const qsizetype start = at + open.size();
        values << page.mid(start, page.indexOf('"', start) - start);
    }
    return values;
}

// A link or picture source as a browser resolves it against the page's
// directory: the bytes of the path it opens; empty where it could not open a
// file there (a raw character that ends the attribute, starts a tag or an
// entity, or that a URL may not hold; browsers also drop blanks at either
// end), where a colon before the first '/' reads as a scheme, or where a
// name on its path is empty, "." or "..".
inline QByteArray resolvedLink(const QByteArray &value, const QByteArray &pageDir)
{
    if (value.isEmpty())
        return {};
    for (const char c : value) {
        if (quint8(c) <= ' ' || quint8(c) >= 0x7F || QByteArrayView("\"<>&\\[]{}^|`").contains(c))
            return {};
    }
    if (value.startsWith("file://"))
        return QByteArray::fromPercentEncoding(value.mid(7));
    if (value.split('/').constFirst().contains(':'))
        return {};
    const QByteArray relative = value.startsWith("./") ? value.mid(2) : value;
    for (const QByteArray &name : relative.split('/')) {
        if (name.isEmpty() || name == "." || name == "..")
            return {};
    }
    return pageDir + '/' + QByteArray::fromPercentEncoding(relative);
}

// Every entry of dir, hidden ones included, sorted; as their bytes where
// Qt cannot spell them.
inline QStringList dirEntries(const QString &dir)
{
#ifdef Q_OS_UNIX
    QStringList names;
    for (const QByteArray &name : testfiles::namesIn(dir))
        names << QString::fromLatin1(name);
#else
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
#endif
    names.sort();
    return names;
}
