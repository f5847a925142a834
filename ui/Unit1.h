#pragma once
// The main window: file selection on the left, the document's options on the
// right, the run's feedback at the bottom. It is the generator's view of the
// live option values and receives the run's feedback.

#include "DocumentGenerator.h"
#include "DocumentView.h"
#include "GenerationOptions.h"
#include "RunFeedback.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

class ColorChooser;
class ColorSwatch;
class DirectoryListBox;
class DocumentShell;
class FileListBox;
class HelpViewer;
class IniFile;
class MessageBoxes;
class ScreenInfo;
class SoundPlayer;
class TMultiLineBtn;
class Taboutbox;
class Toptionform;
class Ttableoptionform;

// The desktop services the window reaches through seams; the caller owns them.
struct WindowServices {
    MessageBoxes &messages;
    ColorChooser &colors;
    const ScreenInfo &screen;
    DocumentShell &shell;
    HelpViewer &help;
    SoundPlayer &sound;
};

class TForm1 final : public QMainWindow, public DocumentView, public RunFeedback {
    Q_OBJECT

public:
    // Runs the start-up sequence (FormCreate) with the settings file at
    // settingsPath.
    TForm1(GenerationOptions &options, const WindowServices &services, const QString &settingsPath,
           QWidget *parent = nullptr);
    ~TForm1() override;

    // The three dialogs, created after the main window; the buttons open them.
    void setDialogs(Taboutbox *about, Toptionform *options, Ttableoptionform *tables);
    // How a dialog is run modally; tests replace it so no modal loop starts.
    using DialogRunner = std::function<int(QDialog &)>;
    void setDialogRunner(DialogRunner runner);

    QString statusPanelText(int panel) const;
    int progressMaximum() const { return progressMax; }
    int progressPosition() const;
    // What the last press of "Create HTML-Document" ended with (none before the first).
    std::optional<RunOutcome> lastRunOutcome() const { return lastOutcome; }

    // Start-up, activation and the run feedback reset.
    void FormCreate();
    void FormActivate();
    void resetRunFeedback();

    // Handlers of the document option controls.
    void titleeditChange();
    void titleeditClick();
    void headingcheckClick();
    void headingeditChange();
    void headingeditClick();
    void titletoheadingbuttonClick();
    void centercheckClick();
    void currentdirtotitlebuttonClick();
    void bgcolorbuttonClick();
    void linkcolorbuttonClick();
    void vlinkcolorbuttonClick();
    void textcolorbuttonClick();
    void bgcolorpanelClick();
    void linkcolorpanelClick();
    void vlinkcolorpanelClick();
    void textcolorpanelClick();
    void externradioClick();
    void plaintextradioClick();
    void showsubdircheckClick();
    void internradioClick();
    void shrinkCheckClick();
    void filesizecheckClick();
    void filedatecheckClick();
    void relativradioClick();
    void absolutradioClick();
    void showpathCheckClick();
    void documentnameeditChange();
    void htmlradioClick();
    void htmradioClick();

    // File selection.
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void FileListBox1Click();
    void FilterComboBox1Change();
    void selectallButtonClick();
    void invertselbuttonClick();
    void selectnonebuttonClick();

    // The run, the dialogs, the services and Exit.
    void makefilebuttonClick();
    void tableoptionbuttonClick();
    void progoptionbuttonClick();
    void aboutbuttonClick();
    void instructButtonClick();
    void browserstartbuttonClick();
    void exitbuttonClick();

    // DocumentView: the live control values.
    QString titleText() const override;
    bool headingChecked() const override;
    QString headingText() const override;
    bool centerChecked() const override;
    bool fileSizeChecked() const override;
    bool fileDateChecked() const override;
    bool pictureSizeChecked() const override;
    bool shrinkOn() const override;
    bool pictureAsLinkOn() const override;
    bool showSubdirChecked() const override;
    bool absoluteChosen() const override;
    QString documentName() const override;
    int fileItemCount() const override;
    QString fileItem(int index) const override;
    bool fileSelected(int index) const override;
    int selectedCount() const override;
    QString fileListDirectory() const override;
    QString directoryListDirectory() const override;

    // RunFeedback.
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void setStatusText(const QString &text) override;
    void setBrowserButton(const QString &caption, bool enabled) override;
    void playCompletionSound() override;

