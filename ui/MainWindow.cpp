// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "generator/DocumentRequest.h"
#include "platform/core/MessageBoxes.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ScreenInfo.h"
#include "settings/DefaultsStore.h"
#include "settings/IniFile.h"
#include "thumbnails/Thumbnails.h"
#include "ui/AboutDialog.h"
#include "ui/CompletionSound.h"
#include "ui/DocumentOpener.h"
#include "ui/DocumentOptions.h"
#include "ui/FormFont.h"
#include "ui/MoreOptionsDialog.h"
#include "ui/Pictures.h"
#include "ui/ProgramOptionsDialog.h"
#include "ui/TableOptionsDialog.h"
#include "ui/WindowRun.h"
#include "ui/WindowRunFeedback.h"
#include "ui_MainWindow.h"
#include "Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>

MainWindow::MainWindow(const WindowServices &services, const WindowPlaces &places, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::MainWindow>()), messages(services.messages), screen(services.screen),
      settingsPath(places.settingsFile), programDir(places.programDir),
      sound(new CompletionSound(services.sound, services.messages, completionSoundFile(places.programDir), this)),
      opener(std::make_unique<DocumentOpener>(services.shell, services.help, services.messages)),
      dialogRunner([](QDialog &dialog) { return dialog.exec(); })
{
    setFont(formFont());
    // The form's widget order is the Tab order: the file lists (the drive
    // list first, so it has the focus when the window opens), the browser
    // button, the program buttons, then the document group.
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Quorvant " QUORVANT_VERSION));
    setWindowIcon(programIcon());
    // Where the window system would put it; the saved position replaces it.
    move(144, 86);
    ui->bannerPicture->setPixmap(renderPicture(Picture::Banner, ui->bannerPicture->size(), devicePixelRatioF()));
    runFeedback = std::make_unique<WindowRunFeedback>(*ui->progressBar, *ui->runStatus, messages);
    documentRun = std::make_unique<WindowRun>(*runFeedback, [](const ThumbnailJob &job) { return makeThumbnailBatch(job); });
    connect(documentRun.get(), &WindowRun::finished, this, &MainWindow::showRunEnd);
    ui->fileSelectionPanel->setMessageBoxes(messages);
    ui->fileSelectionPanel->setStartDirectory(places.startDirectory);
    // Started in a directory deleted since, the list shows the nearest one
    // left: absolute-link documents and the help file belong there too.
    startDirectory = ui->fileSelectionPanel->directory();
    ui->documentOptionsPanel->setColorChooser(services.colors);
    connectControls();
    loadStartupState();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls()
{
    FileSelectionPanel *files = ui->fileSelectionPanel;
    DocumentOptionsPanel *options = ui->documentOptionsPanel;
    connect(files, &FileSelectionPanel::userActed, this, &MainWindow::clearRunFeedback);
    connect(files, &FileSelectionPanel::directoryChanged, this, &MainWindow::resetTextsForNewDirectory);
    connect(files, &FileSelectionPanel::selectionStatusChanged, ui->selectionStatus, &QLabel::setText);
    connect(ui->selectAllButton, &QPushButton::clicked, files, &FileSelectionPanel::selectAll);
    connect(ui->invertSelectionButton, &QPushButton::clicked, files, &FileSelectionPanel::invertSelection);
    connect(ui->selectNoneButton, &QPushButton::clicked, files, &FileSelectionPanel::selectNone);
    connect(options, &DocumentOptionsPanel::userActed, this, &MainWindow::clearRunFeedback);
    connect(options, &DocumentOptionsPanel::currentDirectoryAsTitleRequested, this,
            &MainWindow::useCurrentDirectoryAsTitle);
    connect(ui->browserButton, &QPushButton::clicked, this, &MainWindow::showLastDocument);
    connect(ui->programOptionsButton, &QPushButton::clicked, this, &MainWindow::openProgramOptions);
    connect(ui->helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(ui->exitButton, &QPushButton::clicked, this, &MainWindow::saveSettingsAndQuit);
    connect(ui->tableOptionsButton, &QPushButton::clicked, this, &MainWindow::openTableOptions);
    connect(ui->moreOptionsButton, &QPushButton::clicked, this, &MainWindow::openMoreOptions);
    connect(ui->createButton, &QPushButton::clicked, this, &MainWindow::createDocument);
    connect(ui->cancelRunButton, &QPushButton::clicked, documentRun.get(), &WindowRun::cancel);
    ui->cancelRunButton->setShortcut(QKeySequence(Qt::Key_Escape));
}

void MainWindow::createDialogs(ColorChooser &colors, ProgramChooser &programs)
{
    aboutDialog = new AboutDialog(this);
    optionsDialog = new ProgramOptionsDialog(colors, programs, this);
    tableDialog = new TableOptionsDialog(this);
    moreDialog = new MoreOptionsDialog(this);
    connect(optionsDialog, &ProgramOptionsDialog::optionsChanged, this, [this] {
        SavedDefaults changed = optionsDialog->options();
        changed.table = defaults.table;  // the table dialog's to change
        changed.page = defaults.page;    // and the more options dialog's
        takeDefaults(changed);
        // The caption names the browser as its messages will, also when the
        // dialog is cancelled after the choice changed.
        showBrowserButton(ui->browserButton->isEnabled());
    });
    connect(moreDialog, &MoreOptionsDialog::optionsChanged, this, [this] { defaults.page = moreDialog->options(); });
    connect(tableDialog, &TableOptionsDialog::tableChanged, this, [this] { table = tableDialog->table(); });
    connect(tableDialog, &TableOptionsDialog::tableSavedAsDefault, this,
            [this] { defaults.table = tableDialog->table(); });
}

AboutDialog *MainWindow::about() const { return aboutDialog; }
ProgramOptionsDialog *MainWindow::programOptions() const { return optionsDialog; }
TableOptionsDialog *MainWindow::tableOptions() const { return tableDialog; }
MoreOptionsDialog *MainWindow::moreOptions() const { return moreDialog; }

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
    takeDefaults(loadDefaults(ini));
    // Out of range values stay until the first activation.
    table = defaults.table;
    ui->documentOptionsPanel->setOptions(defaultDocumentOptions());
    if (const QString refusal = ini.readRefusal(); !refusal.isEmpty())
        messages.show(MessageType::Warning, refusal, MessageButtons::Ok);
    lastDocumentName = tr("recently created Document");
    showBrowserButton(false);
}

void MainWindow::takeDefaults(const SavedDefaults &saved)
{
    defaults = saved;
    ui->documentOptionsPanel->setDefaults(defaultDocumentOptions());
}

DocumentOptions MainWindow::defaultDocumentOptions() const
{
    DocumentOptions options;
    options.title = defaults.title;
    options.headingText = defaults.heading;
    options.documentName = defaults.fileName;
    options.colors = documentColors(defaults.colors);
    return options;
}

void MainWindow::refreshOnActivation()
{
    table = table.inRange();
    if (tableDialog)
        tableDialog->setTable(table);
    sound->prepare(defaults.playSound);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Being shown is the first activation, also where the window system
    // does not report one (no window manager, offscreen).
    if (!activatedOnce) {
        activatedOnce = true;
        const auto firstTime = sound->whileShowingFirstTime();
        refreshOnActivation();
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
    ui->runStatus->clear();
    ui->progressBar->setValue(0);
}

void MainWindow::resetTextsForNewDirectory()
{
    // What was typed belongs to the directory before. The heading field
    // takes the default also while the heading is off.
    DocumentOptions options = ui->documentOptionsPanel->options();
    options.documentName = defaults.fileName;
    options.title = defaults.title;
    options.headingText = defaults.heading;
    ui->documentOptionsPanel->setOptions(options);
    clearRunFeedback();
}

void MainWindow::useCurrentDirectoryAsTitle()
{
    DocumentOptions options = ui->documentOptionsPanel->options();
    options.title = ui->fileSelectionPanel->directory();
    if (options.heading)
        options.headingText = options.title;
    ui->documentOptionsPanel->setOptions(options);
}

void MainWindow::showBrowserButton(bool enabled)
{
    // The caption stays within the button: a browser of a very long name,
    // then a long document path, is shortened in its middle, so the caption
    // keeps its beginning and its end.
    MultiLineButton *button = ui->browserButton;
    const QFontMetrics metrics(button->font());
    const QString browser = metrics.elidedText(browserDisplayName(defaults), Qt::ElideMiddle, button->width() / 2);
    QString document = lastDocumentName;
    const auto setCaption = [&] {
        QString caption = tr("Show %1 with %2").arg(document, browser);
        // A path may hold "&", which a button caption would take as a mnemonic.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        button->setText(caption);
    };
    setCaption();
    const int lines = qMax(1, (button->height() - 8) / metrics.lineSpacing());
    for (int width = metrics.horizontalAdvance(document); button->captionLineCount() > lines && width > 0;
         width -= width / 8 + 1) {
        document = metrics.elidedText(lastDocumentName, Qt::ElideMiddle, width);
        setCaption();
    }
    button->setEnabled(enabled);
}

DocumentRequest MainWindow::documentRequest() const
{
    const DocumentOptions options = ui->documentOptionsPanel->options();
    DocumentRequest request;
    request.directory = ui->fileSelectionPanel->directory();
    request.selectedNames = ui->fileSelectionPanel->selectedNames();
    request.startDirectory = startDirectory;
    request.texts = resolveDocumentTexts({options.title, options.heading, options.headingText, options.documentName,
                                          options.htmlExtension},
                                         defaults.documentTexts());
    request.center = options.center;
    request.fileSize = options.fileSize;
    request.fileDate = options.fileDate;
    request.pictureSize = options.pictureSize;
    request.shrinkToFit = options.shrinkToFit;
    request.pictureAsLink = options.pictureAsLink;
    request.showSubdirectories = options.showSubdirectories;
    request.modernPictures = defaults.modernPictures;
    request.screenWidth = screen.screenWidth();
    applyPageExtras(defaults.page, request);
    request.filter = ui->fileSelectionPanel->filterMask();  // a whole tree's subdirectories show what the list shows
    request.settings = {options.entryMode, options.linkStyle, options.showPath, options.htmlExtension,
                        pageColors(options.colors), table};
    return request;
}

bool MainWindow::isRunning() const
{
    return documentRun->isRunning();
}

void MainWindow::createDocument()
{
    if (documentRun->isRunning())
        return;
    showRunning(true);
    documentRun->start(documentRequest());
}

void MainWindow::showRunEnd(const RunResult &result)
{
    showRunning(false);
    runFeedback->runEnded(result.outcome);
    // A run that found its directory gone has said so; the lists leave it.
    ui->fileSelectionPanel->leaveVanishedDirectory();
    if (result.outcome != RunOutcome::Completed)
        return;
    ui->runStatus->setText(tr("Document created"));
    lastDocumentName = result.documentPath;
    showBrowserButton(true);
    sound->playIfReady(defaults.playSound);
}

void MainWindow::showRunning(bool running)
{
    // Cancel takes the Create button's place while a run lasts, so the idle
    // window is as it always was; the focus moves with the place.
    QPushButton *from = running ? ui->createButton : ui->cancelRunButton;
    QPushButton *to = running ? ui->cancelRunButton : ui->createButton;
    const bool hadFocus = from->hasFocus();
    to->show();
    from->hide();
    if (hadFocus)
        to->setFocus();
    if (running)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // While a run lasts the window takes no input but for Cancel, so nothing
    // starts another run or changes what the user saw when this one started;
    // nothing is greyed either, which would flash on runs over in a moment.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        if (watched->isWidgetType() && watched != ui->cancelRunButton) {
            const auto *widget = static_cast<QWidget *>(watched);
            if (widget == centralWidget() || centralWidget()->isAncestorOf(widget))
                return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A run ends with the window: the document stays as it was, and nothing
    // of the run is left behind.
    documentRun->cancelAndWait();
    QMainWindow::closeEvent(event);
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
    optionsDialog->setOptions(defaults);
    // Colour and browser choices arrive while it is open, the rest with a save.
    if (runDialog(optionsDialog) != QDialog::Accepted)
        return;
    // A save puts the defaults into the document, changed or not; the
    // heading field only while the heading is on.
    DocumentOptions options = ui->documentOptionsPanel->options();
    options.documentName = defaults.fileName;
    options.title = defaults.title;
    options.colors = documentColors(defaults.colors);
    if (options.heading)
        options.headingText = defaults.heading;
    ui->documentOptionsPanel->setOptions(options);
    showBrowserButton(ui->browserButton->isEnabled());
    if (optionsDialog->centerRequested())
        centreOnScreen();
    sound->reopenAfterSaving(defaults.playSound);
}

void MainWindow::openMoreOptions()
{
    clearRunFeedback();
    if (!moreDialog)
        return;
    // OK applies (optionsChanged); Cancel leaves the options as they were.
    moreDialog->setOptions(defaults.page);
    runDialog(moreDialog);
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
