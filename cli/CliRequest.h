#pragma once
// The document request the command line describes: the saved defaults with
// the options laid over them, under the window's enabling rules ("Shrink to
// fit" and "Picture as Link" count only in picture mode, "Show
// Subdirectories" only in plain-text mode, "Show Path" only with absolute
// links).

#include "cli/CliArguments.h"
#include "generator/DocumentRequest.h"
#include "settings/SavedDefaults.h"

#include <QStringList>

struct FileSelection {
    QStringList selected;  // in list order
    QStringList missing;   // named files the list does not hold
};

// Selects the named items (all of them when names is empty). The selection
// follows the list, so the order of names does not matter.
FileSelection selectFiles(const QStringList &items, const QStringList &names);

DocumentRequest commandLineRequest(const CliArguments &arguments, const SavedDefaults &defaults);