    // The controls, named as the window's description names them.
    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QComboBox *DriveComboBox1 = nullptr;
    DirectoryListBox *DirectoryListBox1 = nullptr;
    FileListBox *FileListBox1 = nullptr;
    QComboBox *FilterComboBox1 = nullptr;
    TMultiLineBtn *browserstartbutton = nullptr;
    QLabel *creationprogressLabel = nullptr;
    QProgressBar *creationProgressBar = nullptr;
    QGroupBox *programmGroupBox = nullptr;
    QPushButton *progoptionbutton = nullptr;
    QPushButton *instructButton = nullptr;
    QPushButton *aboutbutton = nullptr;
    QPushButton *exitbutton = nullptr;

    QGroupBox *documentGroupBox = nullptr;
    QLabel *title1Label = nullptr;
    QLineEdit *titleedit = nullptr;
    QCheckBox *headingcheck = nullptr;
    QLineEdit *headingedit = nullptr;
    QPushButton *titletoheadingbutton = nullptr;
    QCheckBox *centercheck = nullptr;
    TMultiLineBtn *currentdirtotitlebutton = nullptr;
    QGroupBox *colorGroupBox = nullptr;
    QPushButton *bgcolorbutton = nullptr;
    ColorSwatch *bgcolorpanel = nullptr;
    QPushButton *linkcolorbutton = nullptr;
    ColorSwatch *linkcolorpanel = nullptr;
    QPushButton *vlinkcolorbutton = nullptr;
    ColorSwatch *vlinkcolorpanel = nullptr;
    QPushButton *textcolorbutton = nullptr;
    ColorSwatch *textcolorpanel = nullptr;
    QWidget *Panel3 = nullptr;
    QRadioButton *externradio = nullptr;
    QRadioButton *plaintextradio = nullptr;
    QCheckBox *showsubdircheck = nullptr;
    QRadioButton *internradio = nullptr;
    QCheckBox *shrinkCheck = nullptr;
    QCheckBox *pictureaslinkcheck = nullptr;
    QLabel *dscontainlabelLabel = nullptr;
    QCheckBox *filesizecheck = nullptr;
    QCheckBox *filedatecheck = nullptr;
    QCheckBox *picturesizeCheck = nullptr;
    QWidget *pathPanel = nullptr;
    QLabel *pathLabel = nullptr;
    QRadioButton *relativradio = nullptr;
    QRadioButton *absolutradio = nullptr;
    QCheckBox *showpathCheck = nullptr;
    QLabel *filenameLabel = nullptr;
    QLineEdit *documentnameedit = nullptr;
    QWidget *extensionpanel = nullptr;
    QRadioButton *htmlradio = nullptr;
    QRadioButton *htmradio = nullptr;
    QPushButton *selectallButton = nullptr;
    QPushButton *invertselbutton = nullptr;
    QPushButton *selectnonebutton = nullptr;
    QPushButton *tableoptionbutton = nullptr;
    QPushButton *makefilebutton = nullptr;

    QFrame *StatusBar = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void setStatusPanel(int panel, const QString &text);
    void showSelectionStatus(bool zeroAsCount);
    void reportUnlistableNames();
    void refreshDriveCombo();
    void chooseColor(qint32 &current, ColorSwatch *swatch);
    void restoreColor(qint32 &current, qint32 defaultColor, ColorSwatch *swatch);
    void setEntryModeControls(bool pictureMode, bool plainTextMode);
    int runDialog(QDialog *dialog);
    void showError(const QString &text);
    void centreOnScreen();
    void prepareCompletionSound();
    void openCompletionSound();
    void closeCompletionSound();
    void reportSoundError(const QString &text);

    GenerationOptions &options;
    MessageBoxes &messages;
    ColorChooser &colors;
    const ScreenInfo &screen;
    DocumentShell &shell;
    HelpViewer &help;
    SoundPlayer &sound;
    QString settingsPath;
    std::unique_ptr<IniFile> iniFile;

    QPointer<Taboutbox> aboutbox;
    QPointer<Toptionform> optionform;
    QPointer<Ttableoptionform> tableoptionform;
    DialogRunner dialogRunner;

    QLabel *statusPanels[2] = {nullptr, nullptr};
    int progressMax = 100;
    QElapsedTimer progressClock;
    std::optional<RunOutcome> lastOutcome;

    QStringList driveRoots;
    QHash<QString, QString> lastDirectoryOfDrive;  // '/' separators
    bool activatedOnce = false;
    bool activateOnReturn = false;
    // A sound device error is shown once, not at every activation that
    // follows (closing its own message box is one), until an open succeeds.
    bool soundErrorShown = false;
    bool showingFirstTime = false;
};

// The one main window of the program.
extern TForm1 *Form1;
