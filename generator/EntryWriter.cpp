// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/EntryWriter.h"

#include "generator/DateText.h"
#include "generator/HtmlText.h"
#include "generator/PageOutput.h"
#include "generator/ReadableFileName.h"
#include "generator/RunFeedback.h"
#include "generator/ThumbnailMarkup.h"
#include "platform/core/NativePaths.h"

#include <QDir>

namespace {

int decimalDigits(qint64 value)
{
    int digits = 1;
    for (qint64 v = value < 0 ? -(value / 10) : value / 10; v != 0; v /= 10)
        ++digits;
    return digits;
}

ThumbnailResult noThumbnail()
{
    ThumbnailResult none;
    none.problem = ThumbnailProblem::NotAPicture;
    return none;
}

} // namespace

EntryWriter::EntryWriter(const DocumentRequest &page, PageOutput &output, RunFeedback &runFeedback,
                         PlainTextColumns plainTextColumns)
    : request(page), out(output), feedback(runFeedback), columns(plainTextColumns),
      dirPath(withTrailingSeparator(request.directory, nativePathStyle())),
      rootShownPath(htmlText(readableText(dirPath))),
      rootUrlPrefix(linkText(fileUrlPrefix(dirPath, nativePathStyle()).toUtf8())), locale(QLocale::system())
{
    shownPath = rootShownPath;
    urlPrefix = rootUrlPrefix;
}

void EntryWriter::enterDirectory(const FileName &path, PlainTextColumns sectionColumns)
{
    columns = sectionColumns;
    if (path.isEmpty()) {
        shownPath = rootShownPath;
        urlPrefix = rootUrlPrefix;
        linkPrefix.clear();
        pathPrefix.clear();
        return;
    }
    pathPrefix = path.bytes() + '/';
    // Each name of the path encoded on its own: a name never holds a '/'.
    linkPrefix = relativeLink(pathPrefix);
    urlPrefix = rootUrlPrefix + linkText(pathPrefix);
    const QString shown = QDir::toNativeSeparators(path.readable()) + pathSeparator(nativePathStyle());
    shownPath = rootShownPath + htmlText(shown);
}

void EntryWriter::writeEntry(const FileName &entryName, const EntryFacts &entryFacts)
{
    name = &entryName;
    facts = &entryFacts;
    unreadableReported = false;
    thumbnail = thumbnails ? thumbnails->take() : noThumbnail();

    int pictureWidth = 0;
    if (request.shrinkToFit) {
        if (const std::optional<PictureSize> size = pictureSize(); size && size->width != 0)
            pictureWidth = shrunkWidth(size->width);
    }
    const bool absolute = request.settings.linkStyle == LinkStyle::Absolute;
    const QByteArray &bytes = entryName.bytes();
    QByteArray link;  // plain text has none
    if (request.settings.entryMode != EntryMode::PlainText) {
        link = absolute               ? urlPrefix + linkText(bytes)
               : linkPrefix.isEmpty() ? relativeLink(bytes)
                                      : linkPrefix + linkText(bytes);
    }
    const QByteArray text = htmlName(entryName);
    writeBody(absolute && request.settings.showPath ? shownPath + text : text, link, pictureWidth);
    writeDetails();
    lineBreak();
}

QByteArray EntryWriter::factAttributes(const EntryFacts &entryFacts) const
{
    QByteArray attributes;
    if (!request.searchable || !entryFacts.opened)
        return attributes;
    // Unquoted numbers and one-letter names: they are repeated for every entry.
    if (request.fileSize)
        attributes += " data-s=" + QByteArray::number(entryFacts.size);
    if (request.fileDate)
        attributes += " data-t=" + QByteArray::number(entryFacts.modifiedSecs);
    if (request.pictureSize && entryFacts.picture && entryFacts.pictureSize) {
        attributes += " data-w=" + QByteArray::number(entryFacts.pictureSize->width) + " data-h="
                      + QByteArray::number(entryFacts.pictureSize->height);
    }
    return attributes;
}

