#pragma once
// The document creation run: names the output file, asks before replacing it,
// and writes head, subdirectory lines, entries and tail in one pass.

#include "GenerationOptions.h"

#include <QString>

#include <functional>
#include <memory>

class DocumentView;
class RunFeedback;
class MessageBoxes;
class ScreenInfo;
class OutputFile;

enum class RunOutcome {
    Completed,    // the document was written and committed
    NoSelection,  // "No Files selected!" was shown
    Declined,     // the user kept the existing document
    Failed,       // an I/O error ended the run; an existing document is untouched
};

class DocumentGenerator {
public:
    DocumentGenerator(GenerationOptions &options, const DocumentView &view, RunFeedback &feedback,
                      MessageBoxes &messages, const ScreenInfo &screen);
    ~DocumentGenerator();

    // The press of "Create HTML-Document": preparation, the overwrite question,
    // then the writing. Failures are shown through the message boxes.
    RunOutcome makefilebuttonClick();

    // Tests replace how the output file is made, to inject failures.
    using OutputFileFactory = std::function<std::unique_ptr<OutputFile>(const QString &path)>;
    void setOutputFileFactory(OutputFileFactory factory);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
