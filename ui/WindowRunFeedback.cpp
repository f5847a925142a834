// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowRunFeedback.h"

#include "generator/ReadableFileName.h"
#include "platform/core/MessageBoxes.h"
#include "platform/core/OsError.h"
#include "platform/core/OutputErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>

namespace {

// Named in full up to this many; the rest are counted.
constexpr qsizetype kThumbnailPicturesNamed = 12;

QString thumbnailProblemText(const MissingThumbnail &picture)
{
    switch (picture.problem) {
    case ThumbnailProblem::Unreadable:
        return QCoreApplication::translate("WindowRunFeedback", "cannot be read: %1").arg(ioErrorText(picture.osError));
    case ThumbnailProblem::Undecodable:
        return QCoreApplication::translate("WindowRunFeedback", "damaged, or of a format that cannot be read");
    case ThumbnailProblem::TooLarge: return QCoreApplication::translate("WindowRunFeedback", "too large to decode");
    case ThumbnailProblem::NameTaken:
        return QCoreApplication::translate("WindowRunFeedback", "a file not made by this program holds its name");
    case ThumbnailProblem::NotWritten:
        return QCoreApplication::translate("WindowRunFeedback", "could not be written: %1").arg(ioErrorText(picture.osError));
    default: break;
    }
    return QString();
}

// One message: the folder, when it could not be used, then the pictures
// without a thumbnail for a reason of their own, the first few by name.
QString thumbnailsMissingText(const ThumbnailsMissing &missing)
{
    QStringList lines;
    QStringList pictures;
    qsizetype unnamed = 0;
    for (const MissingThumbnail &picture : missing.pictures) {
        if (picture.problem == ThumbnailProblem::FolderUnusable) {
            if (!lines.isEmpty())
                continue;
            const QString why = picture.osError != 0
                                    ? ioErrorText(picture.osError)
                                    : QCoreApplication::translate("WindowRunFeedback",
                                                                  "in use by another run, or a file not made by this program is in the way");
            lines << QCoreApplication::translate("WindowRunFeedback",
                                                 "The thumbnail folder %1 cannot be used (%2). The pictures are shown at full size.")
                         .arg(readableText(QDir::toNativeSeparators(missing.folder)), why);
        } else if (pictures.size() < kThumbnailPicturesNamed) {
            pictures << FileName(picture.path).readable() + QStringLiteral(": ") + thumbnailProblemText(picture);
        } else {
            ++unnamed;
        }
    }
    if (!pictures.isEmpty()) {
        const int count = int(pictures.size() + unnamed);
        lines << QCoreApplication::translate("WindowRunFeedback",
                                             "No thumbnail was made of %n picture(s), shown at full size instead:", nullptr, count);
        lines << pictures;
        if (unnamed > 0)
            lines << QCoreApplication::translate("WindowRunFeedback", "... and %n more", nullptr, int(unnamed));
    }
    return lines.join(QLatin1Char('\r'));
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
    status.setText(QCoreApplication::translate("WindowRunFeedback", "Directories: %1, files: %2").arg(directories).arg(files));
}

void WindowRunFeedback::runEnded(RunOutcome outcome)
{
    if (entries < 0) {
        bar.setRange(0, 1);
        bar.setValue(outcome == RunOutcome::Completed ? 1 : 0);
    }
    if (outcome == RunOutcome::Cancelled) {
        bar.setValue(0);
        status.setText(QCoreApplication::translate("WindowRunFeedback", "Cancelled"));
    }
}

void WindowRunFeedback::report(const RunEvent &event)
{
    const auto [type, text] = std::visit(
        RunEventVisitor{
            [](const NothingSelected &) { return std::pair(MessageType::Error, QCoreApplication::translate("WindowRunFeedback", "No Files selected!")); },
            [](const DirectoryGone &gone) {
                return std::pair(MessageType::Error,
                                 QCoreApplication::translate("WindowRunFeedback", "The directory %1 no longer exists").arg(gone.directory));
            },
            // A carriage return is a line break in a message box.
            [](const FileUnreadable &file) {
                return std::pair(MessageType::Warning, QCoreApplication::translate("WindowRunFeedback", "File access error\r%1").arg(file.name.readable()));
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
                                 QCoreApplication::translate("WindowRunFeedback", "%n directories not readable:\r", nullptr, int(paths.size()))
                                     + paths.join(QLatin1Char('\r')));
            },
            [](const ThumbnailsMissing &missing) { return std::pair(MessageType::Warning, thumbnailsMissingText(missing)); },
        },
        event);
    messages.show(type, text, MessageButtons::Ok);
}

bool WindowRunFeedback::replaceExisting(const ReplaceQuestion &question)
{
    return messages.show(MessageType::Information,
                         QCoreApplication::translate("WindowRunFeedback", "The HTML-Document %1 already exists! Overwrite?").arg(question.fileName),
                         MessageButtons::YesNo)
           == MessageResult::Yes;
}
