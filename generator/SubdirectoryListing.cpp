// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SubdirectoryListing.h"

#include "generator/DateText.h"
#include "generator/DirectoryAccess.h"
#include "generator/HtmlText.h"
#include "generator/PageOutput.h"
#include "generator/ReadableFileName.h"

#include <QCollator>
#include <QDateTime>

#include <algorithm>
#include <numeric>

SubdirectoryListing listSubdirectories(const QString &dir, const QLocale &locale)
{
    SubdirectoryListing listing;
    QList<QString> readable;  // per entry, for the sort
    forEachSubdirectory(dir, [&](QByteArrayView name, std::optional<qint64> modified) {
        Subdirectory sub{FileName(name.toByteArray()), QStringLiteral("unknown"), modified};
        if (modified)
            sub.date = dateText(QDateTime::fromSecsSinceEpoch(*modified), locale);
        readable << sub.name.readable();
        listing.longestName = qMax(listing.longestName, readableLength(readable.back()));
        listing.entries << std::move(sub);
    });

    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<qsizetype> order(listing.entries.size());
    std::iota(order.begin(), order.end(), 0);
    // Names equal but for case keep one fixed order from run to run.
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = collator.compare(readable[a], readable[b]);
        if (c != 0)
            return c < 0;
        if (readable[a] != readable[b])
            return readable[a] < readable[b];
        return listing.entries[a].name.bytes() < listing.entries[b].name.bytes();
    });
    QList<Subdirectory> sorted;
    sorted.reserve(order.size());
    for (const qsizetype i : order)
        sorted << std::move(listing.entries[i]);
    listing.entries = std::move(sorted);
    return listing;
}

void writeSubdirectoryLines(PageOutput &out, const SubdirectoryListing &listing, const QString &dirPath,
                            bool showPath, bool withDates, int nameColumn, bool searchable)
{
    const QByteArray path = showPath ? htmlText(readableText(dirPath)) : QByteArray();
    for (const Subdirectory &sub : listing.entries) {
        if (searchable) {
            out.put(withDates && sub.modifiedSecs ? "<LI class=d data-t=" + QByteArray::number(*sub.modifiedSecs) + '>'
                                                  : QByteArray("<LI class=d>"));
        }
        out.put(path);
        out.put(htmlName(sub.name));
        out.pad(nameColumn + 10 - sub.name.readableLength());
        out.put("Directory");
        if (withDates) {
            out.put("&nbsp;&nbsp;&nbsp;");
            out.put(htmlAscii(sub.date));
        }
        out.putLine(searchable ? "" : "<BR>");
    }
}
