#include "ui/ToolTips.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

namespace {

struct ToolTip {
    const char *control;  // object name
    const char *text;
};

const ToolTip kMainWindowTips[] = {
    {"backgroundColorButton", "Choose the page's background colour."},
    {"linkColorButton", "Choose the colour of links not yet visited."},
    {"visitedLinkColorButton", "Choose the colour of visited links."},
    {"textColorButton", "Choose the colour of the page's text."},
    {"driveCombo", "The drive or file system whose directories are listed below."},
    {"directoryList", "The directory whose files are listed; double-click a directory to open it."},
    {"fileList", "The files the page can list; select the ones it should list."},
    {"filterCombo", "Which kinds of files the file list shows."},
    {"browserButton", "Open the document just created in the chosen browser."},
    {"progressBar", "How far the creation of the document has come."},
    {"programOptionsButton", "Default texts, colours, browser and completion sound."},
    {"helpButton", "How to use this program."},
    {"aboutButton", "The program's version."},
    {"exitButton", "Save the defaults and the window's position, then close the program."},
    {"titleEdit", "The page's title, shown in the browser's title bar."},
    {"headingCheck", "Put a heading at the top of the page."},
    {"headingEdit", "The heading at the top of the page."},
    {"centerCheck", "Centre the page's contents horizontally."},
    {"currentDirectoryButton", "Use the listed directory's path as title and heading."},
    {"backgroundSwatch", "The background colour; click it to go back to the default."},
    {"linkSwatch", "The link colour; click it to go back to the default."},
    {"visitedLinkSwatch", "The visited link colour; click it to go back to the default."},
    {"textSwatch", "The text colour; click it to go back to the default."},
    {"linkModeRadio", "List each file as a link to it."},
    {"plainTextModeRadio", "List the files as plain text in aligned columns."},
    {"showSubdirectoriesCheck", "Begin the plain-text list with the listed directory's subdirectories."},
    {"pictureModeRadio", "Show each file as a picture with its name below it."},
    {"shrinkToFitCheck", "Narrow wide pictures so they fit on the screen."},
    {"pictureAsLinkCheck", "Make each picture a link to its file."},
    {"detailsLabel", "What each entry shows besides the file's name."},
    {"fileSizeCheck", "Add each file's size in bytes."},
    {"fileDateCheck", "Add the date and time each file was last changed."},
    {"pictureSizeCheck", "Add the format and size in pixels of GIF and JFIF pictures (more kinds: Program Options)."},
    {"relativeRadio", "Link files by name; the document is written into the listed directory."},
    {"absoluteRadio", "Link files by full path; the document is written where the program was started."},
    {"showPathCheck", "Show each file's full path instead of its name."},
    {"documentNameEdit", "The document's file name, without extension."},
    {"htmlRadio", "Give the document the extension .html."},
    {"htmRadio", "Give the document the extension .htm."},
    {"selectAllButton", "Select every file in the list."},
    {"invertSelectionButton", "Select the files not selected, and unselect the others."},
    {"selectNoneButton", "Unselect every file."},
    {"tableOptionsButton", "Put the entries in a table, and set its columns, border and alignment."},
    {"createButton", "Write the HTML document for the selected files."},
};

const ToolTip kProgramOptionsTips[] = {
    {"backgroundColorButton", "Choose the background colour new documents start with."},
    {"linkColorButton", "Choose the link colour new documents start with."},
    {"visitedLinkColorButton", "Choose the visited link colour new documents start with."},
    {"textColorButton", "Choose the text colour new documents start with."},
    {"saveButton", "Keep these defaults and apply them to the document."},
    {"saveAndCenterButton", "Keep these defaults and move the main window to the screen's centre."},
    {"cancelButton", "Close without keeping the texts and the sound choice."},
    {"titleEdit", "The title each new document starts with."},
    {"headingEdit", "The heading each new document starts with."},
    {"fileNameEdit", "The file name each new document starts with."},
    {"resetButton", "Put back the program's own default title, heading and file name."},
    {"browserEdit", "The browser program that opens documents."},
    {"browseButton", "Choose the browser program."},
    {"playSoundCheck", "Play a sound when a document has been created."},
    {"standardBrowserCheck", "Open documents with the desktop's standard browser."},
    {"modernPicturesCheck", "Also read the sizes of PNG, WebP and BMP pictures and of JPEG pictures that are not JFIF."},
    {"backgroundSwatch", "The default background colour; click it to go back to the program's own."},
    {"linkSwatch", "The default link colour; click it to go back to the program's own."},
    {"visitedLinkSwatch", "The default visited link colour; click it to go back to the program's own."},
    {"textSwatch", "The default text colour; click it to go back to the program's own."},
};

const ToolTip kTableOptionsTips[] = {
    {"okButton", "Close; the choices made apply to the document."},
    {"cancelButton", "Close; the choices made apply to the document all the same."},
    {"saveButton", "Keep these table settings as the defaults, and close."},
    {"columnGroup", "How many columns the table has; None puts no table on the page."},
    {"borderGroup", "How thick the table's lines are."},
    {"alignGroup", "Where each entry stands across its cell."},
    {"verticalAlignGroup", "Where each entry stands from top to bottom in its cell."},
};

template <size_t N>
void apply(QWidget *root, const ToolTip (&tips)[N])
{
    for (const ToolTip &tip : tips) {
        if (QWidget *control = root->findChild<QWidget *>(QLatin1String(tip.control)))
            control->setToolTip(QString::fromUtf8(tip.text));
    }
}

}  // namespace

void addMainWindowToolTips(QWidget *window)
{
    apply(window, kMainWindowTips);
}

void addProgramOptionsToolTips(QWidget *dialog)
{
    apply(dialog, kProgramOptionsTips);
}

void addTableOptionsToolTips(QWidget *dialog)
{
    apply(dialog, kTableOptionsTips);
    // Each radio button says what its row chooses.
    for (QGroupBox *row : dialog->findChildren<QGroupBox *>()) {
        for (QRadioButton *radio : row->findChildren<QRadioButton *>())
            radio->setToolTip(row->toolTip());
    }
}
