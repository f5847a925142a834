// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of the page: a link, a picture with its caption, or a line of
// plain text, followed by the details the request asks for (size, date,
// picture format and size).

#include "generator/DocumentRequest.h"
#include "generator/EntryFile.h"
#include "generator/ThumbnailBatch.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

class PageOutput;
class RunFeedback;

// Where the details of a plain-text page without table stand: the names are
// padded to nameWidth; after subdirectory lines a date without a size moves
// right by the width of the size column.
struct PlainTextColumns {
    int nameWidth = 0;
    bool afterSubdirectoryLines = false;
};

class EntryWriter {
public:
    EntryWriter(const DocumentRequest &request, PageOutput &out, RunFeedback &feedback, PlainTextColumns columns);

    // A whole tree: the entries that follow are in the directory at path
    // below the listed directory ('/' between names; empty for the listed
    // one), with its section's columns.
    void enterDirectory(const FileName &path, PlainTextColumns sectionColumns);
    // Picture mode with thumbnails: each entry takes its result from batch,
    // to which the entries were added in page order.
    void takeThumbnailsFrom(ThumbnailBatch *batch) { thumbnails = batch; }

    // facts: what the entry's details need from its file, gathered before.
    void writeEntry(const FileName &name, const EntryFacts &facts);
    // A searchable page's data attributes of the entry, each with its
    // leading blank: the raw facts behind the details it shows (bytes,
    // modification time in seconds since 1970, picture width and height),
    // which the page's script sorts on. Empty on other pages.
    QByteArray factAttributes(const EntryFacts &facts) const;
    // The sizes of the link and plain-text entries written so far.
    qint64 totalBytes() const { return total; }

private:
    enum class Detail { Size, Date, PictureFormat };
    // text: as the page shows it; link: percent-encoded.
    void writeBody(const QByteArray &text, const QByteArray &link, int pictureWidth);
    void writePicture(const QByteArray &link, int pictureWidth);
    void writeDetails();
    std::optional<PictureSize> pictureSize();
    int shrunkWidth(int width) const;
    void leadIn(Detail detail);
    void lineBreak();
    void reportUnreadable();
    const QByteArray &modifiedText(qint64 modifiedSecs);
    bool aligned() const;
    bool isTable() const { return request.settings.table.isTable(); }

    const DocumentRequest &request;
    PageOutput &out;
    RunFeedback &feedback;
    PlainTextColumns columns;
    const QString dirPath;           // the listed directory and its separator
    const QByteArray rootShownPath;  // the same as the page shows it
    const QByteArray rootUrlPrefix;  // for absolute links, percent-encoded
    // The entries' directory (a whole tree's subdirectory, or the listed one).
    QByteArray shownPath;   // as the page shows it, with its separator
    QByteArray urlPrefix;   // its absolute link, percent-encoded, with '/'
    QByteArray linkPrefix;  // its relative link with '/'; empty for the listed directory
    QByteArray pathPrefix;  // its path below the listed directory with '/', for what is reported
    QLocale locale;
    qint64 total = 0;

    // One entry's state: a file that cannot be opened is reported once.
    const FileName *name = nullptr;
    const EntryFacts *facts = nullptr;
    bool unreadableReported = false;
    ThumbnailBatch *thumbnails = nullptr;
    ThumbnailResult thumbnail;

    // Files written together share their time stamps, and converting to
    // local time asks the system for the time zone: the texts of recent
    // times are kept, each in the slot its time picks.
    struct ModifiedText {
        std::optional<qint64> secs;
        QByteArray text;
    };
    std::array<ModifiedText, 512> modifiedTexts;
};
