// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFeedback.h"

#include "cli/CliCancel.h"
#include "cli/CliProgress.h"
#include "generator/ReadableFileName.h"
#include "platform/core/OsError.h"
#include "platform/core/OutputErrorText.h"

namespace {

QString thumbnailProblemText(const MissingThumbnail &picture, const QString &folder)
{
    const QString why = picture.osError != 0 ? QStringLiteral(" (%1)").arg(ioErrorText(picture.osError)) : QString();
    switch (picture.problem) {
    case ThumbnailProblem::Unreadable: return QStringLiteral("No thumbnail, the picture cannot be read") + why;
    case ThumbnailProblem::Undecodable: return QStringLiteral("No thumbnail, the picture is damaged or of a format that cannot be read");
    case ThumbnailProblem::TooLarge: return QStringLiteral("No thumbnail, the picture is too large to decode");
    case ThumbnailProblem::NameTaken:
        return QStringLiteral("No thumbnail, a file quorvant did not make holds its name in ") + folder;
    case ThumbnailProblem::NotWritten: return QStringLiteral("No thumbnail, it could not be written") + why;
    default: break;
    }
    return QStringLiteral("No thumbnail");
}

// One line per picture; a folder that could not be used once, for all.
QString thumbnailLines(const ThumbnailsMissing &missing)
{
    QString lines;
    bool folderSaid = false;
    for (const MissingThumbnail &picture : missing.pictures) {
        if (picture.problem != ThumbnailProblem::FolderUnusable) {
            lines += warningLine(thumbnailProblemText(picture, missing.folder), FileName(picture.path).readable());
        } else if (!folderSaid) {
            const QString why = picture.osError != 0 ? ioErrorText(picture.osError)
                                                     : QStringLiteral("in use by another run, or a file quorvant did not make is in the way");
            lines += warningLine(QStringLiteral("Thumbnail folder cannot be used (%1), pictures shown at full size").arg(why),
                                 missing.folder);
            folderSaid = true;
        }
    }
    return lines;
}

} // namespace

void CliFeedback::runStarted(int entryCount)
{
    progress.runStarted(entryCount);
}

void CliFeedback::entryWritten(int done)
{
    progress.entryWritten(done);
}

void CliFeedback::directoryStarted(int directories)
{
    progress.directoryStarted(directories);
}

bool CliFeedback::cancelRequested()
{
    return cancelSignalled();
}

void CliFeedback::report(const RunEvent &event)
{
    const QString line = std::visit(
        RunEventVisitor{
            [](const NothingSelected &) { return errorLine(QStringLiteral("No Files selected!")); },
            [](const DirectoryGone &gone) {
                return errorLine(QStringLiteral("The directory ") + gone.directory + QStringLiteral(" no longer exists"));
            },
            [](const FileUnreadable &file) { return warningLine(QStringLiteral("File access error"), file.name.readable()); },
            [](const OutputFailed &failed) { return errorLine(outputErrorText(failed.osError, failed.path)); },
            // A line per directory: a script can pick them out.
            [](const DirectoriesUnreadable &unreadable) {
                QString lines;
                for (const DirectoriesUnreadable::Directory &dir : unreadable.directories)
                    lines += warningLine(QStringLiteral("Directory not readable (%1), named in the page as such")
                                             .arg(ioErrorText(dir.osError)),
                                         dir.path.readable());
                return lines;
            },
            [](const ThumbnailsMissing &missing) { return thumbnailLines(missing); },
        },
        event);
    progress.finish();
    writeText(stream, line);
}

QString errorLine(const QString &text)
{
    return QStringLiteral("quorvant-cli: ") + readableText(text) + QLatin1Char('\n');
}

QString warningLine(const QString &text, const QString &name)
{
    return QStringLiteral("quorvant-cli: warning: ") + readableText(text) + QStringLiteral(": ") + readableText(name)
        + QLatin1Char('\n');
}

void writeText(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}
