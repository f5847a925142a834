#include "DocumentGenerator.h"

#include "DateText.h"
#include "DocumentView.h"
#include "EntryFile.h"
#include "HtmlText.h"
#include "MessageBoxes.h"
#include "PictureProbes.h"
#include "RunFeedback.h"
#include "ScreenInfo.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// Raised by every failed write on the document; ends the run.
struct OutputFailure {
    int code;
};

enum class PictureClass { None, Gif, Jpeg };

// The extension from the last dot, compared exactly: .Gif or .Jpg are no pictures.
PictureClass pictureClass(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return PictureClass::None;
    const QStringView ext = QStringView(fileName).mid(dot);
    if (ext == u".gif" || ext == u".GIF")
        return PictureClass::Gif;
    if (ext == u".jpg" || ext == u".JPG" || ext == u".jpeg" || ext == u".JPEG")
        return PictureClass::Jpeg;
    return PictureClass::None;
}

int decimalDigits(qint64 value)
{
    int digits = 1;
    for (qint64 v = value < 0 ? -(value / 10) : value / 10; v != 0; v /= 10)
        ++digits;
    return digits;
}

} // namespace

DocumentGenerator::DocumentGenerator(GenerationOptions &options, const DocumentView &view,
                                     RunFeedback &feedback, MessageBoxes &messages,
                                     const ScreenInfo &screen)
    : o(options), view(view), feedback(feedback), messages(messages), screen(screen),
      outputFactory(makeSaveOutputFile)
{
}

DocumentGenerator::~DocumentGenerator() = default;

void DocumentGenerator::setOutputFileFactory(OutputFileFactory factory)
{
    outputFactory = factory ? std::move(factory) : OutputFileFactory(makeSaveOutputFile);
}

RunOutcome DocumentGenerator::makefilebuttonClick()
{
    o.TotalBytes = 0;
    feedback.setStatusText(QString());
    o.ProgressCount = 0;
    selectedTotal = view.selectedCount();
    feedback.setProgressMaximum(selectedTotal);
    feedback.setProgressPosition(0);

    const PathStyle style = nativePathStyle();
    o.CurrentDirPath = withTrailingSeparator(view.directoryListDirectory(), style);
    // A root start directory keeps its single separator, as the listed directory does.
    o.DocumentDirPrefix = view.absoluteChosen() ? withTrailingSeparator(o.StartDirectory, style)
                                                : QString();

    if (selectedTotal <= 0) {
        messages.show(MessageType::Error, QStringLiteral("No Files selected!"), MessageButtons::Ok);
        return RunOutcome::NoSelection;
    }

    const QString name = view.documentName();
    QString outputPath;
    if (name.isEmpty()) {
        o.DocumentFileName = o.DefaultFileName + QStringLiteral(".htm");
        outputPath = o.DocumentDirPrefix + o.DocumentFileName;
    } else {
        const QString ext = o.UseHtmlExtension ? QStringLiteral(".html") : QStringLiteral(".htm");
        o.DocumentPath = o.DocumentDirPrefix + name + ext;
        o.DocumentFileName = name + ext;
        outputPath = o.DocumentPath;
    }

    {
        QFile existing;
        if (openListedFile(existing, outputPath)) {
            existing.close();
            const MessageResult answer = messages.show(
                MessageType::Information,
                QStringLiteral("The HTML-Document ") + o.DocumentFileName + QStringLiteral(" already exists! Overwrite?"),
                MessageButtons::YesNo);
            if (answer != MessageResult::Yes)
                return RunOutcome::Declined;
        }
    }

    locale = QLocale::system();
    lastDateValid = false;
    try {
        writehtmlfile(outputPath);
    } catch (const OutputFailure &failure) {
        out.reset();  // discards the unfinished document; the old one stays
        o.SubdirList.clear();
        messages.show(MessageType::Error, outputErrorText(failure.code, outputPath), MessageButtons::Ok);
        return RunOutcome::Failed;
    }
    return RunOutcome::Completed;
}

