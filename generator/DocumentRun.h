// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document creation: asks before replacing an existing document,
// writes head, subdirectory lines, entries and tail, and replaces the
// document only when it is complete. What it has to tell goes to the
// feedback as events; it words nothing itself.

#include "generator/DocumentRequest.h"
#include "generator/OutputFile.h"
#include "generator/RunResult.h"
#include "generator/ThumbnailBatch.h"

#include <functional>
#include <memory>

class RunFeedback;

class DocumentRun {
public:
    DocumentRun(DocumentRequest request, RunFeedback &feedback);

    // Synchronous: returns when the document is written or the run ended.
    RunResult run();

    // Tests replace how the output file is made, to inject failures.
    using OutputFileFactory = std::function<std::unique_ptr<OutputFile>(const QString &path)>;
    void setOutputFileFactory(OutputFileFactory factory);
    // A front end that makes thumbnails hands its maker here; without one
    // a request for thumbnails gives today's picture page.
    void setThumbnailBatchFactory(ThumbnailBatchFactory factory) { thumbnailFactory = std::move(factory); }

private:
    void writeDocument(const QString &outputPath, ThumbnailBatch *thumbnails, RunResult &result);
    std::unique_ptr<ThumbnailBatch> startThumbnails(const QString &outputPath) const;

    const DocumentRequest request;
    RunFeedback &feedback;
    OutputFileFactory outputFactory;
    ThumbnailBatchFactory thumbnailFactory;
};
