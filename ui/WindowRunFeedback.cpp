// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowRunFeedback.h"

#include "generator/ReadableFileName.h"
#include "platform/core/MessageBoxes.h"
#include "platform/core/OutputErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>

namespace {

QString translated(const char *source, int n = -1)
{
    return QCoreApplication::translate("WindowRunFeedback", source, nullptr, n);
}

} // namespace

void WindowRunFeedback::runStarted(int entryCount)
{
    entries = entryCount;
    directories = files = 0;
    status.clear();
    // A range of 0..0 is a busy indicator: a whole tree's total is not known
    // ahead; a run of no entries shows an empty bar.
    bar.setRange(0, entryCount < 0 ? 0 : qMax(1, entryCount));
    bar.setValue(0);
}

void WindowRunFeedback::entryWritten(int done)
{
    if (entries >= 0) {
        bar.setValue(done);
        return;
    }
    files = done;
    showTreeCounts();
}

void WindowRunFeedback::directoryStarted(int count)
{
    directories = count;
    showTreeCounts();
}

void WindowRunFeedback::showTreeCounts()
{
    status.setText(translated("Directories: %1, files: %2").arg(directories).arg(files));
}

void WindowRunFeedback::runEnded(RunOutcome outcome)
{
    if (entries < 0) {
        bar.setRange(0, 1);
        bar.setValue(outcome == RunOutcome::Completed ? 1 : 0);
    }
    if (outcome == RunOutcome::Cancelled) {
        bar.setValue(0);
        status.setText(translated("Cancelled"));
    }
}

void WindowRunFeedback::report(const RunEvent &event)
{
    const auto [type, text] = std::visit(
        RunEventVisitor{
            [](const NothingSelected &) { return std::pair(MessageType::Error, translated("No Files selected!")); },
            [](const DirectoryGone &gone) {
                return std::pair(MessageType::Error,
                                 translated("The directory %1 no longer exists").arg(gone.directory));
            },
            // A carriage return is a line break in a message box.
            [](const FileUnreadable &file) {
                return std::pair(MessageType::Warning, translated("File access error\r%1").arg(file.name.readable()));
            },
            // The words alone ("Invalid filename") left the user guessing which file.
            [](const OutputFailed &failed) {
                return std::pair(MessageType::Error, outputErrorText(failed.osError, failed.path) + QLatin1Char('\r')
                                                         + readableText(QDir::toNativeSeparators(failed.path)));
            },
            // A whole tree: one box for all.
            [](const DirectoriesUnreadable &unreadable) {
                QStringList paths;
                for (const DirectoriesUnreadable::Directory &dir : unreadable.directories)
                    paths << dir.path.readable();
                return std::pair(MessageType::Warning,
                                 translated("%n directories not readable:\r", int(paths.size()))
                                     + paths.join(QLatin1Char('\r')));
            },
        },
        event);
    messages.show(type, text, MessageButtons::Ok);
}

bool WindowRunFeedback::replaceExisting(const ReplaceQuestion &question)
{
    return messages.show(MessageType::Information,
                         translated("The HTML-Document %1 already exists! Overwrite?").arg(question.fileName),
                         MessageButtons::YesNo)
           == MessageResult::Yes;
}