void DocumentGenerator::writehtmlfile(const QString &outputPath)
{
    o.SubdirCount = 0;
    o.EntryIndex = 0;
    out = outputFactory(outputPath);
    if (!out->open())
        throw OutputFailure{out->error()};

    makehtmlhead();

    o.MaxNameLen = 0;
    o.NameLen = 0;
    o.MaxSubdirNameLen = 0;
    // FileCount bounds the walk; the list itself is the last word on what exists.
    const int count = qMin(o.FileCount, view.fileItemCount());

    if (o.PlainTextMode && !o.TableLayout) {
        const bool subdirs = view.showSubdirChecked();
        if (subdirs)
            collectSubdirectories();
        for (o.FileIndex = 0; o.FileIndex < count; ++o.FileIndex) {
            if (view.fileSelected(o.FileIndex)) {
                o.NameLen = int(view.fileItem(o.FileIndex).size());
                o.MaxNameLen = qMax(o.MaxNameLen, o.NameLen);
            }
        }
        o.MaxNameLen = qMax(o.MaxNameLen, o.MaxSubdirNameLen);
        if (subdirs)
            writeSubdirectoryLines();
    }

    const bool absolute = view.absoluteChosen();
    for (o.FileIndex = 0; o.FileIndex < count; ++o.FileIndex) {
        if (!view.fileSelected(o.FileIndex))
            continue;
        ++o.EntryIndex;
        if (absolute)
            makeabsolutehtmlline(o.FileIndex, o.EntryIndex);
        else
            makehtmlline(o.FileIndex, o.EntryIndex);
    }

    makehtmltail();
    if (!out->commit())
        throw OutputFailure{out->error()};
    out.reset();

    feedback.setStatusText(QStringLiteral("Document created"));
    o.DocumentFileName = (absolute ? withTrailingSeparator(o.StartDirectory, nativePathStyle())
                                   : o.CurrentDirPath)
                         + o.DocumentFileName;
    o.LastDocumentName = o.DocumentFileName;
    feedback.setBrowserButton(QStringLiteral("Show ") + o.LastDocumentName + QStringLiteral(" with ")
                                  + o.BrowserDisplayName,
                              true);
    if (o.PlaySoundEnabled && o.SoundReady)
        feedback.playCompletionSound();
}

void DocumentGenerator::collectSubdirectories()
{
    o.SubdirList.clear();
    // Without QDir::Hidden and QDir::System, hidden entries stay out.
    const QFileInfoList found = QDir(view.fileListDirectory())
                                    .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &info : found) {
        const QString name = info.fileName();
        o.SubdirList << name;
        o.DateText = dateText(info.lastModified(), locale);
        dirinfolisteappend(o.DirInfoHead, name, o.DateText);
    }

    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Names equal but for case keep one fixed order from run to run.
    std::sort(o.SubdirList.begin(), o.SubdirList.end(), [&](const QString &a, const QString &b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });

    for (const QString &name : std::as_const(o.SubdirList))
        o.MaxSubdirNameLen = qMax(o.MaxSubdirNameLen, int(name.size()));
    o.NameLen = 0;
}

void DocumentGenerator::writeSubdirectoryLines()
{
    const bool dates = view.fileDateChecked();
    for (const QString &name : std::as_const(o.SubdirList)) {
        put(htmlText(o.ShowPath ? o.CurrentDirPath + name : name));
        o.PadCounter = int(name.size());
        pad(o.MaxNameLen + 10 - int(name.size()));
        put("Directory");
        if (dates) {
            o.DirInfoCursor = o.DirInfoHead;
            o.DateText = dirinfolistesearch(name);
            put("&nbsp;&nbsp;&nbsp;");
            put(o.DateText.toLocal8Bit());
        }
        putLine("<BR>");
    }
    o.SubdirCount = int(o.SubdirList.size());
    o.SubdirList.clear();
}

void DocumentGenerator::dirinfolisteappend(DirInfoEntry *&head, const QString &name, const QString &date)
{
    o.DirInfoStore.push_back(DirInfoEntry{name, date, head});
    head = &o.DirInfoStore.back();
    if (&head == &o.DirInfoHead)
        o.DirInfoIndex.insert(name, head);
}

