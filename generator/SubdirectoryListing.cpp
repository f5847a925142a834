#include "generator/SubdirectoryListing.h"

#include "generator/DateText.h"
#include "generator/HtmlText.h"
#include "generator/PageOutput.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

SubdirectoryListing listSubdirectories(const QString &dir, const QLocale &locale)
{
    SubdirectoryListing listing;
    // Without QDir::Hidden and QDir::System, hidden entries stay out.
    const QFileInfoList found = QDir(dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &info : found) {
        const QString name = info.fileName();
        listing.names << name;
        const QDateTime modified = info.lastModified();
        listing.dates.insert(name, dateText(modified, locale));
        listing.modified.insert(name, modified.toSecsSinceEpoch());
        listing.longestName = qMax(listing.longestName, int(name.size()));
    }

    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Names equal but for case keep one fixed order from run to run.
    std::sort(listing.names.begin(), listing.names.end(), [&](const QString &a, const QString &b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return listing;
}

void writeSubdirectoryLines(PageOutput &out, const SubdirectoryListing &listing, const QString &dirPath,
                            bool showPath, bool withDates, int nameColumn, bool searchable)
{
    for (const QString &name : listing.names) {
        if (searchable) {
            const auto modified = listing.modified.constFind(name);
            out.put(withDates && modified != listing.modified.constEnd()
                        ? "<LI class=d data-t=" + QByteArray::number(*modified) + '>'
                        : QByteArray("<LI class=d>"));
        }
        out.put(htmlText(showPath ? dirPath + name : name));
        out.pad(nameColumn + 10 - int(name.size()));
        out.put("Directory");
        if (withDates) {
            out.put("&nbsp;&nbsp;&nbsp;");
            out.put(listing.dates.value(name, QStringLiteral("unknown")).toLocal8Bit());
        }
        out.putLine(searchable ? "" : "<BR>");
    }
}
