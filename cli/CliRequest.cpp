// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRequest.h"

#include "generator/FileListing.h"

#include <QHash>

#include <vector>

FileSelection selectFiles(const FileNames &items, const QList<QByteArray> &names)
{
    FileSelection s;
    if (names.isEmpty()) {
        s.selected = items;
        return s;
    }
    std::vector<bool> chosen(size_t(items.size()), false);
    QHash<QByteArray, qsizetype> position;
    position.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        position.insert(items.at(i).bytes(), i);
    QMultiHash<QString, qsizetype> readable;  // made when a name is not found by its bytes
    for (const QByteArray &n : names) {
        const auto it = position.constFind(n);
        if (it != position.constEnd()) {
            chosen[size_t(*it)] = true;
            continue;
        }
        if (readable.isEmpty()) {
            for (qsizetype i = 0; i < items.size(); ++i)
                readable.insert(items.at(i).readable(), i);
        }
        const QList<qsizetype> found = readable.values(QString::fromUtf8(n));
        for (const qsizetype i : found)
            chosen[size_t(i)] = true;
        if (found.isEmpty() && !s.missing.contains(n))
            s.missing << n;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (chosen[size_t(i)])
            s.selected << items.at(i);
    }
    return s;
}

DocumentRequest commandLineRequest(const CliArguments &a, const SavedDefaults &defaults)
{
    DocumentRequest r;
    DocumentSettings &s = r.settings;
    s.entryMode = a.mode;
    s.linkStyle = a.absolute ? LinkStyle::Absolute : LinkStyle::Relative;
    s.showPath = a.absolute && a.showPath;
    s.htmlExtension = !a.htm;

    s.colors = defaults.colors;
    if (a.bgColor)
        s.colors.background = *a.bgColor;
    if (a.linkColor)
        s.colors.link = *a.linkColor;
    if (a.vlinkColor)
        s.colors.visitedLink = *a.vlinkColor;
    if (a.textColor)
        s.colors.text = *a.textColor;

    s.table = defaults.table.inRange();
    if (a.columns)
        s.table.columns = *a.columns;
    if (a.border)
        s.table.borderWidth = *a.border;
    if (a.align)
        s.table.align = *a.align;
    if (a.valign)
        s.table.verticalAlign = *a.valign;
    s.table = s.table.inRange();

    TypedDocumentTexts typed;
    typed.title = a.title.value_or(defaults.title);
    typed.heading = !a.noHeading;
    typed.headingText = a.heading.value_or(defaults.heading);
    typed.name = a.name.value_or(defaults.fileName);
    typed.htmlExtension = !a.htm;
    r.texts = resolveDocumentTexts(typed, defaults.documentTexts());
    r.center = a.center;
    r.fileSize = a.size;
    r.fileDate = a.date;
    r.pictureSize = a.pictureSize;
    r.shrinkToFit = a.mode == EntryMode::Picture && a.shrink;
    r.pictureAsLink = a.mode == EntryMode::Picture && a.pictureLink;
    r.showSubdirectories = a.mode == EntryMode::PlainText && a.subdirs;
    r.modernPictures = defaults.modernPictures || a.modernPictures;
    r.screenWidth = a.screenWidth;
    // The settings file's page extras, with the options laid over them.
    applyPageExtras(defaults.page, r);
    r.searchable = r.searchable || a.searchable;
    r.wholeTree = r.wholeTree || a.recursive;
    if (a.maxDepth)
        r.maxDepth = *a.maxDepth;
    for (const QString &patterns : a.exclude)
        r.leaveOut << maskPatterns(patterns);
    r.filter = a.filter;
    r.thumbnails = a.mode == EntryMode::Picture && (r.thumbnails || a.thumbnails);
    if (a.thumbnailSize)
        r.thumbnailSize = *a.thumbnailSize;
    return r;
}