QString DocumentGenerator::dirinfolistesearch(const QString &name)
{
    if (o.DirInfoCursor != nullptr && o.DirInfoCursor == o.DirInfoHead) {
        // From the head, the newest record of the name is the one the walk would find.
        o.DirInfoCursor = o.DirInfoIndex.value(name, nullptr);
    } else {
        while (o.DirInfoCursor != nullptr && o.DirInfoCursor->Name != name)
            o.DirInfoCursor = o.DirInfoCursor->Next;
    }
    return o.DirInfoCursor ? o.DirInfoCursor->DateText : QStringLiteral("unknown");
}

void DocumentGenerator::SplitColor(qint32 color)
{
    // Only the low 24 bits are a colour; anything above would give
    // components outside 0..255 and hexadecimal texts of the wrong length.
    const qint32 rgb = color & 0xFFFFFF;
    o.ColorRed = rgb % 256;
    o.ColorGreen = (rgb / 256) % 256;
    o.ColorBlue = ((rgb / 256) / 256) % 256;
}

void DocumentGenerator::putColor(qint32 color)
{
    SplitColor(color);
    for (const qint32 component : {o.ColorRed, o.ColorGreen, o.ColorBlue})
        put(QByteArray::number(component, 16).toUpper().rightJustified(2, '0'));
}

void DocumentGenerator::makehtmlhead()
{
    putLine("<HTML>");
    putLine("<HEAD>");
    putLine("<TITLE>");
    const QString title = view.titleText();
    putLine((title.isEmpty() ? o.DefaultTitle : title).toLocal8Bit());
    putLine("</TITLE>");
    putLine("</HEAD>");

    put("<BODY BGCOLOR=#");
    putColor(o.BgColor);
    put(" ");
    put("LINK=#");
    putColor(o.LinkColor);
    put(" ");
    put("VLINK=#");
    putColor(o.VLinkColor);
    put(" ");
    put("TEXT=#");
    putColor(o.TextColor);
    putLine(">");

    if (view.centerChecked())
        putLine("<CENTER>");
    if (view.headingChecked()) {
        const QString heading = view.headingText();
        put("<H1>");
        put((heading.isEmpty() ? o.DefaultHeading : heading).toLocal8Bit());
        putLine("</H1>");
    }
    if (o.PlainTextMode)
        putLine("<FONT FACE = \"Courier New\">");
    if (o.TableLayout) {
        put("<TABLE BORDER = \"");
        put(o.TableBorderText.toLocal8Bit());
        putLine("\" CELLPADDING = \"5\">");
    }
}

void DocumentGenerator::makehtmltail()
{
    if (o.PlainTextMode && !o.TableLayout) {
        putLine("<BR>");
        if (view.showSubdirChecked()) {
            if (o.SubdirCount == 1)
                put("1 Directory, ");
            else if (o.SubdirCount >= 2)
                put(QByteArray::number(o.SubdirCount) + " Directories, ");
        }
        put(QByteArray::number(selectedTotal) + " Files");
        if (view.fileSizeChecked())
            put(", " + QByteArray::number(o.TotalBytes) + " Bytes");
        putLine("");
    }
    if (o.TableLayout)
        putLine("</TABLE>");
    if (o.PlainTextMode)
        putLine("</FONT>");
    if (view.centerChecked())
        putLine("</CENTER>");
    putLine("</BODY>");
    putLine("</HTML>");
}

