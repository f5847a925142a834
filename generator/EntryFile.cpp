#include "generator/EntryFile.h"

#include "generator/BatchOpener.h"

namespace {

enum class PictureClass { None, Gif, Jpeg, Png, Webp, Bmp };

// The extension from the last dot, compared exactly: .Gif or .Jpg are no
// pictures. PNG, WebP and BMP only when asked for.
PictureClass pictureClass(const QString &fileName, bool modern)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return PictureClass::None;
    const QStringView ext = QStringView(fileName).mid(dot);
    if (ext == u".gif" || ext == u".GIF")
        return PictureClass::Gif;
    if (ext == u".jpg" || ext == u".JPG" || ext == u".jpeg" || ext == u".JPEG")
        return PictureClass::Jpeg;
    if (!modern)
        return PictureClass::None;
    if (ext == u".png" || ext == u".PNG")
        return PictureClass::Png;
    if (ext == u".webp" || ext == u".WEBP")
        return PictureClass::Webp;
    if (ext == u".bmp" || ext == u".BMP")
        return PictureClass::Bmp;
    return PictureClass::None;
}

std::optional<PictureSize> probe(PictureClass kind, QIODevice &in, bool modern)
{
    switch (kind) {
    case PictureClass::Gif: return probeGif(in);
    case PictureClass::Jpeg: return probeJpeg(in, !modern);
    case PictureClass::Png: return probePng(in);
    case PictureClass::Webp: return probeWebp(in);
    case PictureClass::Bmp: return probeBmp(in);
    case PictureClass::None: break;
    }
    return std::nullopt;
}

} // namespace

void gatherEntryFacts(BatchOpener &opener, const DirectoryFiles &directory, const QStringList &names, qsizetype first,
                      qsizetype end, const FactsWanted &wanted, std::vector<EntryFacts> &facts)
{
    facts.assign(size_t(end - first), EntryFacts());
    std::vector<FileToOpen> files;
    std::vector<size_t> entryOf;  // per file, its entry in facts
    std::vector<PictureClass> kinds;
    for (qsizetype i = first; i < end; ++i) {
        const PictureClass kind = wanted.pictureSize ? pictureClass(names.at(i), wanted.modernPictures) : PictureClass::None;
        EntryFacts &entry = facts[size_t(i - first)];
        entry.picture = kind != PictureClass::None;
        if (!wanted.sizeOrDate && !entry.picture)
            continue;
        files.push_back({encodedFileName(names.at(i)), entry.picture});
        entryOf.push_back(size_t(i - first));
        kinds.push_back(kind);
    }
    opener.openAll(directory, files, [&](size_t file, const OpenedFileFacts &opened, QIODevice *in) {
        EntryFacts &entry = facts[entryOf[file]];
        entry.opened = opened.ok;
        entry.osError = opened.osError;
        entry.size = opened.size;
        entry.modifiedSecs = opened.modifiedSecs;
        if (in)
            entry.pictureSize = probe(kinds[file], *in, wanted.modernPictures);
    });
}
