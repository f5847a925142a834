// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include "cli/CliArguments.h"
#include "cli/CliCancel.h"
#include "cli/CliFeedback.h"
#include "cli/CliProgress.h"
#include "cli/CliRequest.h"
#include "generator/DocumentRun.h"
#include "generator/FileListing.h"
#include "generator/ReadableFileName.h"
#include "platform/core/StartDirectory.h"
#include "settings/DefaultsStore.h"
#include "settings/IniFile.h"
#include "thumbnails/Thumbnails.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>
#include <optional>

namespace {

void fail(const QString &text)
{
    writeText(stderr, errorLine(text));
}

QString nativeAbsolute(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// The request the window would make with the settings file's defaults and
// the options over them; none, when the directory or a named file will not
// do, which is then said.
std::optional<DocumentRequest> prepareRequest(const CliArguments &args)
{
    const QString settingsPath = args.settingsPath.isEmpty() ? settingsFilePath(programDirectory())
                                                             : nativeAbsolute(args.settingsPath);
    const IniFile settings(settingsPath);
    if (const QString refusal = settings.readRefusal(); !refusal.isEmpty()) {
        fail(refusal);
        return std::nullopt;
    }
    DocumentRequest request = commandLineRequest(args, loadDefaults(settings));
    // Started in a directory deleted since, absolute-link documents go to the nearest one left.
    request.startDirectory = QDir::toNativeSeparators(nearestExistingDirectory(startDirectory()));

    const QFileInfo dirInfo(args.directory);
    if (!dirInfo.isDir()) {
        fail(QStringLiteral("%1: no such directory").arg(args.directory));
        return std::nullopt;
    }
    request.directory = nativeAbsolute(args.directory);
    // The window cannot enter a directory it may not search; neither can this.
    if (!dirInfo.isExecutable()) {
        fail(QStringLiteral("%1: cannot open the directory").arg(request.directory));
        return std::nullopt;
    }

    FileSelection selection = selectFiles(listMatchingFiles(request.directory, args.filter), args.files);
    if (!selection.missing.isEmpty()) {
        for (const QByteArray &name : std::as_const(selection.missing))
            fail(QStringLiteral("%1: not in the file list of %2 (filter \"%3\")")
                     .arg(readableFileName(name), request.directory, args.filter));
        return std::nullopt;
    }
    request.selectedNames = std::move(selection.selected);
    return request;
}

int createDocument(DocumentRequest request, bool overwrite)
{
    CliProgress progress(standardErrorIsTerminal(), stderr);
    CliFeedback feedback(overwrite, progress, stderr);
    // Qt's picture decoders would say on standard error what they make of a
    // damaged picture; the run names such pictures itself, in one report.
    // QT_LOGGING_RULES still shows them to whoever asks.
    if (request.thumbnails)
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    RunResult result;
    {
        const CancelOnSignals cancelOnSignals;
        DocumentRun run(std::move(request), feedback);
        run.setThumbnailBatchFactory([](const ThumbnailJob &job) { return makeThumbnailBatch(job); });
        result = run.run();
    }
    progress.finish();

    switch (result.outcome) {
    case RunOutcome::Completed:
        writeText(stdout, result.documentPath + QLatin1Char('\n'));
        return ExitSuccess;
    case RunOutcome::NoSelection:
        return ExitFailed;  // reported by the feedback
    case RunOutcome::Declined:
        fail(QStringLiteral("The HTML-Document %1 already exists! Use --overwrite to replace it.")
                 .arg(nativeAbsolute(result.outputPath)));
        return ExitFailed;
    case RunOutcome::Failed:
        fail(QStringLiteral("%1 was not created").arg(nativeAbsolute(result.outputPath)));
        return ExitFailed;
    case RunOutcome::Cancelled:
        fail(QStringLiteral("cancelled: %1 was not written").arg(nativeAbsolute(result.outputPath)));
        return ExitCancelled;
    }
    return ExitFailed;
}

} // namespace

int runCommandLine(const QStringList &arguments)
{
    return runCommandLine(utf8Arguments(arguments));
}

int runCommandLine(const QList<QByteArray> &arguments)
{
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.ok) {
        writeText(stderr, QStringLiteral("quorvant-cli: %1\n\n%2").arg(parsed.error, usageText()));
        return ExitUsage;
    }
    const CliArguments &args = parsed.arguments;
    if (args.action == CliArguments::Action::Help) {
        writeText(stdout, usageText());
        return ExitSuccess;
    }
    if (args.action == CliArguments::Action::Version) {
        writeText(stdout, versionText() + QLatin1Char('\n'));
        return ExitSuccess;
    }
    std::optional<DocumentRequest> request = prepareRequest(args);
    if (!request)
        return ExitFailed;
    return createDocument(std::move(*request), args.overwrite);
}
