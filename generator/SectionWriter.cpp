// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SectionWriter.h"

#include "generator/DateText.h"
#include "generator/EntryWriter.h"
#include "generator/HtmlText.h"
#include "generator/PageOutput.h"
#include "generator/RunCancelled.h"
#include "generator/RunFeedback.h"
#include "generator/SubdirectoryListing.h"
#include "generator/TreeContents.h"
#include "generator/TreeWalk.h"
#include "platform/core/NativePaths.h"

#include <QDir>

SectionWriter::SectionWriter(const DocumentRequest &documentRequest, PageOutput &output, TreeWalk &treeWalk,
                             bool gathered, EntryWriter &entryWriter, RunFeedback &runFeedback)
    : request(documentRequest), out(output), page(documentRequest, output), walk(treeWalk), withFacts(gathered),
      entries(entryWriter), feedback(runFeedback)
{
}

SectionTotals SectionWriter::write(const TreeDirectory &dir, qint64 index)
{
    const QByteArray path = htmlName(dir.path);
    out.put("<DIV ID=\"" + TreeContents::anchor(index) + '"');
    if (request.searchable)
        out.put(" data-dir=\"" + path + '"');
    out.putLine(">");
    if (index > 0) {
        out.put("<H2>" + path);
        if (dir.state == TreeDirectory::State::Link)
            out.put(" (symbolic link, not followed)");
        else if (dir.state == TreeDirectory::State::Unreadable)
            out.put(" (not readable)");
        out.putLine("</H2>");
    }
    SectionTotals totals;
    if (dir.state == TreeDirectory::State::Listed) {
        const bool aligned = request.settings.entryMode == EntryMode::PlainText && !request.settings.table.isTable();
        const bool subdirectoryLines = aligned && request.showSubdirectories && !dir.subdirectories.isEmpty();
        PlainTextColumns columns;
        if (aligned) {
            for (const FileName &name : dir.files)
                columns.nameWidth = qMax(columns.nameWidth, name.readableLength());
            if (request.showSubdirectories) {
                for (const FileName &name : dir.subdirectories)
                    columns.nameWidth = qMax(columns.nameWidth, name.readableLength());
            }
            columns.afterSubdirectoryLines = subdirectoryLines;
        }
        entries.enterDirectory(dir.path, columns);
        if (!dir.files.isEmpty() || subdirectoryLines) {
            page.openList();
            if (subdirectoryLines)
                writeSubdirectoryLines(dir, columns.nameWidth);
            writeEntries(dir, totals);
            page.closeList();
        }
    }
    out.putLine("</DIV>");
    return totals;
}

void SectionWriter::writeEntries(const TreeDirectory &dir, SectionTotals &totals)
{
    const EntryFacts nothingWanted;
    const int count = int(dir.files.size());
    for (int i = 0; i < count; ++i) {
        if (feedback.cancelRequested())
            throw RunCancelled{};
        feedback.entryWritten(++written);
        const EntryFacts &facts = withFacts ? walk.facts(i) : nothingWanted;
        page.openCell(i + 1, entries.factAttributes(facts));
        entries.writeEntry(dir.files.at(i), facts);
        page.closeCell(i + 1, count);
        if (facts.opened)
            totals.bytes += facts.size;
    }
    totals.files = count;
}

void SectionWriter::writeSubdirectoryLines(const TreeDirectory &dir, int nameColumn)
{
    SubdirectoryListing listing;
    const QLocale locale = QLocale::system();
    for (qsizetype i = 0; i < dir.subdirectories.size(); ++i) {
        Subdirectory sub{dir.subdirectories.at(i), QString(), std::nullopt};
        if (size_t(i) < dir.subdirectoryModified.size()) {
            sub.modifiedSecs = dir.subdirectoryModified[size_t(i)];
            // As the listed directory's lines word a date the system did not tell.
            sub.date = sub.modifiedSecs ? dateText(QDateTime::fromSecsSinceEpoch(*sub.modifiedSecs), locale)
                                        : QStringLiteral("unknown");
        }
        listing.longestName = qMax(listing.longestName, sub.name.readableLength());
        listing.entries.push_back(std::move(sub));
    }
    // The path shown before each name: its names in their readable form.
    const QString shown = dir.path.isEmpty() ? request.directory
                                             : withTrailingSeparator(request.directory, nativePathStyle())
                                                   + QDir::toNativeSeparators(dir.path.readable());
    ::writeSubdirectoryLines(out, listing, withTrailingSeparator(shown, nativePathStyle()),
                             request.settings.showPath, request.fileDate, nameColumn, request.searchable);
}
