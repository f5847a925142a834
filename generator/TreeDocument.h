// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole tree's page, written as a stream: the head; the contents list;
// the listed directory's entries as a one-directory page has them; a
// section per subdirectory, depth first; the totals. The sections are
// written to a temporary file beside the document while the contents
// records wait in two more, and all is put together into the document at
// the end, so memory holds only the widest directory and the depth.

#include "generator/DocumentRequest.h"

class OutputFile;
class RunFeedback;
class ThumbnailBatch;
struct FactsWanted;
struct RunResult;

// Writes the page into file (open) and commits it; reports what the walk
// could not list once the page is complete. Throws OutputFailure or
// RunCancelled, which leave the document uncommitted and no temporary file.
// thumbnails: where the entries' thumbnails come from, or none; its folder
// is left out of the tree.
void writeTreeDocument(const DocumentRequest &request, const FactsWanted &wanted, RunFeedback &feedback,
                       OutputFile &file, const QString &outputPath, ThumbnailBatch *thumbnails, RunResult &result);
