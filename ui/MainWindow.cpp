#include "ui/MainWindow.h"

#include "generator/DocumentRequest.h"
#include "generator/DocumentRun.h"
#include "platform/core/MessageBoxes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ScreenInfo.h"
#include "settings/DefaultsStore.h"
#include "settings/IniFile.h"
#include "ui/AboutDialog.h"
#include "ui/CompletionSound.h"
#include "ui/DocumentOpener.h"
#include "ui/DocumentOptionsPanel.h"
#include "ui/FileSelectionPanel.h"
#include "ui/FormFont.h"
#include "ui/MultiLineButton.h"
#include "ui/Pictures.h"
#include "ui/PlaceControl.h"
#include "ui/ProgramOptionsDialog.h"
#include "ui/TableOptionsDialog.h"
#include "ui/ToolTips.h"
#include "ui/WindowRunFeedback.h"
#include "Version.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

MainWindow::MainWindow(const WindowServices &services, const WindowPlaces &places, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      messages(services.messages), screen(services.screen), settingsPath(places.settingsFile),
      // As started, also when the lists cannot show it: help and absolute-link documents belong there.
      programDir(places.programDir),
      startDirectory(QDir::toNativeSeparators(QDir::cleanPath(places.startDirectory))),
      sound(new CompletionSound(services.sound, services.messages, completionSoundFile(places.programDir), this)),
      opener(std::make_unique<DocumentOpener>(services.shell, services.help, services.messages)),
      dialogRunner([](QDialog &dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Quorvant " QUORVANT_VERSION));
    setWindowIcon(programIcon());
    setFont(formFont());
    setFixedSize(632, 463);
    // Where the window system would put it; the saved position replaces it.
    move(144, 86);

    createFrames();
    fileSelection =
        new FileSelectionPanel({centralWidget(), documentGroup, selectionStatus}, messages, places.startDirectory, this);
    // After the file lists: the drive list comes first in the tab order, and
    // so has the focus when the window opens.
    createButtons();
    documentOptions = new DocumentOptionsPanel(documentGroup, document, defaults, services.colors, this);
    chainTabOrder();
    connectControls();
    addMainWindowToolTips(this);
    loadStartupState();
}

MainWindow::~MainWindow() = default;

void MainWindow::createFrames()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);

    // Left half: banner and progress; the file lists are their panel's, the buttons come later.
    auto *banner = place<QFrame>(client, "bannerFrame", 8, 8, 329, 57);
    banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    banner->setLineWidth(1);
    auto *picture = place<QLabel>(banner, "bannerPicture", 1, 1, 327, 55);
    picture->setPixmap(renderPicture(Picture::Banner, picture->size(), devicePixelRatioF()));

    // The label's text is wider in the desktop fonts than the bar's layout
    // allowed for: the bar gives up four pixels rather than clip the label.
    place<QLabel>(client, "progressLabel", "Creation Progress", 8, 364, 100, 17);
    progressBar = place<QProgressBar>(client, "progressBar", 108, 364, 229, 17);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);

    programGroup = place<QGroupBox>(client, "programGroup", 8, 384, 329, 56);
    programGroup->setTitle(QStringLiteral("Program"));

    // Right half: the group "HTML-Document"; its options and selection
    // buttons belong to the panels.
    documentGroup = place<QGroupBox>(client, "documentGroup", 344, 2, 281, 441);
    documentGroup->setTitle(QStringLiteral("HTML-Document"));

    // The status bar: the selection count in the left 340 pixels, the run's
    // feedback in the rest, text centred, no size grip.
    auto *statusBar = place<QFrame>(client, "statusBar", 0, 444, 632, 19);
    auto statusPanel = [statusBar](const char *name, int left, int width) {
        auto *panel = place<QLabel>(statusBar, name, left, 1, width, 18);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setTextFormat(Qt::PlainText);
        return panel;
    };
    selectionStatus = statusPanel("selectionStatus", 0, 340);
    runStatus = statusPanel("runStatus", 342, 290);
    runFeedback = std::make_unique<WindowRunFeedback>(*progressBar, *runStatus, messages);
}

