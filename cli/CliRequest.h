// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document request the command line describes: the saved defaults with
// the options laid over them, under the window's enabling rules ("Shrink to
// fit" and "Picture as Link" count only in picture mode, "Show
// Subdirectories" only in plain-text mode, "Show Path" only with absolute
// links).

#include "cli/CliArguments.h"
#include "generator/DocumentRequest.h"
#include "settings/SavedDefaults.h"

#include <QByteArray>
#include <QList>

struct FileSelection {
    FileNames selected;         // in list order
    QList<QByteArray> missing;  // named files the list does not hold
};

// Selects the named items (all of them when names is empty). A name selects
// the item of its very bytes; failing that, the items whose readable form it
// spells, as quorvant-cli prints them. The selection follows the list, so
// the order of names does not matter.
FileSelection selectFiles(const FileNames &items, const QList<QByteArray> &names);

DocumentRequest commandLineRequest(const CliArguments &arguments, const SavedDefaults &defaults);
