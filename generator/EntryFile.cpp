// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/EntryFile.h"

#include "generator/BatchOpener.h"

namespace {

enum class PictureClass { None, Gif, Jpeg, Png, Webp, Bmp };

// The extension from the last dot, compared exactly: .Gif or .Jpg are no
// pictures. PNG, WebP and BMP only when asked for.
PictureClass pictureClass(const FileName &fileName, bool modern)
{
    const qsizetype dot = fileName.bytes().lastIndexOf('.');
    if (dot < 0)
        return PictureClass::None;
    const QByteArrayView ext = QByteArrayView(fileName.bytes()).sliced(dot);
    if (ext == ".gif" || ext == ".GIF")
        return PictureClass::Gif;
    if (ext == ".jpg" || ext == ".JPG" || ext == ".jpeg" || ext == ".JPEG")
        return PictureClass::Jpeg;
    if (!modern)
        return PictureClass::None;
    if (ext == ".png" || ext == ".PNG")
        return PictureClass::Png;
    if (ext == ".webp" || ext == ".WEBP")
        return PictureClass::Webp;
    if (ext == ".bmp" || ext == ".BMP")
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

void gatherEntryFacts(BatchOpener &opener, const DirectoryFiles &directory, const FileNames &names, qsizetype first,
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
        files.push_back({names.at(i).bytes(), entry.picture});
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
