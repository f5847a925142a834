#include "CliRun.h"

#include "CliArguments.h"
#include "CliMessages.h"
#include "CliProgress.h"
#include "CliView.h"

#include <DocumentGenerator.h>
#include <FileListing.h>
#include <GenerationOptions.h>
#include <IniFile.h>
#include <ScreenInfo.h>
#include <SettingsStore.h>
#include <TableCheck.h>
#include <UnlistableNames.h>

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

void fail(const QString &text)
{
    writeText(stderr, QStringLiteral("quorvant-cli: ") + text + QLatin1Char('\n'));
}

QString nativeAbsolute(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// What the window's controls and handlers would set for these options.
void applyOverrides(const CliArguments &a, GenerationOptions &o)
{
    o.EmbedPictures = a.mode == EntryMode::Picture;
    o.PlainTextMode = a.mode == EntryMode::Text;
    o.UseHtmlExtension = !a.htm;
    // "relative" unticks and disables "Show Path".
    o.ShowPath = a.absolute && a.showPath;

    if (a.bgColor)
        o.BgColor = *a.bgColor;
    if (a.linkColor)
        o.LinkColor = *a.linkColor;
    if (a.vlinkColor)
        o.VLinkColor = *a.vlinkColor;
    if (a.textColor)
        o.TextColor = *a.textColor;

    if (a.columns)
        o.TableColumns = *a.columns;
    if (a.border)
        o.TableBorderWidth = *a.border;
    if (a.align)
        o.TableAlign = *a.align;
    if (a.valign)
        o.TableVAlign = *a.valign;
    // The values are in range now; this sets TableLayout and TableBorderText
    // to match, as the table dialog's buttons would.
    checkTableValues(o);
}

} // namespace

int runCommandLine(const QStringList &arguments)
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

    // Start-up, in the desktop program's order.
    GenerationOptions options;
    options.ProgramDir = programDirectory();
    options.StartDirectory = QDir::toNativeSeparators(QDir::currentPath());
    const QString settingsPath =
        args.settingsPath.isEmpty() ? settingsFilePath(options.ProgramDir) : nativeAbsolute(args.settingsPath);
    const IniFile ini(settingsPath);
    loadDefaults(options, ini);
    options.BgColor = options.DefaultBgColor;
    options.LinkColor = options.DefaultLinkColor;
    options.VLinkColor = options.DefaultVLinkColor;
    options.TextColor = options.DefaultTextColor;
    checkTableValues(options);
    applyOverrides(args, options);

    // The directory list makes the listed directory the current one, so the
    // bare names of the file list open the right files.
    const QFileInfo dirInfo(args.directory);
    if (!dirInfo.isDir()) {
        fail(QStringLiteral("%1: no such directory").arg(args.directory));
        return ExitFailed;
    }
    const QString directory = nativeAbsolute(args.directory);
    if (!QDir::setCurrent(directory)) {
        fail(QStringLiteral("%1: cannot open the directory").arg(directory));
        return ExitFailed;
    }

    QStringList items = listMatchingFiles(directory, args.filter);
    // Names the file-name encoding cannot hold are left out of the list; say so.
    for (const QString &name : unlistableFileNames(directory, args.filter))
        writeText(stderr, messageLine(MessageType::Warning,
                                      QStringLiteral("File name not readable, left out\r") + name));
    options.FileCount = int(items.size());
    FileSelection selection = selectFiles(items, args.files);
    if (!selection.missing.isEmpty()) {
        for (const QString &name : std::as_const(selection.missing))
            fail(QStringLiteral("%1: not in the file list of %2 (filter \"%3\")").arg(name, directory, args.filter));
        return ExitFailed;
    }

    const CliView view(args, options, directory, std::move(items), std::move(selection));
    CliProgress progress(standardErrorIsTerminal(), stderr);
    CliMessages messages(args.overwrite, stderr);
    messages.setProgress(&progress);
    // Only the width matters: it limits shrunk pictures.
    const FixedScreen screen(args.screenWidth, args.screenWidth * 3 / 4);

    DocumentGenerator generator(options, view, progress, messages, screen);
    const RunOutcome outcome = generator.makefilebuttonClick();
    progress.finish();

    // Until a run completes, the document's path is the prefix and name the
    // run formed, relative to the listed directory.
    const QString target = nativeAbsolute(options.DocumentDirPrefix + options.DocumentFileName);
    switch (outcome) {
    case RunOutcome::Completed:
        writeText(stdout, options.LastDocumentName + QLatin1Char('\n'));
        return ExitSuccess;
    case RunOutcome::NoSelection:
        return ExitFailed;  // "No Files selected!" was shown
    case RunOutcome::Declined:
        fail(QStringLiteral("The HTML-Document %1 already exists! Use --overwrite to replace it.").arg(target));
        return ExitFailed;
    case RunOutcome::Failed:
        fail(QStringLiteral("%1 was not created").arg(target));
        return ExitFailed;
    }
    return ExitFailed;
}