void MainWindow::createButtons()
{
    browserButton = place<MultiLineButton>(centralWidget(), "browserButton", 8, 316, 329, 41);
    browserButton->setEnabled(false);
    programButtons = {place<QPushButton>(programGroup, "programOptionsButton", "Program Options...", 8, 22, 112, 25),
                      place<QPushButton>(programGroup, "helpButton", "Help", 126, 22, 61, 25),
                      place<QPushButton>(programGroup, "aboutButton", "About...", 193, 22, 61, 25),
                      place<QPushButton>(programGroup, "exitButton", "Exit", 260, 22, 61, 25)};
    tableOptionsButton = place<QPushButton>(documentGroup, "tableOptionsButton", "Table Options...", 8, 413, 108, 25);
    createButton = place<QPushButton>(documentGroup, "createButton", "Create HTML-Document", 120, 413, 153, 25);
    QFont bold = createButton->font();
    bold.setBold(true);
    createButton->setFont(bold);
    QPalette black = createButton->palette();
    black.setColor(QPalette::ButtonText, Qt::black);
    createButton->setPalette(black);
}

void MainWindow::chainTabOrder()
{
    // The left half top to bottom, then the document group.
    const QList<QWidget *> order = fileSelection->listControls() + QList<QWidget *>{browserButton}
                                   + QList<QWidget *>(programButtons.begin(), programButtons.end())
                                   + documentOptions->tabChain() + fileSelection->selectionButtons()
                                   + QList<QWidget *>{tableOptionsButton, createButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectControls()
{
    connect(fileSelection, &FileSelectionPanel::userActed, this, &MainWindow::clearRunFeedback);
    connect(fileSelection, &FileSelectionPanel::directoryChanged, this, &MainWindow::resetTextsForNewDirectory);
    connect(documentOptions, &DocumentOptionsPanel::userActed, this, &MainWindow::clearRunFeedback);
    connect(documentOptions, &DocumentOptionsPanel::currentDirectoryAsTitleRequested, this,
            &MainWindow::useCurrentDirectoryAsTitle);
    connect(browserButton, &QPushButton::clicked, this, &MainWindow::showLastDocument);
    connect(programButtons[0], &QPushButton::clicked, this, &MainWindow::openProgramOptions);
    connect(programButtons[1], &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(programButtons[2], &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(programButtons[3], &QPushButton::clicked, this, &MainWindow::saveSettingsAndQuit);
    connect(tableOptionsButton, &QPushButton::clicked, this, &MainWindow::openTableOptions);
    connect(createButton, &QPushButton::clicked, this, &MainWindow::createDocument);
}

void MainWindow::createDialogs(ColorChooser &colors, ProgramChooser &programs)
{
    aboutDialog = new AboutDialog(this);
    optionsDialog = new ProgramOptionsDialog(defaults, colors, programs, this);
    tableDialog = new TableOptionsDialog(document.table, defaults, this);
}

AboutDialog *MainWindow::about() const { return aboutDialog; }
ProgramOptionsDialog *MainWindow::programOptions() const { return optionsDialog; }
TableOptionsDialog *MainWindow::tableOptions() const { return tableDialog; }

void MainWindow::setDialogRunner(DialogRunner runner)
{
    dialogRunner = std::move(runner);
}

int MainWindow::runDialog(QDialog *dialog)
{
    return dialog ? dialogRunner(*dialog) : int(QDialog::Rejected);
}

void MainWindow::loadStartupState()
{
    const IniFile ini(settingsPath);
    // Applied as stored, without a check against the screen.
    move(loadWindowPosition(ini, pos()));
    defaults = loadDefaults(ini);
    // Out of range values stay until the first activation.
    document.table = defaults.table;
    documentOptions->loadStartupState();
    browserName = browserDisplayName(defaults);
    lastDocumentName = QStringLiteral("recently created Document");
    showBrowserButton(false);
}

void MainWindow::refreshOnActivation()
{
    document.table = document.table.inRange();
    if (tableDialog)
        tableDialog->showTable();
    sound->prepare(defaults.playSound);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Being shown is the first activation, also where the window system
    // does not report one (no window manager, offscreen).
    if (!activatedOnce) {
        activatedOnce = true;
        sound->setShowingFirstTime(true);
        refreshOnActivation();
        sound->setShowingFirstTime(false);
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // Losing the focus to one of our own windows (a dialog, a message
        // box) makes its return an activation; losing it to another
        // program does not.
        activateOnReturn = QApplication::activeWindow() != nullptr;
        return;
    }
    if (activateOnReturn && activatedOnce) {
        activateOnReturn = false;
        refreshOnActivation();
    }
}

void MainWindow::clearRunFeedback()
{
    runStatus->clear();
    progressBar->setValue(0);
}

void MainWindow::resetTextsForNewDirectory()
{
    // What was typed belongs to the directory before.
    documentOptions->resetTextsToDefaults();
    clearRunFeedback();
}

void MainWindow::useCurrentDirectoryAsTitle()
{
    documentOptions->useAsTitleAndHeading(fileSelection->directory());
}

void MainWindow::showBrowserButton(bool enabled)
{
    // A path may hold "&", which a button caption would take as a mnemonic.
    QString caption = QStringLiteral("Show ") + lastDocumentName + QStringLiteral(" with ") + browserName;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    browserButton->setText(caption);
    browserButton->setEnabled(enabled);
}

DocumentRequest MainWindow::documentRequest() const
{
    DocumentRequest request;
    request.directory = fileSelection->directory();
    request.selectedNames = fileSelection->selectedNames();
    request.startDirectory = startDirectory;
    documentOptions->fillRequest(request);
    request.texts = resolveDocumentTexts(documentOptions->typedTexts(), defaults.documentTexts());
    request.modernPictures = defaults.modernPictures;
    request.screenWidth = screen.screenWidth();
    request.settings = document;
    return request;
}

void MainWindow::createDocument()
{
    const RunResult result = DocumentRun(documentRequest(), *runFeedback).run();
    // A run that found its directory gone has said so; the lists leave it.
    fileSelection->leaveVanishedDirectory();
    if (result.outcome != RunOutcome::Completed)
        return;
    runStatus->setText(QStringLiteral("Document created"));
    lastDocumentName = result.documentPath;
    showBrowserButton(true);
    sound->playIfReady(defaults.playSound);
}

void MainWindow::openTableOptions()
{
    clearRunFeedback();
    // Every choice in the dialog takes effect at once; how it closed does not matter.
    runDialog(tableDialog);
}

void MainWindow::openProgramOptions()
{
    clearRunFeedback();
    if (!optionsDialog)
        return;
    optionsDialog->loadFromDefaults();
    if (runDialog(optionsDialog) != QDialog::Accepted)
        return;
    documentOptions->applySavedDefaults();
    browserName = browserDisplayName(defaults);
    showBrowserButton(browserButton->isEnabled());
    if (optionsDialog->centerRequested())
        centreOnScreen();
    sound->reopenAfterSaving(defaults.playSound);
}

void MainWindow::centreOnScreen()
{
    const QSize outer = frameGeometry().size();
    move(centredTopLeft(screen.screenWidth(), screen.screenHeight(), outer.width(), outer.height()));
}

void MainWindow::showAbout()
{
    clearRunFeedback();
    runDialog(aboutDialog);
}

void MainWindow::showHelp()
{
    clearRunFeedback();
    opener->showHelp(startDirectory, programDir);
}

void MainWindow::showLastDocument()
{
    clearRunFeedback();
    // Named as the choice stands now: the options dialog may have turned the
    // standard browser off and been cancelled.
    opener->showDocument(lastDocumentName,
                         {defaults.useStandardBrowser, defaults.browserProgram(), browserDisplayName(defaults)});
}

void MainWindow::saveSettingsAndQuit()
{
    clearRunFeedback();
    sound->closeIfReady(defaults.playSound);
    IniFile ini(settingsPath);
    try {
        saveDefaults(defaults, ini, pos());
    } catch (const IniWriteError &error) {
        // The program stays open; Exit may be pressed again.
        messages.show(MessageType::Error, error.text, MessageButtons::Ok);
        return;
    }
    close();
}
