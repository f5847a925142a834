// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TreeDocument.h"

#include "generator/EntryWriter.h"
#include "generator/FileListing.h"
#include "generator/PageOutput.h"
#include "generator/PageWriter.h"
#include "generator/RunCancelled.h"
#include "generator/RunFeedback.h"
#include "generator/RunResult.h"
#include "generator/SectionWriter.h"
#include "generator/SpoolFile.h"
#include "generator/ThumbnailBatch.h"
#include "generator/TreeContents.h"
#include "generator/TreeWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kCopyPiece = 1024 * 1024;

void opened(SpoolFile &file)
{
    if (!file.open())
        throw OutputFailure{file.error()};
}

// The spooled sections into the document, in large pieces.
void copyInto(OutputFile &document, SpoolFile &sections)
{
    if (!sections.commit())
        throw OutputFailure{sections.error()};
    QByteArray piece(qMin(kCopyPiece, qMax<qint64>(sections.size(), 1)), Qt::Uninitialized);
    for (qint64 at = 0; at < sections.size(); at += piece.size()) {
        const qint64 n = qMin<qint64>(piece.size(), sections.size() - at);
        if (!sections.readAt(at, piece.data(), n))
            throw OutputFailure{sections.error()};
        if (!document.write(QByteArrayView(piece.constData(), n)))
            throw OutputFailure{document.error()};
    }
}

// The thumbnail folder's path below the listed directory; empty when it
// lies outside the tree.
FileName folderInTree(const QString &directory, const QString &folder)
{
    const QString below = QDir::fromNativeSeparators(QDir(directory).relativeFilePath(folder));
    if (below.isEmpty() || below == QLatin1String(".") || below.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(below))
        return FileName();
    return FileName(QFile::encodeName(below));
}

// A subdirectory's entries are added as its section begins: the path of
// each below the listed directory.
void addThumbnails(ThumbnailBatch &thumbnails, const TreeDirectory &dir)
{
    const QByteArray prefix = dir.path.isEmpty() ? QByteArray() : dir.path.bytes() + '/';
    for (const FileName &name : dir.files)
        thumbnails.add(prefix + name.bytes());
}

} // namespace

void writeTreeDocument(const DocumentRequest &request, const FactsWanted &wanted, RunFeedback &feedback,
                       OutputFile &file, const QString &outputPath, ThumbnailBatch *thumbnails, RunResult &result)
{
    // Beside the document: the same disk, with room for the page.
    const QString spoolDirectory = QFileInfo(outputPath).absolutePath();
    SpoolFile sections(spoolDirectory), records(spoolDirectory), paths(spoolDirectory);
    opened(sections), opened(records), opened(paths);

    PageOutput sectionOut(sections, 64 * 1024);
    EntryWriter entries(request, sectionOut, feedback, PlainTextColumns());
    TreeContents contents(records, paths);
    TreeWalkOptions options;
    options.maxDepth = request.maxDepth;
    options.filter = maskPatterns(request.filter);
    options.leaveOut = request.leaveOut;
    options.wanted = wanted;
    options.subdirectoryDates = request.showSubdirectories && request.fileDate;
    if (thumbnails) {
        options.ownFolder = folderInTree(request.directory, thumbnails->folderPath());
        entries.takeThumbnailsFrom(thumbnails);
    }
    TreeWalk walk(request.directory, request.selectedNames, options);
    SectionWriter writer(request, sectionOut, walk, wanted.any(), entries, feedback);

    DirectoriesUnreadable unreadable;
    qint64 directories = 0;
    while (const TreeDirectory *dir = walk.next()) {
        if (feedback.cancelRequested())
            throw RunCancelled{};
        feedback.directoryStarted(int(++directories));
        if (thumbnails && dir->state == TreeDirectory::State::Listed)
            addThumbnails(*thumbnails, *dir);
        contents.begin(*dir);
        const SectionTotals totals = writer.write(*dir, directories - 1);
        contents.add(totals.files, totals.bytes);
        if (dir->state == TreeDirectory::State::Unreadable || dir->osError != 0)
            unreadable.directories.push_back({dir->path.isEmpty() ? FileName(".") : dir->path, dir->osError});
    }
    contents.finish();
    sectionOut.flush();

    PageOutput out(file);
    PageWriter page(request, out);
    page.writePageTop();
    contents.write(out, request.searchable, request.fileSize);
    out.flush();
    copyInto(file, sections);
    result.fileCount = writer.entriesWritten();
    result.subdirectoryCount = int(directories - 1);
    result.totalBytes = entries.totalBytes();
    page.writePageEnd(result.fileCount, result.subdirectoryCount, result.totalBytes);
    out.flush();
    if (!file.commit())
        throw OutputFailure{file.error()};

    if (!unreadable.directories.isEmpty())
        feedback.report(unreadable);
}
