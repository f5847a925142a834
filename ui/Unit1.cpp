#include "Unit1.h"

#include "ColorChooser.h"
#include "ColorSwatch.h"
#include "CompletionSound.h"
#include "DirectoryListBox.h"
#include "DocumentShell.h"
#include "Drives.h"
#include "FileListBox.h"
#include "FormFont.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "MLButton.h"
#include "MessageBoxes.h"
#include "NativePaths.h"
#include "PlaceControl.h"
#include "Pictures.h"
#include "ScreenInfo.h"
#include "SettingsStore.h"
#include "SoundPlayer.h"
#include "TableCheck.h"
#include "UnlistableNames.h"
#include "aboutuni.h"
#include "poptunit.h"
#include "toptunit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

TForm1 *Form1 = nullptr;

namespace {

const QString kNoItemsSelected = QStringLiteral("No items are selected");

struct FilterEntry {
    const char *text;
    const char *mask;
};

// The filter texts are shown exactly so, the blank after "(*.txt)" included.
constexpr FilterEntry kFilters[] = {
    {"All files (*.*)", "*.*"},
    {"GIF/JPEG (*.gif, *.jpg, *.jpeg)", "*.gif;*.jpg;*.jpeg"},
    {"Audio (*.wav, *.au, *.aif, *.aiff)", "*.wav;*.au;*.aif;*.aiff"},
    {"Text (*.txt) ", "*.txt"},
    {"HTML (*.htm, *.html)", "*.htm;*.html"},
};

QWidget *plainPanel(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    return place<QWidget>(parent, name, x, y, w, h);
}

QString selectionStatus(int count, bool zeroAsCount)
{
    if (count == 1)
        return QStringLiteral("1 item is selected");
    if (count == 0 && !zeroAsCount)
        return kNoItemsSelected;
    return QString::number(count) + QStringLiteral(" items are selected");
}

}  // namespace

