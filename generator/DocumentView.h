#pragma once
// What the generator reads live from the main window at the moment it writes.
// The main window and the command-line tool implement it; tests use a fake.

#include <QString>

class DocumentView {
public:
    virtual ~DocumentView() = default;

    virtual QString titleText() const = 0;
    virtual bool headingChecked() const = 0;
    virtual QString headingText() const = 0;
    virtual bool centerChecked() const = 0;
    virtual bool fileSizeChecked() const = 0;
    virtual bool fileDateChecked() const = 0;
    virtual bool pictureSizeChecked() const = 0;
    virtual bool shrinkOn() const = 0;          // "Shrink to fit" ticked and enabled
    virtual bool pictureAsLinkOn() const = 0;   // "Picture as Link" ticked and enabled
    virtual bool showSubdirChecked() const = 0;
    virtual bool absoluteChosen() const = 0;    // false: "relative"
    virtual QString documentName() const = 0;   // the name field, unchanged

    // The file list: bare names in list order, the selection, the directory.
    virtual int fileItemCount() const = 0;
    virtual QString fileItem(int index) const = 0;
    virtual bool fileSelected(int index) const = 0;
    virtual int selectedCount() const = 0;
    virtual QString fileListDirectory() const = 0;

    // The directory list's current directory, a full native path.
    virtual QString directoryListDirectory() const = 0;
};
