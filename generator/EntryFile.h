// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an entry's details need from its file, gathered before the entry is
// written: one opening of the file serves its size, its date and its
// picture header. Only regular files are opened: a name that meanwhile
// became a directory, a FIFO or a device counts as a file that cannot be
// opened, and never blocks the run.

#include "generator/FileName.h"
#include "generator/PictureProbes.h"

#include <optional>
#include <vector>

class BatchOpener;
class DirectoryFiles;

// What a run's entries need, the same for all of them.
struct FactsWanted {
    bool sizeOrDate = false;
    bool pictureSize = false;     // for shrinking or the picture-size detail
    bool modernPictures = false;  // also PNG, WebP, BMP, and JPEG of any layout
    bool any() const { return sizeOrDate || pictureSize; }
};

struct EntryFacts {
    bool opened = false;        // the file was opened for reading
    int osError = 0;            // not opened: why, where the system said
    qint64 size = 0;
    qint64 modifiedSecs = 0;    // last write, seconds since the epoch
    bool picture = false;       // the extension names a picture whose size was wanted
    std::optional<PictureSize> pictureSize;  // when its header gave one
};

// The facts of names[first] to names[end - 1] of directory, into facts.
// Each file is opened once, and only when anything of it is wanted.
void gatherEntryFacts(BatchOpener &opener, const DirectoryFiles &directory, const FileNames &names, qsizetype first,
                      qsizetype end, const FactsWanted &wanted, std::vector<EntryFacts> &facts);