TForm1::TForm1(GenerationOptions &options, const WindowServices &services, const QString &settingsPath,
               QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      options(options), messages(services.messages), colors(services.colors), screen(services.screen),
      shell(services.shell), help(services.help), sound(services.sound), settingsPath(settingsPath),
      dialogRunner([](QDialog &dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvant 2.1"));
    setWindowIcon(programIcon());
    setFont(formFont());
    setFixedSize(632, 463);
    // Where the window system would put it; the saved position replaces it.
    move(144, 86);

    createControls();
    // The lists start on the working directory, before the start-up sequence reads them.
    DirectoryListBox1->setDirectory(QDir::currentPath());
    FileListBox1->setDirectory(DirectoryListBox1->directory());
    refreshDriveCombo();
    lastDirectoryOfDrive.insert(DriveComboBox1->currentData().toString(),
                                QDir::fromNativeSeparators(DirectoryListBox1->directory()));
    connectHandlers();
    sound.setErrorHandler([this](const QString &text) { reportSoundError(text); });

    FormCreate();
}

TForm1::~TForm1()
{
    sound.setErrorHandler(nullptr);
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);

    // Left half: banner, file selection, browser button, progress, program buttons.
    Panel1 = place<QFrame>(client, "Panel1", 8, 8, 329, 57);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Image1 = place<QLabel>(Panel1, "Image1", 1, 1, 327, 55);
    Image1->setPixmap(renderPicture(Picture::Banner, Image1->size(), devicePixelRatioF()));

    DriveComboBox1 = place<QComboBox>(client, "DriveComboBox1", 8, 72, 161, 22);
    DirectoryListBox1 = place<DirectoryListBox>(client, "DirectoryListBox1", 8, 98, 161, 212);
    FileListBox1 = place<FileListBox>(client, "FileListBox1", 176, 72, 161, 212);
    FilterComboBox1 = place<QComboBox>(client, "FilterComboBox1", 176, 288, 161, 22);
    for (const FilterEntry &filter : kFilters)
        FilterComboBox1->addItem(QString::fromUtf8(filter.text), QString::fromUtf8(filter.mask));

    browserstartbutton = place<TMultiLineBtn>(client, "browserstartbutton", 8, 316, 329, 41);
    browserstartbutton->setEnabled(false);

    // The label's text is wider in the desktop fonts than the bar's layout
    // allowed for: the bar gives up four pixels rather than clip the label.
    creationprogressLabel = place<QLabel>(client, "creationprogressLabel", "Creation Progress", 8, 364, 100, 17);
    creationProgressBar = place<QProgressBar>(client, "creationProgressBar", 108, 364, 229, 17);
    creationProgressBar->setRange(0, 100);
    creationProgressBar->setValue(0);
    creationProgressBar->setTextVisible(false);

    programmGroupBox = place<QGroupBox>(client, "programmGroupBox", 8, 384, 329, 56);
    programmGroupBox->setTitle(QStringLiteral("Program"));
    progoptionbutton = place<QPushButton>(programmGroupBox, "progoptionbutton", "Program Options...", 8, 22, 112, 25);
    instructButton = place<QPushButton>(programmGroupBox, "instructButton", "Help", 126, 22, 61, 25);
    aboutbutton = place<QPushButton>(programmGroupBox, "aboutbutton", "About...", 193, 22, 61, 25);
    exitbutton = place<QPushButton>(programmGroupBox, "exitbutton", "Exit", 260, 22, 61, 25);

    // Right half: the group "HTML-Document".
    documentGroupBox = place<QGroupBox>(client, "documentGroupBox", 344, 2, 281, 441);
    documentGroupBox->setTitle(QStringLiteral("HTML-Document"));
    QWidget *doc = documentGroupBox;

    title1Label = place<QLabel>(doc, "title1Label", "Document Title", 8, 16, 150, 15);
    titleedit = place<QLineEdit>(doc, "titleedit", 8, 31, 233, 21);
    headingcheck = place<QCheckBox>(doc, "headingcheck", "Document Heading", 8, 55, 150, 17);
    headingedit = place<QLineEdit>(doc, "headingedit", 8, 73, 233, 21);
    titletoheadingbutton = place<QPushButton>(doc, "titletoheadingbutton", 248, 28, 25, 70);
    titletoheadingbutton->setIcon(QIcon(renderPicture(Picture::Arrow, QSize(19, 62), devicePixelRatioF())));
    titletoheadingbutton->setIconSize(QSize(19, 62));
    titletoheadingbutton->setToolTip(QStringLiteral("Title to Heading"));

    centercheck = place<QCheckBox>(doc, "centercheck", "horizontally centered", 8, 104, 140, 17);
    currentdirtotitlebutton = place<TMultiLineBtn>(doc, "currentdirtotitlebutton", 152, 98, 121, 33);
    currentdirtotitlebutton->setText(QStringLiteral("Current Directory as Title and Heading"));

    colorGroupBox = place<QGroupBox>(doc, "colorGroupBox", 8, 134, 265, 80);
    colorGroupBox->setTitle(QStringLiteral("Document Colors"));
    bgcolorbutton = place<QPushButton>(colorGroupBox, "bgcolorbutton", "Background", 8, 18, 86, 25);
    bgcolorpanel = place<ColorSwatch>(colorGroupBox, "bgcolorpanel", 98, 18, 25, 25);
    linkcolorbutton = place<QPushButton>(colorGroupBox, "linkcolorbutton", "Links", 138, 18, 86, 25);
    linkcolorpanel = place<ColorSwatch>(colorGroupBox, "linkcolorpanel", 228, 18, 25, 25);
    vlinkcolorbutton = place<QPushButton>(colorGroupBox, "vlinkcolorbutton", "Visited Links", 8, 48, 86, 25);
    vlinkcolorpanel = place<ColorSwatch>(colorGroupBox, "vlinkcolorpanel", 98, 48, 25, 25);
    textcolorbutton = place<QPushButton>(colorGroupBox, "textcolorbutton", "Text", 138, 48, 86, 25);
    textcolorpanel = place<ColorSwatch>(colorGroupBox, "textcolorpanel", 228, 48, 25, 25);

    // Two columns: entry mode and file name on the left, details and path on the right.
    Panel3 = plainPanel(doc, "Panel3", 8, 218, 144, 102);
    externradio = place<QRadioButton>(Panel3, "externradio", "Embed Link to File", 0, 0, 144, 17);
    plaintextradio = place<QRadioButton>(Panel3, "plaintextradio", "Embed Plain Text", 0, 17, 144, 17);
    showsubdircheck = place<QCheckBox>(Panel3, "showsubdircheck", "Show Subdirectories", 12, 34, 132, 17);
    internradio = place<QRadioButton>(Panel3, "internradio", "Embed Picture itself", 0, 51, 144, 17);
    shrinkCheck = place<QCheckBox>(Panel3, "shrinkCheck", "Shrink to fit", 12, 68, 132, 17);
    pictureaslinkcheck = place<QCheckBox>(Panel3, "pictureaslinkcheck", "Picture as Link", 12, 85, 132, 17);

    filenameLabel = place<QLabel>(doc, "filenameLabel", "Filename and Extension", 8, 326, 144, 15);
    documentnameedit = place<QLineEdit>(doc, "documentnameedit", 8, 341, 121, 21);
    extensionpanel = plainPanel(doc, "extensionpanel", 8, 364, 144, 17);
    htmlradio = place<QRadioButton>(extensionpanel, "htmlradio", ".HTML", 0, 0, 64, 17);
    htmradio = place<QRadioButton>(extensionpanel, "htmradio", ".HTM", 68, 0, 60, 17);

    dscontainlabelLabel = place<QLabel>(doc, "dscontainlabelLabel", "Designation/Link contains", 156, 218, 117, 28);
    dscontainlabelLabel->setWordWrap(true);
    dscontainlabelLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    filesizecheck = place<QCheckBox>(doc, "filesizecheck", "Size of File", 156, 246, 117, 17);
    filedatecheck = place<QCheckBox>(doc, "filedatecheck", "Date of File", 156, 263, 117, 17);
    picturesizeCheck = place<QCheckBox>(doc, "picturesizeCheck", "Size of Picture", 156, 280, 117, 17);

    pathPanel = plainPanel(doc, "pathPanel", 156, 302, 117, 66);
    pathLabel = place<QLabel>(pathPanel, "pathLabel", "Path", 0, 0, 60, 15);
    relativradio = place<QRadioButton>(pathPanel, "relativradio", "relative", 0, 15, 117, 17);
    absolutradio = place<QRadioButton>(pathPanel, "absolutradio", "absolute", 0, 32, 117, 17);
    showpathCheck = place<QCheckBox>(pathPanel, "showpathCheck", "Show Path", 12, 49, 105, 17);

    selectallButton = place<QPushButton>(doc, "selectallButton", "Select All", 8, 385, 80, 25);
    invertselbutton = place<QPushButton>(doc, "invertselbutton", "Invert Selection", 92, 385, 96, 25);
    selectnonebutton = place<QPushButton>(doc, "selectnonebutton", "Select None", 192, 385, 81, 25);
    tableoptionbutton = place<QPushButton>(doc, "tableoptionbutton", "Table Options...", 8, 413, 108, 25);
    makefilebutton = place<QPushButton>(doc, "makefilebutton", "Create HTML-Document", 120, 413, 153, 25);
    QFont bold = makefilebutton->font();
    bold.setBold(true);
    makefilebutton->setFont(bold);
    QPalette black = makefilebutton->palette();
    black.setColor(QPalette::ButtonText, Qt::black);
    makefilebutton->setPalette(black);

    // The status bar: panel 0 the left 340 pixels, panel 1 the rest, text centred, no size grip.
    StatusBar = place<QFrame>(client, "StatusBar", 0, 444, 632, 19);
    const int panelLeft[2] = {0, 342};
    const int panelWidth[2] = {340, 290};
    for (int i = 0; i < 2; ++i) {
        auto *panel = place<QLabel>(StatusBar, i == 0 ? "StatusPanel0" : "StatusPanel1", panelLeft[i], 1,
                                   panelWidth[i], 18);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setTextFormat(Qt::PlainText);
        statusPanels[i] = panel;
    }

    // The window's own tab order: left half top to bottom, then the document group.
    const QList<QWidget *> order = {DriveComboBox1, DirectoryListBox1, FileListBox1, FilterComboBox1,
                                    browserstartbutton, progoptionbutton, instructButton, aboutbutton,
                                    exitbutton, titleedit, headingcheck, headingedit, titletoheadingbutton,
                                    centercheck, currentdirtotitlebutton, bgcolorbutton, linkcolorbutton,
                                    vlinkcolorbutton, textcolorbutton, externradio, plaintextradio,
                                    showsubdircheck, internradio, shrinkCheck, pictureaslinkcheck,
                                    documentnameedit, htmlradio, htmradio, filesizecheck, filedatecheck,
                                    picturesizeCheck, relativradio, absolutradio, showpathCheck,
                                    selectallButton, invertselbutton, selectnonebutton, tableoptionbutton,
                                    makefilebutton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectHandlers()
{
    // Check boxes and radio buttons report real changes only (toggled), so
    // setting a value from code runs its handler exactly when it changes.
    auto onTick = [this](QCheckBox *box, void (TForm1::*handler)()) {
        connect(box, &QCheckBox::toggled, this, [this, handler] { (this->*handler)(); });
    };
    auto onSelect = [this](QRadioButton *radio, void (TForm1::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    };
    auto onEdit = [this](QLineEdit *edit, void (TForm1::*handler)()) {
        connect(edit, &QLineEdit::textChanged, this, [this, handler] { (this->*handler)(); });
    };
    auto onPress = [this](QPushButton *button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    auto onSwatch = [this](ColorSwatch *swatch, void (TForm1::*handler)()) {
        connect(swatch, &ColorSwatch::clicked, this, [this, handler] { (this->*handler)(); });
    };

    onEdit(titleedit, &TForm1::titleeditChange);
    onEdit(headingedit, &TForm1::headingeditChange);
    onEdit(documentnameedit, &TForm1::documentnameeditChange);
    titleedit->installEventFilter(this);
    headingedit->installEventFilter(this);

    onTick(headingcheck, &TForm1::headingcheckClick);
    onTick(centercheck, &TForm1::centercheckClick);
    onTick(showsubdircheck, &TForm1::showsubdircheckClick);
    onTick(shrinkCheck, &TForm1::shrinkCheckClick);
    onTick(filesizecheck, &TForm1::filesizecheckClick);
    onTick(filedatecheck, &TForm1::filedatecheckClick);
    onTick(showpathCheck, &TForm1::showpathCheckClick);

    onSelect(externradio, &TForm1::externradioClick);
    onSelect(plaintextradio, &TForm1::plaintextradioClick);
    onSelect(internradio, &TForm1::internradioClick);
    onSelect(relativradio, &TForm1::relativradioClick);
    onSelect(absolutradio, &TForm1::absolutradioClick);
    onSelect(htmlradio, &TForm1::htmlradioClick);
    onSelect(htmradio, &TForm1::htmradioClick);

    onPress(titletoheadingbutton, &TForm1::titletoheadingbuttonClick);
    onPress(currentdirtotitlebutton, &TForm1::currentdirtotitlebuttonClick);
    onPress(bgcolorbutton, &TForm1::bgcolorbuttonClick);
    onPress(linkcolorbutton, &TForm1::linkcolorbuttonClick);
    onPress(vlinkcolorbutton, &TForm1::vlinkcolorbuttonClick);
    onPress(textcolorbutton, &TForm1::textcolorbuttonClick);
    onSwatch(bgcolorpanel, &TForm1::bgcolorpanelClick);
    onSwatch(linkcolorpanel, &TForm1::linkcolorpanelClick);
    onSwatch(vlinkcolorpanel, &TForm1::vlinkcolorpanelClick);
    onSwatch(textcolorpanel, &TForm1::textcolorpanelClick);

    onPress(selectallButton, &TForm1::selectallButtonClick);
    onPress(invertselbutton, &TForm1::invertselbuttonClick);
    onPress(selectnonebutton, &TForm1::selectnonebuttonClick);
    onPress(tableoptionbutton, &TForm1::tableoptionbuttonClick);
    onPress(makefilebutton, &TForm1::makefilebuttonClick);
    onPress(browserstartbutton, &TForm1::browserstartbuttonClick);
    onPress(progoptionbutton, &TForm1::progoptionbuttonClick);
    onPress(instructButton, &TForm1::instructButtonClick);
    onPress(aboutbutton, &TForm1::aboutbuttonClick);
    onPress(exitbutton, &TForm1::exitbuttonClick);

    connect(DriveComboBox1, &QComboBox::activated, this, [this] { DriveComboBox1Change(); });
    connect(DirectoryListBox1, &DirectoryListBox::changed, this, [this] { DirectoryListBox1Change(); });
    connect(DirectoryListBox1, &DirectoryListBox::directoryRefused, this, [this](const QString &path) {
        messages.show(MessageType::Error, QStringLiteral("Unable to open the directory ") + path, MessageButtons::Ok);
    });
    connect(FileListBox1, &FileListBox::userSelectionChanged, this, [this] { FileListBox1Click(); });
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this] { FilterComboBox1Change(); });
}

void TForm1::setDialogs(Taboutbox *about, Toptionform *options_, Ttableoptionform *tables)
{
    aboutbox = about;
    optionform = options_;
    tableoptionform = tables;
}

void TForm1::setDialogRunner(DialogRunner runner)
{
    dialogRunner = std::move(runner);
}

int TForm1::runDialog(QDialog *dialog)
{
    if (!dialog)
        return QDialog::Rejected;
    return dialogRunner(*dialog);
}

// ---------------------------------------------------------------- start-up

void TForm1::FormCreate()
{
    options.ProgramDir = programDirectory();
    iniFile = std::make_unique<IniFile>(settingsPath);

    const int left = loadWindowX(*iniFile, x());
    const int top = loadWindowY(*iniFile, y());
    move(left, top);

    filesizecheck->setChecked(false);
    filedatecheck->setChecked(false);
    picturesizeCheck->setChecked(false);
    shrinkCheck->setEnabled(true);
    shrinkCheck->setChecked(false);
    pictureaslinkcheck->setEnabled(true);
    pictureaslinkcheck->setChecked(false);
    internradio->setChecked(true);
    showsubdircheck->setEnabled(false);
    showsubdircheck->setChecked(false);
    options.EmbedPictures = true;
    options.PlainTextMode = false;
    htmlradio->setChecked(true);
    options.UseHtmlExtension = true;
    creationProgressBar->setValue(0);
    options.StartDirectory = FileListBox1->directory();
    headingedit->setEnabled(true);

    loadDefaults(options, *iniFile);

    headingedit->setText(options.DefaultHeading);
    documentnameedit->setText(options.DefaultFileName);
    titleedit->setText(options.DefaultTitle);
    headingcheck->setChecked(true);
    options.CenterWindowPending = false;
    relativradio->setChecked(true);
    options.ShowPath = false;
    options.LastDocumentName = QStringLiteral("recently created Document");
    setBrowserButton(QStringLiteral("Show ") + options.LastDocumentName + QStringLiteral(" with ")
                         + options.BrowserDisplayName,
                     false);
    bgcolorpanel->setColor(options.DefaultBgColor);
    linkcolorpanel->setColor(options.DefaultLinkColor);
    vlinkcolorpanel->setColor(options.DefaultVLinkColor);
    textcolorpanel->setColor(options.DefaultTextColor);
    options.BgColor = options.DefaultBgColor;
    options.LinkColor = options.DefaultLinkColor;
    options.VLinkColor = options.DefaultVLinkColor;
    options.TextColor = options.DefaultTextColor;
    options.DirInfoHead = nullptr;
    options.DirInfoCursor = nullptr;
}

void TForm1::FormActivate()
{
    options.FileCount = FileListBox1->count();
    checkTableValues(options);
    if (tableoptionform)
        tableoptionform->showTableValues();
    prepareCompletionSound();
}

// ---------------------------------------------------------------- completion sound

void TForm1::prepareCompletionSound()
{
    options.SoundReady = false;
    if (options.PlaySoundEnabled && completionSoundExists(options))
        openCompletionSound();
}

void TForm1::openCompletionSound()
{
    const QString error = sound.open(completionSoundPath(options));
    if (!error.isEmpty()) {
        reportSoundError(error);
        return;
    }
    options.SoundReady = true;
    soundErrorShown = false;
}

void TForm1::closeCompletionSound()
{
    sound.close();
}

void TForm1::reportSoundError(const QString &text)
{
    options.SoundReady = false;
    if (soundErrorShown)
        return;
    soundErrorShown = true;
    // The window is told it is shown before it is on the screen: a message
    // of the first activation waits until it is there.
    if (showingFirstTime)
        QMetaObject::invokeMethod(this, [this, text] { showError(text); }, Qt::QueuedConnection);
    else
        showError(text);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Being shown is the first activation, also where the window system
    // does not report one (no window manager, offscreen).
    if (!activatedOnce) {
        activatedOnce = true;
        showingFirstTime = true;
        FormActivate();
        showingFirstTime = false;
    }
}

void TForm1::changeEvent(QEvent *event)
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
        FormActivate();
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == titleedit)
            titleeditClick();
        else if (watched == headingedit)
            headingeditClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- feedback

void TForm1::resetRunFeedback()
{
    setStatusPanel(1, QString());
    creationProgressBar->setValue(0);
}

void TForm1::setStatusPanel(int panel, const QString &text)
{
    statusPanels[panel]->setText(text);
}

QString TForm1::statusPanelText(int panel) const
{
    return (panel == 0 || panel == 1) ? statusPanels[panel]->text() : QString();
}

int TForm1::progressPosition() const
{
    return creationProgressBar->value();
}

void TForm1::setProgressMaximum(int maximum)
{
    progressMax = maximum;
    // A range of 0..0 would turn the bar into a busy indicator.
    creationProgressBar->setRange(0, qMax(1, maximum));
    progressClock.invalidate();
}

void TForm1::setProgressPosition(int position)
{
    creationProgressBar->setValue(position);
    // The run holds the thread: paint the bar now, often enough to be seen
    // moving and seldom enough to cost nothing on long runs.
    if (!progressClock.isValid() || progressClock.elapsed() >= 40 || position >= progressMax) {
        creationProgressBar->repaint();
        progressClock.start();
    }
}

void TForm1::setStatusText(const QString &text)
{
    setStatusPanel(1, text);
}

void TForm1::setBrowserButton(const QString &caption, bool enabled)
{
    // A path may hold "&", which a button caption would take as a mnemonic.
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    browserstartbutton->setText(shown);
    browserstartbutton->setEnabled(enabled);
}

void TForm1::playCompletionSound()
{
    sound.play();
}

// ---------------------------------------------------------------- option handlers

void TForm1::titleeditChange() { resetRunFeedback(); }
void TForm1::titleeditClick() { resetRunFeedback(); }
void TForm1::headingeditChange() { resetRunFeedback(); }
void TForm1::headingeditClick() { resetRunFeedback(); }
void TForm1::documentnameeditChange() { resetRunFeedback(); }
void TForm1::centercheckClick() { resetRunFeedback(); }
void TForm1::filesizecheckClick() { resetRunFeedback(); }
void TForm1::filedatecheckClick() { resetRunFeedback(); }
void TForm1::shrinkCheckClick() { resetRunFeedback(); }
void TForm1::showsubdircheckClick() { resetRunFeedback(); }

void TForm1::setEntryModeControls(bool pictureMode, bool plainTextMode)
{
    options.EmbedPictures = pictureMode;
    options.PlainTextMode = plainTextMode;
    // A disabled box is never left ticked.
    if (pictureMode) {
        shrinkCheck->setEnabled(true);
        pictureaslinkcheck->setEnabled(true);
    } else {
        shrinkCheck->setChecked(false);
        shrinkCheck->setEnabled(false);
        pictureaslinkcheck->setEnabled(false);
        pictureaslinkcheck->setChecked(false);
    }
    if (plainTextMode) {
        showsubdircheck->setEnabled(true);
    } else {
        showsubdircheck->setChecked(false);
        showsubdircheck->setEnabled(false);
    }
}

void TForm1::internradioClick()
{
    resetRunFeedback();
    setEntryModeControls(true, false);
}

void TForm1::externradioClick()
{
    resetRunFeedback();
    setEntryModeControls(false, false);
}

void TForm1::plaintextradioClick()
{
    resetRunFeedback();
    setEntryModeControls(false, true);
}

void TForm1::headingcheckClick()
{
    resetRunFeedback();
    if (headingcheck->isChecked()) {
        headingedit->setEnabled(true);
        headingedit->setText(options.DefaultHeading);
    } else {
        headingedit->setEnabled(false);
        headingedit->clear();
    }
}

void TForm1::relativradioClick()
{
    resetRunFeedback();
    showpathCheck->setChecked(false);
    showpathCheck->setEnabled(false);
}

void TForm1::absolutradioClick()
{
    resetRunFeedback();
    showpathCheck->setEnabled(true);
}

void TForm1::showpathCheckClick()
{
    resetRunFeedback();
    options.ShowPath = showpathCheck->isChecked();
}

void TForm1::htmlradioClick()
{
    resetRunFeedback();
    options.UseHtmlExtension = true;
}

void TForm1::htmradioClick()
{
    resetRunFeedback();
    options.UseHtmlExtension = false;
}

void TForm1::chooseColor(qint32 &current, ColorSwatch *swatch)
{
    resetRunFeedback();
    qint32 chosen = current;
    if (colors.chooseColor(current, chosen)) {
        current = chosen;
        swatch->setColor(chosen);
    }
}

void TForm1::restoreColor(qint32 &current, qint32 defaultColor, ColorSwatch *swatch)
{
    resetRunFeedback();
    current = defaultColor;
    swatch->setColor(defaultColor);
}

void TForm1::bgcolorbuttonClick() { chooseColor(options.BgColor, bgcolorpanel); }
void TForm1::linkcolorbuttonClick() { chooseColor(options.LinkColor, linkcolorpanel); }
void TForm1::vlinkcolorbuttonClick() { chooseColor(options.VLinkColor, vlinkcolorpanel); }
void TForm1::textcolorbuttonClick() { chooseColor(options.TextColor, textcolorpanel); }
void TForm1::bgcolorpanelClick() { restoreColor(options.BgColor, options.DefaultBgColor, bgcolorpanel); }
void TForm1::linkcolorpanelClick() { restoreColor(options.LinkColor, options.DefaultLinkColor, linkcolorpanel); }
void TForm1::vlinkcolorpanelClick() { restoreColor(options.VLinkColor, options.DefaultVLinkColor, vlinkcolorpanel); }
void TForm1::textcolorpanelClick() { restoreColor(options.TextColor, options.DefaultTextColor, textcolorpanel); }

void TForm1::titletoheadingbuttonClick()
{
    if (!headingcheck->isChecked())
        return;
    headingedit->clear();
    headingedit->setText(titleedit->text());
}

void TForm1::currentdirtotitlebuttonClick()
{
    const QString dir = DirectoryListBox1->directory();
    titleedit->setText(dir);
    if (headingcheck->isChecked())
        headingedit->setText(dir);
}

// ---------------------------------------------------------------- file selection

void TForm1::refreshDriveCombo()
{
    const QStringList roots = machineDriveRoots();
    if (roots != driveRoots) {
        driveRoots = roots;
        const QSignalBlocker quiet(DriveComboBox1);
        DriveComboBox1->clear();
        for (const QString &root : driveRoots)
            DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);
    }
    const QString here = QDir::fromNativeSeparators(DirectoryListBox1->directory());
    const int index = driveRoots.indexOf(driveOf(here, driveRoots));
    if (index >= 0 && index != DriveComboBox1->currentIndex()) {
        const QSignalBlocker quiet(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(index);
    }
}

void TForm1::DriveComboBox1Change()
{
    const QString chosen = DriveComboBox1->currentData().toString();
    const QString here = QDir::fromNativeSeparators(DirectoryListBox1->directory());
    if (!chosen.isEmpty() && chosen != driveOf(here, driveRoots)) {
        // Each drive keeps the directory last listed on it, as drive letters do.
        const QString remembered = lastDirectoryOfDrive.value(chosen, chosen);
        if (!DirectoryListBox1->setDirectory(remembered) && !DirectoryListBox1->setDirectory(chosen)) {
            messages.show(MessageType::Error, QStringLiteral("Unable to open the directory ")
                                                  + QDir::toNativeSeparators(chosen),
                          MessageButtons::Ok);
            refreshDriveCombo();
        }
    }
    setStatusPanel(0, kNoItemsSelected);
    options.FileCount = FileListBox1->count();
}

void TForm1::DirectoryListBox1Change()
{
    const QString dir = DirectoryListBox1->directory();
    lastDirectoryOfDrive.insert(driveOf(QDir::fromNativeSeparators(dir), driveRoots), QDir::fromNativeSeparators(dir));
    refreshDriveCombo();
    FileListBox1->setDirectory(dir);
    reportUnlistableNames();
    setStatusPanel(0, kNoItemsSelected);
    options.FileCount = FileListBox1->count();
    documentnameedit->setText(options.DefaultFileName);
    titleedit->setText(options.DefaultTitle);
    headingedit->setText(options.DefaultHeading);
    resetRunFeedback();
}

void TForm1::FilterComboBox1Change()
{
    FileListBox1->setMask(FilterComboBox1->currentData().toString());
    reportUnlistableNames();
    if (FileListBox1->selectedCount() == 0)
        setStatusPanel(0, kNoItemsSelected);
    setStatusPanel(1, QString());
    options.FileCount = FileListBox1->count();
    creationProgressBar->setValue(0);
}

void TForm1::reportUnlistableNames()
{
    // The list cannot hold a name that is not valid in the file-name
    // encoding; rather than drop such files without a word, name them.
    const QStringList names = unlistableFileNames(FileListBox1->directory(), FileListBox1->mask());
    if (names.isEmpty())
        return;
    constexpr int kShown = 10;
    QString text = QStringLiteral("These files cannot be listed, their names are not readable:");
    for (const QString &name : names.mid(0, kShown))
        text += QLatin1Char('\r') + name;
    if (names.size() > kShown)
        text += QStringLiteral("\rand %1 more").arg(names.size() - kShown);
    messages.show(MessageType::Warning, text, MessageButtons::Ok);
}

void TForm1::showSelectionStatus(bool zeroAsCount)
{
    setStatusPanel(0, selectionStatus(FileListBox1->selectedCount(), zeroAsCount));
}

void TForm1::FileListBox1Click()
{
    showSelectionStatus(false);
    resetRunFeedback();
}

void TForm1::selectallButtonClick()
{
    resetRunFeedback();
    FileListBox1->selectAllItems();
    // An empty list reads "0 items are selected" here.
    showSelectionStatus(true);
    setStatusPanel(1, QString());
}

void TForm1::selectnonebuttonClick()
{
    resetRunFeedback();
    FileListBox1->selectNoItems();
    if (FileListBox1->selectedCount() == 0)
        setStatusPanel(0, kNoItemsSelected);
    setStatusPanel(1, QString());
}

void TForm1::invertselbuttonClick()
{
    resetRunFeedback();
    FileListBox1->invertSelection();
    showSelectionStatus(false);
    setStatusPanel(1, QString());
}

// ---------------------------------------------------------------- run, dialogs, exit

void TForm1::makefilebuttonClick()
{
    DocumentGenerator generator(options, *this, *this, messages, screen);
    lastOutcome = generator.makefilebuttonClick();
}

void TForm1::tableoptionbuttonClick()
{
    resetRunFeedback();
    runDialog(tableoptionform);
}

void TForm1::progoptionbuttonClick()
{
    resetRunFeedback();
    if (!optionform)
        return;
    Toptionform &dialog = *optionform;
    dialog.deftitleEdit->setText(options.DefaultTitle);
    dialog.defheadingEdit->setText(options.DefaultHeading);
    dialog.deffilenameEdit->setText(options.DefaultFileName);
    dialog.defaultbgcolorpanel->setColor(options.DefaultBgColor);
    dialog.defaultlinkcolorpanel->setColor(options.DefaultLinkColor);
    dialog.defaultvlinkcolorpanel->setColor(options.DefaultVLinkColor);
    dialog.defaulttextcolorpanel->setColor(options.DefaultTextColor);
    // With the standard browser the field stays empty (the check box empties it).
    if (!options.UseStandardBrowser)
        dialog.defbrowserEdit->setText(options.BrowserPath);
    dialog.standardbrowsercheck->setChecked(options.UseStandardBrowser);
    dialog.defbrowserEdit->setEnabled(!options.UseStandardBrowser);
    dialog.browsersearchButton->setEnabled(!options.UseStandardBrowser);
    dialog.playsoundCheck->setChecked(options.PlaySoundEnabled);

    if (runDialog(optionform) != QDialog::Accepted)
        return;

    // Saving overwrites the fields and current colours with the defaults,
    // changed or not.
    documentnameedit->setText(options.DefaultFileName);
    titleedit->setText(options.DefaultTitle);
    bgcolorpanel->setColor(options.DefaultBgColor);
    linkcolorpanel->setColor(options.DefaultLinkColor);
    vlinkcolorpanel->setColor(options.DefaultVLinkColor);
    textcolorpanel->setColor(options.DefaultTextColor);
    options.BgColor = options.DefaultBgColor;
    options.LinkColor = options.DefaultLinkColor;
    options.VLinkColor = options.DefaultVLinkColor;
    options.TextColor = options.DefaultTextColor;

    if (!options.BrowserPath.isEmpty())
        options.BrowserDisplayName = fileNamePart(options.BrowserPath, nativePathStyle());
    if (options.UseStandardBrowser)
        options.BrowserDisplayName = QStringLiteral("Standard Browser");
    else if (options.BrowserPath.isEmpty())
        options.BrowserDisplayName = QStringLiteral("Internet Browser");
    setBrowserButton(QStringLiteral("Show ") + options.LastDocumentName + QStringLiteral(" with ")
                         + options.BrowserDisplayName,
                     browserstartbutton->isEnabled());

    if (headingcheck->isChecked())
        headingedit->setText(options.DefaultHeading);
    if (options.CenterWindowPending) {
        centreOnScreen();
        options.CenterWindowPending = false;
    }
    if (options.PlaySoundEnabled && options.SoundReady)
        openCompletionSound();
}

void TForm1::centreOnScreen()
{
    const QSize outer = frameGeometry().size();
    move(centredTopLeft(screen.screenWidth(), screen.screenHeight(), outer.width(), outer.height()));
}

void TForm1::aboutbuttonClick()
{
    resetRunFeedback();
    runDialog(aboutbox);
}

void TForm1::showError(const QString &text)
{
    messages.show(MessageType::Error, text, MessageButtons::Ok);
}

void TForm1::instructButtonClick()
{
    resetRunFeedback();
    // Looked for where the program was started, not beside the program.
    const QString helpFile =
        withTrailingSeparator(options.StartDirectory, nativePathStyle()) + QStringLiteral("quorva21.HLP");
    switch (help.showHelp(helpFile)) {
    case OpenResult::Opened:
        break;
    case OpenResult::Missing:
        showError(QStringLiteral("The help file ") + helpFile + QStringLiteral(" was not found!"));
        break;
    case OpenResult::NoAssociation:
        showError(QStringLiteral("No program is associated with the help file ") + helpFile + QStringLiteral("!"));
        break;
    case OpenResult::Failed:
        showError(QStringLiteral("Error while opening the help file ") + helpFile + QStringLiteral("!"));
        break;
    }
}

void TForm1::browserstartbuttonClick()
{
    resetRunFeedback();
    if (options.UseStandardBrowser) {
        switch (shell.openDocument(options.LastDocumentName)) {
        case OpenResult::Opened:
            break;
        case OpenResult::NoAssociation:
            showError(QStringLiteral("No program is associated with HTML-Documents!"));
            break;
        case OpenResult::Missing:
        case OpenResult::Failed:
            showError(QStringLiteral("Error while executing Standard Browser!"));
            break;
        }
    } else if (!shell.startProgram(options.BrowserPath, {options.LastDocumentName})) {
        // The document's path is one argument, blanks and all.
        showError(QStringLiteral("Error while executing ") + options.BrowserDisplayName + QStringLiteral("!"));
    }
    // After the failed start above, which had no program to start.
    if (options.BrowserPath.isEmpty() && !options.UseStandardBrowser)
        showError(QStringLiteral("No Internet Browser selected!"));
}

void TForm1::exitbuttonClick()
{
    resetRunFeedback();
    if (options.PlaySoundEnabled && options.SoundReady)
        closeCompletionSound();
    if (!iniFile)
        iniFile = std::make_unique<IniFile>(settingsPath);
    try {
        saveDefaults(options, *iniFile, x(), y());
    } catch (const IniWriteError &error) {
        // The program stays open; Exit may be pressed again.
        messages.show(MessageType::Error, error.text, MessageButtons::Ok);
        return;
    }
    iniFile.reset();
    close();
}

// ---------------------------------------------------------------- the generator's view

QString TForm1::titleText() const { return titleedit->text(); }
bool TForm1::headingChecked() const { return headingcheck->isChecked(); }
QString TForm1::headingText() const { return headingedit->text(); }
bool TForm1::centerChecked() const { return centercheck->isChecked(); }
bool TForm1::fileSizeChecked() const { return filesizecheck->isChecked(); }
bool TForm1::fileDateChecked() const { return filedatecheck->isChecked(); }
bool TForm1::pictureSizeChecked() const { return picturesizeCheck->isChecked(); }
bool TForm1::shrinkOn() const { return shrinkCheck->isChecked() && shrinkCheck->isEnabled(); }
bool TForm1::pictureAsLinkOn() const { return pictureaslinkcheck->isChecked() && pictureaslinkcheck->isEnabled(); }
bool TForm1::showSubdirChecked() const { return showsubdircheck->isChecked(); }
bool TForm1::absoluteChosen() const { return absolutradio->isChecked(); }
QString TForm1::documentName() const { return documentnameedit->text(); }
int TForm1::fileItemCount() const { return FileListBox1->count(); }
QString TForm1::fileItem(int index) const { return FileListBox1->item(index); }
bool TForm1::fileSelected(int index) const { return FileListBox1->isSelected(index); }
int TForm1::selectedCount() const { return FileListBox1->selectedCount(); }
QString TForm1::fileListDirectory() const { return FileListBox1->directory(); }
QString TForm1::directoryListDirectory() const { return DirectoryListBox1->directory(); }
