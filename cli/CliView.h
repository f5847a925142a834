#pragma once
// The window's controls as the command line sets them: the generator reads
// the same things it reads from the main window, under the same enabling
// rules ("Shrink to fit" and "Picture as Link" count only in picture mode,
// "Show Subdirectories" only in text mode).

#include "CliArguments.h"

#include <DocumentView.h>

#include <QStringList>

#include <vector>

struct GenerationOptions;

struct FileSelection {
    std::vector<bool> selected;  // one flag per list item
    int count = 0;
    QStringList missing;         // named files the list does not hold
};

// Selects the named items (all of them when names is empty). The selection
// follows the list, so the order of names does not matter.
FileSelection selectFiles(const QStringList &items, const QStringList &names);

class CliView final : public DocumentView {
public:
    // options supplies the defaults for the fields the command line left unset.
    CliView(const CliArguments &arguments, const GenerationOptions &options, const QString &directory,
            QStringList items, FileSelection selection);

    QString titleText() const override { return title; }
    bool headingChecked() const override { return !args.noHeading; }
    QString headingText() const override { return heading; }
    bool centerChecked() const override { return args.center; }
    bool fileSizeChecked() const override { return args.size; }
    bool fileDateChecked() const override { return args.date; }
    bool pictureSizeChecked() const override { return args.pictureSize; }
    bool shrinkOn() const override { return args.mode == EntryMode::Picture && args.shrink; }
    bool pictureAsLinkOn() const override { return args.mode == EntryMode::Picture && args.pictureLink; }
    bool showSubdirChecked() const override { return args.mode == EntryMode::Text && args.subdirs; }
    bool absoluteChosen() const override { return args.absolute; }
    QString documentName() const override { return name; }

    int fileItemCount() const override { return int(items.size()); }
    QString fileItem(int index) const override { return items.at(index); }
    bool fileSelected(int index) const override { return selection.selected.at(size_t(index)); }
    int selectedCount() const override { return selection.count; }
    QString fileListDirectory() const override { return directory; }
    QString directoryListDirectory() const override { return directory; }

private:
    CliArguments args;
    QString title;
    QString heading;
    QString name;
    QString directory;
    QStringList items;
    FileSelection selection;
};
