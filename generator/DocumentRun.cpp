// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DocumentRun.h"

#include "generator/DirectoryAccess.h"
#include "generator/EntryFactsAhead.h"
#include "generator/EntryWriter.h"
#include "generator/PageOutput.h"
#include "generator/PageWriter.h"
#include "generator/RunCancelled.h"
#include "generator/RunFeedback.h"
#include "generator/SubdirectoryListing.h"
#include "generator/TreeDocument.h"
#include "platform/core/NativePaths.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

FactsWanted factsWanted(const DocumentRequest &request)
{
    FactsWanted wanted;
    wanted.sizeOrDate = request.fileSize || request.fileDate;
    wanted.pictureSize = request.shrinkToFit || request.pictureSize;
    wanted.modernPictures = request.modernPictures;
    return wanted;
}

} // namespace

DocumentRun::DocumentRun(DocumentRequest documentRequest, RunFeedback &runFeedback)
    : request(std::move(documentRequest)), feedback(runFeedback), outputFactory(makeSaveOutputFile)
{
}

void DocumentRun::setOutputFileFactory(OutputFileFactory factory)
{
    outputFactory = factory ? std::move(factory) : OutputFileFactory(makeSaveOutputFile);
}

RunResult DocumentRun::run()
{
    RunResult result;
    result.fileCount = int(request.selectedNames.size());
    // A whole tree's entries are known as it is walked; its subdirectories
    // may hold files when the listed directory has none selected.
    feedback.runStarted(request.wholeTree ? -1 : result.fileCount);
    if (result.fileCount == 0 && !request.wholeTree) {
        feedback.report(NothingSelected{});
        return result;
    }

    if (!QFileInfo(request.directory).isDir()) {
        feedback.report(DirectoryGone{request.directory});
        result.outcome = RunOutcome::Failed;
        return result;
    }

    const PathStyle style = nativePathStyle();
    const bool absolute = request.settings.linkStyle == LinkStyle::Absolute;
    // Absolute-link documents go where the program was started; a root keeps its single separator.
    const QString documentDir = withTrailingSeparator(absolute ? request.startDirectory : request.directory, style);
    const QString &fileName = request.texts.fileName;
    // A name field holding a path of its own writes there.
    const QString outputPath = !absolute && QDir::isAbsolutePath(fileName) ? fileName : documentDir + fileName;
    result.outputPath = outputPath;

    // Asked whenever a file is there, also one this user cannot read; a
    // directory or device in the way is refused when the document is made.
    if (QFileInfo(outputPath).isFile() && !feedback.replaceExisting({outputPath, fileName})) {
        result.outcome = RunOutcome::Declined;
        return result;
    }

    // Destroyed before its finish, the batch removes no thumbnail an earlier document may show.
    const std::unique_ptr<ThumbnailBatch> thumbnails = startThumbnails(outputPath);
    try {
        writeDocument(outputPath, thumbnails.get(), result);
    } catch (const OutputFailure &failure) {
        feedback.report(OutputFailed{outputPath, failure.code});
        result.outcome = RunOutcome::Failed;
        return result;
    } catch (const RunCancelled &) {
        result.outcome = RunOutcome::Cancelled;
        return result;
    }
    result.outcome = RunOutcome::Completed;
    // Where it was written, also when the name field held a path of its own.
    result.documentPath = outputPath;
    if (thumbnails) {
        thumbnails->finish();
        if (const QList<MissingThumbnail> missing = thumbnails->missing(); !missing.isEmpty())
            feedback.report(ThumbnailsMissing{thumbnails->folderPath(), missing});
    }
    return result;
}

std::unique_ptr<ThumbnailBatch> DocumentRun::startThumbnails(const QString &outputPath) const
{
    if (!request.thumbnails || request.settings.entryMode != EntryMode::Picture || !thumbnailFactory)
        return nullptr;
    const int side = qBound(kMinThumbnailSide, request.thumbnailSize, kMaxThumbnailSide);
    return thumbnailFactory({request.directory, outputPath, side});
}

void DocumentRun::writeDocument(const QString &outputPath, ThumbnailBatch *thumbnails, RunResult &result)
{
    // Destroyed before its commit, the file leaves an existing document as it was.
    const std::unique_ptr<OutputFile> file = outputFactory(outputPath);
    if (!file->open())
        throw OutputFailure{file->error()};
    const FactsWanted wanted = factsWanted(request);
    if (request.wholeTree) {
        writeTreeDocument(request, wanted, feedback, *file, outputPath, thumbnails, result);
        return;
    }
    // The files are opened on other threads while this one writes.
    const DirectoryFiles files(request.directory);
    std::optional<EntryFactsAhead> ahead;
    if (wanted.any())
        ahead.emplace(files, request.selectedNames, wanted);
    const EntryFacts nothingWanted;

    PageOutput out(*file);
    PageWriter page(request, out);
    page.writeHead();

    PlainTextColumns columns;
    if (request.settings.entryMode == EntryMode::PlainText && !request.settings.table.isTable()) {
        for (const FileName &name : request.selectedNames)
            columns.nameWidth = qMax(columns.nameWidth, name.readableLength());
        if (request.showSubdirectories) {
            const SubdirectoryListing listing = listSubdirectories(request.directory, QLocale::system());
            columns.nameWidth = qMax(columns.nameWidth, listing.longestName);
            writeSubdirectoryLines(out, listing, withTrailingSeparator(request.directory, nativePathStyle()),
                                   request.settings.showPath, request.fileDate, columns.nameWidth,
                                   request.searchable);
            result.subdirectoryCount = int(listing.entries.size());
            columns.afterSubdirectoryLines = result.subdirectoryCount > 0;
        }
    }

    EntryWriter entries(request, out, feedback, columns);
    if (thumbnails) {
        // Made on other threads, a bounded distance ahead of the entries.
        for (const FileName &name : request.selectedNames)
            thumbnails->add(name.bytes());
        entries.takeThumbnailsFrom(thumbnails);
    }
    int position = 0;
    for (const FileName &name : request.selectedNames) {
        if (feedback.cancelRequested())
            throw RunCancelled{};
        ++position;
        feedback.entryWritten(position);
        const EntryFacts &facts = ahead ? ahead->at(position - 1) : nothingWanted;
        page.openCell(position, entries.factAttributes(facts));
        entries.writeEntry(name, facts);
        page.closeCell(position, result.fileCount);
    }
    result.totalBytes = entries.totalBytes();
    page.writeTail(result.fileCount, result.subdirectoryCount, result.totalBytes);
    out.flush();
    if (!file->commit())
        throw OutputFailure{file->error()};
}
