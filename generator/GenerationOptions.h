#pragma once
// The one process-wide state of options and run values. The application owns
// a single instance and hands it around by reference; every test makes a fresh
// one. Plain fields, no logic: handlers write it, the generator reads it.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <deque>

// One record of the directory-information list: a subdirectory's formatted
// date, remembered so dates can be written after the names were sorted.
struct DirInfoEntry {
    QString Name;
    QString DateText;
    DirInfoEntry *Next = nullptr;  // the record added before this one
};

inline const QString kDefaultTitleText = QStringLiteral("Document created by \"Quorvant\"");

struct GenerationOptions {
    // Entry mode and document form.
    bool EmbedPictures = true;
    bool PlainTextMode = false;
    bool UseHtmlExtension = true;
    bool ShowPath = false;

    // Colours: red in bits 0-7, green 8-15, blue 16-23.
    qint32 BgColor = 0xC0C0C0;
    qint32 LinkColor = 0xFF0000;
    qint32 VLinkColor = 0x800040;
    qint32 TextColor = 0;
    qint32 DefaultBgColor = 0xC0C0C0;
    qint32 DefaultLinkColor = 0xFF0000;
    qint32 DefaultVLinkColor = 0x800040;
    qint32 DefaultTextColor = 0;

    // Table layout. TableLayout and TableBorderText are set at the first
    // activation of the main window, which brings the values into range.
    bool TableLayout = false;
    qint32 TableColumns = 0;
    qint32 TableBorderWidth = 0;
    QString TableBorderText;
    QString TableAlign = QStringLiteral("CENTER");
    QString TableVAlign = QStringLiteral("MIDDLE");
    qint32 DefaultTableColumns = 0;
    qint32 DefaultTableBorderWidth = 0;
    QString DefaultTableAlign = QStringLiteral("CENTER");
    QString DefaultTableVAlign = QStringLiteral("MIDDLE");

    // Default texts, paths and names.
    QString DefaultTitle = kDefaultTitleText;
    QString DefaultHeading = kDefaultTitleText;
    QString DefaultFileName = QStringLiteral("quorvant");
    QString ProgramDir;         // ends with a separator
    QString StartDirectory;     // no trailing separator except at a root
    QString CurrentDirPath;     // the listed directory with exactly one trailing separator
    QString DocumentDirPrefix;
    QString DocumentPath;
    QString DocumentFileName;
    QString LastDocumentName = QStringLiteral("recently created Document");
    QString BrowserDisplayName;

    // Browser and sound.
    QString BrowserPath;
    bool UseStandardBrowser = true;
    bool PlaySoundEnabled = false;
    bool SoundReady = false;
    bool CenterWindowPending = false;

    // Run state. Sizes are 64-bit so files of 2 GiB and more count truly.
    qint32 FileCount = 0;
    qint32 FileIndex = 0;
    qint32 EntryIndex = 0;
    qint32 ProgressCount = 0;
    qint64 TotalBytes = 0;
    qint32 SubdirCount = 0;
    qint32 MaxNameLen = 0;
    qint32 MaxSubdirNameLen = 0;
    qint32 NameLen = 0;
    qint32 PadCounter = 0;
    qint32 DigitScratch = 0;
    QString DateText;
    qint64 EntryFileSize = 0;
    qint32 PictureWidth = 0;
    qint32 MaxPictureWidth = 0;
    qint32 ColorRed = 0;
    qint32 ColorGreen = 0;
    qint32 ColorBlue = 0;
    bool FileErrorShown = false;

    // Picture probe results; each kept until a later probe overwrites it.
    QString GifSignature;
    qint32 GifWidth = 0;
    QString GifWidthText;
    QString GifHeightText;
    qint32 JpegWidth = 0;
    QString JpegWidthText;
    QString JpegHeightText;

    // Subdirectories of a plain-text run, and the directory-information list.
    // The list is never emptied; DirInfoStore owns the records (a deque keeps
    // their addresses stable), DirInfoIndex finds a name's newest record
    // without walking the whole chain.
    QStringList SubdirList;
    DirInfoEntry *DirInfoHead = nullptr;
    DirInfoEntry *DirInfoCursor = nullptr;
    std::deque<DirInfoEntry> DirInfoStore;
    QHash<QString, DirInfoEntry *> DirInfoIndex;

    GenerationOptions() = default;
    GenerationOptions(const GenerationOptions &) = delete;  // records point into each other
    GenerationOptions &operator=(const GenerationOptions &) = delete;
};
