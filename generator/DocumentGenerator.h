#pragma once
// The document creation run: names the output file, asks before replacing it,
// and writes head, subdirectory lines, entries and tail in one pass.

#include "GenerationOptions.h"
#include "NativePaths.h"
#include "OutputFile.h"

#include <QByteArrayView>
#include <QLocale>
#include <QString>

#include <functional>
#include <memory>

class DocumentView;
class RunFeedback;
class MessageBoxes;
class ScreenInfo;

enum class RunOutcome {
    Completed,    // the document was written and committed
    NoSelection,  // "No Files selected!" was shown
    Declined,     // the user kept the existing document
    Failed,       // an I/O error ended the run; an existing document is untouched
};

class DocumentGenerator {
public:
    DocumentGenerator(GenerationOptions &options, const DocumentView &view, RunFeedback &feedback,
                      MessageBoxes &messages, const ScreenInfo &screen);
    ~DocumentGenerator();

    // The press of "Create HTML-Document": preparation, the overwrite question,
    // then the writing. Failures are shown through the message boxes.
    RunOutcome makefilebuttonClick();

    // Tests replace how the output file is made, to inject failures.
    using OutputFileFactory = std::function<std::unique_ptr<OutputFile>(const QString &path)>;
    void setOutputFileFactory(OutputFileFactory factory);

    // Splits a colour into ColorRed, ColorGreen and ColorBlue (low 24 bits only).
    void SplitColor(qint32 color);

    // The directory-information list: a record added at head, and the date
    // text of name searched from DirInfoCursor ("unknown" when absent).
    void dirinfolisteappend(DirInfoEntry *&head, const QString &name, const QString &date);
    QString dirinfolistesearch(const QString &name);

    // The picture probes on a file of the listed directory: true when the
    // Gif.../Jpeg... results describe it. A file that cannot be opened shows
    // "File access error" once per entry.
    bool getgifsize(const QString &fileName);
    bool getjpegsize(const QString &fileName);

    // Every backslash of path replaced by a slash.
    static QString convdirtolinkformat(QString path);
    // The file URL of the directory dirPath (ending in its separator), to
    // which a file name is appended.
    static QString fileUrlPrefix(const QString &dirPath, PathStyle style);

private:
    void writehtmlfile(const QString &outputPath);
    void makehtmlhead();
    void makehtmltail();
    void makehtmlline(int index, int position);
    void makeabsolutehtmlline(int index, int position);
    void writehtmlline(const QString &FileName, const QString &DisplayText, const QString &LinkTarget);
    void nextline();
    void makehtmllinebreak();

    enum class Detail { Size, Date, PictureFormat };
    void collectSubdirectories();
    void writeSubdirectoryLines();
    void openCell(int position);
    void closeCell(int position);
    void shrinkToFit();
    void leadIn(Detail detail, const QString &fileName, bool sizeShown, bool dateShown);
    void accessError(const QString &fileName);
    QString entryDateText(qint64 modifiedSecs);
    void putColor(qint32 color);
    void pad(int count);
    void put(QByteArrayView bytes);
    void putLine(QByteArrayView bytes);
    bool alignedPlainText() const;

    GenerationOptions &o;
    const DocumentView &view;
    RunFeedback &feedback;
    MessageBoxes &messages;
    const ScreenInfo &screen;
    OutputFileFactory outputFactory;
    std::unique_ptr<OutputFile> out;
    QLocale locale;
    int selectedTotal = 0;  // cannot change while a run holds the thread
    bool lastDateValid = false;
    qint64 lastDateKey = 0;
    QString lastDateText;
    QByteArray lineBuffer;
};
