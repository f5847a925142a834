// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the files on the left, the document's options on the
// right, the run's feedback at the bottom. It starts the document creation
// with a request built from its panels' values, opens the dialogs, and
// saves the defaults when the user leaves with "Exit".

#include "generator/TableSettings.h"
#include "settings/SavedDefaults.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class AboutDialog;
class ColorChooser;
class CompletionSound;
class DocumentOpener;
class DocumentShell;
class HelpViewer;
class MessageBoxes;
class MoreOptionsDialog;
class ProgramChooser;
class ProgramOptionsDialog;
class QDialog;
class ScreenInfo;
class SoundPlayer;
class TableOptionsDialog;
class WindowRun;
class WindowRunFeedback;
struct DocumentOptions;
struct DocumentRequest;
struct RunResult;
namespace Ui {
class MainWindow;
}

// The desktop services the window reaches through seams; the caller owns them.
struct WindowServices {
    MessageBoxes &messages;
    ColorChooser &colors;
    const ScreenInfo &screen;
    DocumentShell &shell;
    HelpViewer &help;
    SoundPlayer &sound;
};

// Where the window finds its files.
struct WindowPlaces {
    QString programDir;      // ends with a separator; the completion sound is looked for from here
    QString settingsFile;    // quorva21.ini
    QString startDirectory;  // listed first; the help file and absolute-link documents belong to what the list shows
};

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // Creating the window loads the saved defaults and sets the controls'
    // start state.
    MainWindow(const WindowServices &services, const WindowPlaces &places, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Creates the about box, the program options, the table options and the
    // more options, in that order, as children of this window.
    void createDialogs(ColorChooser &colors, ProgramChooser &programs);
    AboutDialog *about() const;
    ProgramOptionsDialog *programOptions() const;
    TableOptionsDialog *tableOptions() const;
    MoreOptionsDialog *moreOptions() const;
    // How a dialog is run modally; tests replace it so no modal loop starts.
    using DialogRunner = std::function<int(QDialog &)>;
    void setDialogRunner(DialogRunner runner);

    // What "Create HTML-Document" hands the run, from the controls as they are.
    DocumentRequest documentRequest() const;
    // Whether a document creation lasts (it runs on a thread of its own).
    bool isRunning() const;

    // Each time the window becomes the program's active window (not when
    // the user returns from another program): the table settings are brought
    // into range and shown in the table dialog, and the sound is prepared.
    void refreshOnActivation();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void clearRunFeedback();
    void resetTextsForNewDirectory();
    void useCurrentDirectoryAsTitle();
    void createDocument();
    void showRunEnd(const RunResult &result);
    void openTableOptions();
    void openProgramOptions();
    void openMoreOptions();
    void showAbout();
    void showHelp();
    void showLastDocument();
    void saveSettingsAndQuit();

private:
    void connectControls();
    void loadStartupState();
    void takeDefaults(const SavedDefaults &saved);
    DocumentOptions defaultDocumentOptions() const;
    void showBrowserButton(bool enabled);
    int runDialog(QDialog *dialog);
    void showRunning(bool running);
    void centreOnScreen();

    std::unique_ptr<Ui::MainWindow> ui;
    MessageBoxes &messages;
    const ScreenInfo &screen;
    const QString settingsPath;
    const QString programDir;
    QString startDirectory;  // the directory the file list shows at start

    SavedDefaults defaults;
    TableSettings table;  // the document's; brought into range at each activation
    QString lastDocumentName;

    CompletionSound *sound = nullptr;
    std::unique_ptr<DocumentOpener> opener;
    std::unique_ptr<WindowRunFeedback> runFeedback;
    std::unique_ptr<WindowRun> documentRun;  // after the feedback it uses: it goes first

    QPointer<AboutDialog> aboutDialog;
    QPointer<ProgramOptionsDialog> optionsDialog;
    QPointer<TableOptionsDialog> tableDialog;
    QPointer<MoreOptionsDialog> moreDialog;
    DialogRunner dialogRunner;

    bool activatedOnce = false;
    bool activateOnReturn = false;
};
