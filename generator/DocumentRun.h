#pragma once
// One document creation: names the document, asks before replacing an
// existing one, writes head, subdirectory lines, entries and tail, and
// replaces the document only when it is complete.

#include "generator/DocumentRequest.h"
#include "generator/OutputFile.h"
#include "generator/RunResult.h"

#include <functional>
#include <memory>

class MessageBoxes;
class RunFeedback;

class DocumentRun {
public:
    DocumentRun(DocumentRequest request, MessageBoxes &messages, RunFeedback &feedback);

    // Failures and questions go through the message boxes.
    RunResult run();

    // Tests replace how the output file is made, to inject failures.
    using OutputFileFactory = std::function<std::unique_ptr<OutputFile>(const QString &path)>;
    void setOutputFileFactory(OutputFileFactory factory);

private:
    void writeDocument(const QString &outputPath, RunResult &result);

    const DocumentRequest request;
    MessageBoxes &messages;
    RunFeedback &feedback;
    OutputFileFactory outputFactory;
};