QString DocumentGenerator::convdirtolinkformat(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString DocumentGenerator::fileUrlPrefix(const QString &dirPath, PathStyle style)
{
    // A POSIX path begins with its own slash: file:// + /home/ann/ gives file:///home/ann/.
    if (style == PathStyle::Windows)
        return QStringLiteral("file:///") + convdirtolinkformat(dirPath);
    return QStringLiteral("file://") + dirPath;
}

void DocumentGenerator::makehtmlline(int index, int position)
{
    ++o.ProgressCount;
    feedback.setProgressPosition(o.ProgressCount);
    const QString name = view.fileItem(index);
    openCell(position);
    writehtmlline(name, name, relativeLinkTarget(name));
    closeCell(position);
}

void DocumentGenerator::makeabsolutehtmlline(int index, int position)
{
    ++o.ProgressCount;
    feedback.setProgressPosition(o.ProgressCount);
    const QString name = view.fileItem(index);
    openCell(position);
    writehtmlline(name, o.ShowPath ? o.CurrentDirPath + name : name,
                  fileUrlPrefix(o.CurrentDirPath, nativePathStyle()) + name);
    closeCell(position);
}

void DocumentGenerator::openCell(int position)
{
    if (!o.TableLayout)
        return;
    const int columns = qMax(1, o.TableColumns);
    if ((position - 1) % columns == 0)
        putLine("<TR>");
    putLine("<TD ALIGN=\"" + o.TableAlign.toLocal8Bit() + "\" VALIGN=\"" + o.TableVAlign.toLocal8Bit()
            + "\">");
}

void DocumentGenerator::closeCell(int position)
{
    if (!o.TableLayout)
        return;
    const int columns = qMax(1, o.TableColumns);
    putLine("</TD>");
    if (position % columns == 0 || position == selectedTotal)
        putLine("</TR>");
}

bool DocumentGenerator::alignedPlainText() const
{
    return !o.EmbedPictures && o.PlainTextMode && !o.TableLayout;
}

void DocumentGenerator::nextline()
{
    if (o.TableLayout)
        putLine("<BR>");
    else if (o.EmbedPictures || !o.PlainTextMode)
        put(", ");
}

void DocumentGenerator::makehtmllinebreak()
{
    if (o.TableLayout)
        return;
    if (o.EmbedPictures || !o.PlainTextMode)
        putLine("<BR><BR>");
    else
        putLine("<BR>");
}

void DocumentGenerator::writehtmlline(const QString &FileName, const QString &DisplayText,
                                      const QString &LinkTarget)
{
    o.PictureWidth = 0;
    o.FileErrorShown = false;
    const PictureClass kind = pictureClass(FileName);
    const bool shrink = view.shrinkOn();

    if (shrink) {
        if (kind == PictureClass::Gif) {
            if (getgifsize(FileName))
                o.PictureWidth = o.GifWidth;
        } else if (kind == PictureClass::Jpeg) {
            if (getjpegsize(FileName))
                o.PictureWidth = o.JpegWidth;
        }
    }
    if (o.PictureWidth != 0)
        shrinkToFit();

    const QByteArray text = htmlText(DisplayText);
    const QByteArray link = linkText(LinkTarget);
    if (o.EmbedPictures) {
        const bool asLink = view.pictureAsLinkOn();
        if (asLink)
            put("<A HREF=\"" + link + "\">");
        if (shrink && o.PictureWidth != 0)
            put("<IMG WIDTH = \"" + QByteArray::number(o.PictureWidth) + "\" SRC=\"");
        else
            put("<IMG SRC=\"");
        put(link);
        put("\">");
        if (asLink)
            put("</A>");
        if (o.TableLayout)
            putLine("<BR><BR>");
        else
            makehtmllinebreak();
        put("<STRONG>");
        put(text);
        put("</STRONG>");
    } else if (o.PlainTextMode) {
        put(text);
    } else {
        put("<A HREF=\"");
        put(link);
        put("\">");
        put(text);
        put("</A>");
    }

    const bool sizeShown = view.fileSizeChecked();
    const bool dateShown = view.fileDateChecked();
    const bool pictureSizeShown = view.pictureSizeChecked();
    const bool aligned = alignedPlainText();

    // One open serves both details: a file cannot change between them
    // while the run holds the thread, and every open costs system calls.
    std::optional<ListedFileFacts> facts;
    const auto entryFile = [&]() -> const ListedFileFacts & {
        if (!facts)
            facts = listedFileFacts(FileName);
        return *facts;
    };
    if (sizeShown) {
        if (!entryFile().ok) {
            accessError(FileName);
        } else {
            const qint64 size = facts->size;
            leadIn(Detail::Size, FileName, sizeShown, dateShown);
            if (!o.EmbedPictures) {
                o.EntryFileSize = size;
                o.TotalBytes += size;
            }
            if (aligned) {
                o.DigitScratch = decimalDigits(size);
                pad(11 - o.DigitScratch);
            }
            put(QByteArray::number(size) + " Bytes");
        }
    }
    if (dateShown) {
        if (!entryFile().ok) {
            accessError(FileName);
        } else {
            leadIn(Detail::Date, FileName, sizeShown, dateShown);
            o.DateText = entryDateText(facts->modifiedSecs);
            put(o.DateText.toLocal8Bit());
        }
    }
    if (pictureSizeShown) {
        if (kind == PictureClass::Gif && getgifsize(FileName)) {
            leadIn(Detail::PictureFormat, FileName, sizeShown, dateShown);
            put((o.GifSignature + QLatin1Char(' ') + o.GifWidthText + QLatin1Char('x') + o.GifHeightText)
                    .toLatin1());
        } else if (kind == PictureClass::Jpeg && getjpegsize(FileName)) {
            leadIn(Detail::PictureFormat, FileName, sizeShown, dateShown);
            put((QStringLiteral("JPEG ") + o.JpegWidthText + QLatin1Char('x') + o.JpegHeightText).toLatin1());
        }
    }

    makehtmllinebreak();
    o.FileErrorShown = false;
}

QString DocumentGenerator::entryDateText(qint64 modifiedSecs)
{
    // Files written together share their stamps; converting to local time
    // asks the system for the time zone each time, so reuse the last text.
    if (!lastDateValid || modifiedSecs != lastDateKey) {
        lastDateText = dateText(QDateTime::fromSecsSinceEpoch(modifiedSecs), locale);
        lastDateKey = modifiedSecs;
        lastDateValid = true;
    }
    return lastDateText;
}

void DocumentGenerator::shrinkToFit()
{
    const int usable = screen.screenWidth() - 40;
    o.MaxPictureWidth = o.TableColumns != 0 ? usable / o.TableColumns : usable;
    // Halving never gets below a negative limit: treat it as 0.
    if (o.MaxPictureWidth < 0)
        o.MaxPictureWidth = 0;
    while (o.PictureWidth > o.MaxPictureWidth)
        o.PictureWidth /= 2;
}

void DocumentGenerator::leadIn(Detail detail, const QString &fileName, bool sizeShown, bool dateShown)
{
    if (!alignedPlainText()) {
        nextline();
        return;
    }
    const int nameLen = int(fileName.size());
    const bool afterColumn = (detail == Detail::Date && sizeShown)
                             || (detail == Detail::PictureFormat && (sizeShown || dateShown));
    if (afterColumn)
        pad(3);
    else if (detail == Detail::Size || o.SubdirCount == 0)
        pad(o.MaxNameLen + 2 - nameLen);
    else
        pad(o.MaxNameLen + 22 - nameLen);
}

void DocumentGenerator::accessError(const QString &fileName)
{
    if (o.FileErrorShown)
        return;
    messages.show(MessageType::Warning, QStringLiteral("File access error\r") + fileName, MessageButtons::Ok);
    o.FileErrorShown = true;
}

bool DocumentGenerator::getgifsize(const QString &fileName)
{
    QFile file;
    if (!openListedFile(file, fileName)) {
        accessError(fileName);
        return false;
    }
    const GifProbe probe = probeGif(file);
    if (probe.signatureRead)
        o.GifSignature = QString::fromLatin1(probe.signature);
    if (!probe.ok)
        return false;
    o.GifWidth = probe.width;
    o.GifWidthText = QString::number(probe.width);
    o.GifHeightText = QString::number(probe.height);
    return true;
}

bool DocumentGenerator::getjpegsize(const QString &fileName)
{
    QFile file;
    if (!openListedFile(file, fileName)) {
        accessError(fileName);
        return false;
    }
    const JpegProbe probe = probeJpeg(file);
    if (!probe.ok)
        return false;
    o.JpegWidth = probe.width;
    o.JpegWidthText = QString::number(probe.width);
    o.JpegHeightText = QString::number(probe.height);
    return true;
}

void DocumentGenerator::pad(int count)
{
    static const QByteArray run = QByteArray("&nbsp;").repeated(64);
    if (count <= 0)
        return;
    o.PadCounter += count;
    for (int left = count; left > 0; left -= 64)
        put(QByteArrayView(run).first(6 * qMin(left, 64)));
}

void DocumentGenerator::put(QByteArrayView bytes)
{
    if (!out->write(bytes))
        throw OutputFailure{out->error()};
}

void DocumentGenerator::putLine(QByteArrayView bytes)
{
    // One write per line, in a buffer kept from line to line.
    lineBuffer.resize(0);
    lineBuffer.append(bytes);
    lineBuffer.append("\r\n", 2);
    put(lineBuffer);
}
