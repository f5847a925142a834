// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's extra features, each off by default: the whole tree below the
// listed directory, a searchable page, thumbnails. The window's "More
// Options" dialog sets them, the settings file keeps them, and quorvant-cli
// starts from what the file holds.

#include <QString>

struct DocumentRequest;

struct PageExtras {
    bool wholeTree = false;
    int maxDepth = -1;       // levels of subdirectories below the listed directory; -1 all, 0 none
    QString leaveOut;        // as typed: patterns separated by ";", matched like the filter masks
    bool searchable = false;
    bool thumbnails = false;
    int thumbnailSize = 200;  // longest side, in pixels

    // What a hand-edited settings file may hold out of range, brought into
    // it: a depth below -1 means all levels, a size is clamped. (Depths above
    // what the dialog offers stay: the run takes any depth.)
    PageExtras inRange() const;

    bool operator==(const PageExtras &) const = default;
};

// Sets the request's whole-tree, searchable and thumbnail fields from extras
// (in range; the leave-out text split into its patterns).
void applyPageExtras(const PageExtras &extras, DocumentRequest &request);