void EntryWriter::writeBody(const QByteArray &text, const QByteArray &link, int pictureWidth)
{
    switch (request.settings.entryMode) {
    case EntryMode::Picture:
        // A thumbnail always links to its picture, and has its own size.
        if (thumbnail.made())
            out.put(thumbnailPicture(link, thumbnail));
        else
            writePicture(link, pictureWidth);
        out.putLine("<BR><BR>");
        out.put("<STRONG>" + text + "</STRONG>");
        break;
    case EntryMode::PlainText:
        out.put(text);
        break;
    case EntryMode::Link:
        out.put("<A HREF=\"" + link + "\">" + text + "</A>");
        break;
    }
}

void EntryWriter::writePicture(const QByteArray &link, int pictureWidth)
{
    if (request.pictureAsLink)
        out.put("<A HREF=\"" + link + "\">");
    if (pictureWidth != 0)
        out.put("<IMG WIDTH = \"" + QByteArray::number(pictureWidth) + "\" SRC=\"" + link + "\">");
    else
        out.put("<IMG SRC=\"" + link + "\">");
    if (request.pictureAsLink)
        out.put("</A>");
}

void EntryWriter::writeDetails()
{
    if (request.fileSize) {
        if (!facts->opened) {
            reportUnreadable();
        } else {
            const qint64 size = facts->size;
            leadIn(Detail::Size);
            if (request.settings.entryMode != EntryMode::Picture)
                total += size;
            if (aligned())
                out.pad(11 - decimalDigits(size));
            out.putNumber(size);
            out.put(" Bytes");
        }
    }
    if (request.fileDate) {
        if (!facts->opened) {
            reportUnreadable();
        } else {
            leadIn(Detail::Date);
            out.put(modifiedText(facts->modifiedSecs));
        }
    }
    if (request.pictureSize) {
        if (const std::optional<PictureSize> size = pictureSize()) {
            leadIn(Detail::PictureFormat);
            out.put(size->format + ' ' + QByteArray::number(size->width) + 'x' + QByteArray::number(size->height));
        }
    }
}

std::optional<PictureSize> EntryWriter::pictureSize()
{
    if (!facts->picture)
        return std::nullopt;
    if (!facts->opened) {
        reportUnreadable();
        return std::nullopt;
    }
    return facts->pictureSize;
}

int EntryWriter::shrunkWidth(int width) const
{
    const int usable = request.screenWidth - 40;
    const int tableColumns = request.settings.table.columns;
    // Halving never gets below a negative limit: treat it as 0.
    const int limit = qMax(0, tableColumns != 0 ? usable / tableColumns : usable);
    while (width > limit)
        width /= 2;
    return width;
}

bool EntryWriter::aligned() const
{
    return request.settings.entryMode == EntryMode::PlainText && !isTable();
}

void EntryWriter::leadIn(Detail detail)
{
    if (!aligned()) {
        if (isTable())
            out.putLine("<BR>");
        else if (request.settings.entryMode != EntryMode::PlainText)
            out.put(", ");
        return;
    }
    const int nameLength = name->readableLength();
    const bool afterColumn = (detail == Detail::Date && request.fileSize)
                             || (detail == Detail::PictureFormat && (request.fileSize || request.fileDate));
    if (afterColumn)
        out.pad(3);
    else if (detail == Detail::Size || !columns.afterSubdirectoryLines)
        out.pad(columns.nameWidth + 2 - nameLength);
    else
        out.pad(columns.nameWidth + 22 - nameLength);
}

void EntryWriter::lineBreak()
{
    if (isTable())
        return;
    // A searchable page's list item ends its line itself.
    if (request.settings.entryMode == EntryMode::PlainText)
        out.putLine(request.searchable ? "" : "<BR>");
    else
        out.putLine("<BR><BR>");
}

void EntryWriter::reportUnreadable()
{
    if (unreadableReported)
        return;
    feedback.report(FileUnreadable{pathPrefix.isEmpty() ? *name : FileName(pathPrefix + name->bytes()), facts->osError});
    unreadableReported = true;
}

const QByteArray &EntryWriter::modifiedText(qint64 modifiedSecs)
{
    ModifiedText &slot = modifiedTexts[size_t(quint64(modifiedSecs) % modifiedTexts.size())];
    if (slot.secs != modifiedSecs) {
        slot.text = htmlAscii(dateText(QDateTime::fromSecsSinceEpoch(modifiedSecs), locale));
        slot.secs = modifiedSecs;
    }
    return slot.text;
}
