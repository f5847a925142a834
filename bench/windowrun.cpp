// SPDX-License-Identifier: GPL-3.0-or-later
// The window's run of a whole tree, offscreen, as a user starts it: plain
// text with sizes and dates, every file of the listed directory selected.
// Prints the time from "Create HTML-Document" to "Document created", how
// often the status panel and the progress bar were painted during the run,
// the longest the window's event loop went without turning (a 10 ms timer's
// largest gap), and the texts the status panel showed. Grabs the window
// half a second into the run to SHOT.png when given; CANCEL_MS=n presses
// Cancel n ms into the run.
//   bench_windowrun DIR OUTPUT [SHOT.png]   (OUTPUT without .html, which the window adds)

#include "platform/core/MessageBoxes.h"
#include "platform/gui/QtColorChooser.h"
#include "platform/gui/QtDocumentShell.h"
#include "platform/gui/QtHelpViewer.h"
#include "platform/gui/QtScreenInfo.h"
#include "platform/gui/QtSoundPlayer.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Answers every question with yes and prints what a box would have said.
struct PrintedMessages final : MessageBoxes {
    MessageResult show(MessageType, const QString &text, MessageButtons buttons) override
    {
        printf("message: %s\n", qPrintable(QString(text).replace('\r', " | ").left(200)));
        return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
    }
};

struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: bench_windowrun DIR OUTPUT [SHOT.png]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString shot = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QFile::remove(output + QStringLiteral(".html"));

    QTemporaryDir program;
    QFile settings(program.filePath("quorva21.ini"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[Page]\r\nWholetree=1\r\n") <= 0)
        return 1;
    settings.close();
    PrintedMessages messages;
    QtColorChooser colors;
    QtScreenInfo screen;
    QtDocumentShell shell;
    QtHelpViewer help(shell);
    QtSoundPlayer sound;
    MainWindow window(WindowServices{messages, colors, screen, shell, help, sound},
                      WindowPlaces{program.path() + '/', settings.fileName(), dir});
    window.show();
    const auto find = [&](const char *name) { return window.findChild<QWidget *>(QString::fromLatin1(name)); };
    static_cast<QAbstractButton *>(find("plainTextModeRadio"))->click();
    static_cast<QAbstractButton *>(find("fileSizeCheck"))->click();
    static_cast<QAbstractButton *>(find("fileDateCheck"))->click();
    static_cast<QLineEdit *>(find("documentNameEdit"))->setText(output);  // a name with a path writes there
    static_cast<QAbstractButton *>(find("selectAllButton"))->click();
    QApplication::processEvents();

    auto *status = static_cast<QLabel *>(find("runStatus"));
    PaintCounter statusPaints, barPaints;
    status->installEventFilter(&statusPaints);
    find("progressBar")->installEventFilter(&barPaints);
    QStringList seen;
    QElapsedTimer sinceTick, run;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, sinceTick.restart());
        if (seen.isEmpty() || seen.last() != status->text())
            seen << status->text();
    });
    if (!shot.isEmpty())
        QTimer::singleShot(500, [&] { window.grab().save(shot); });
    QElapsedTimer sinceCancel;
    if (const int cancelMs = qEnvironmentVariableIntValue("CANCEL_MS"); cancelMs > 0) {
        QTimer::singleShot(cancelMs, [&] {
            sinceCancel.start();
            static_cast<QAbstractButton *>(find("cancelRunButton"))->click();
        });
    }

    run.start();
    sinceTick.start();
    tick.start();
    static_cast<QAbstractButton *>(find("createButton"))->click();
    // Waits in an event loop, as the program does, not in a loop of its own.
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.isRunning())
            loop.quit();
    });
    poll.start();
    loop.exec();
    const double seconds = double(run.nsecsElapsed()) / 1e9;
    tick.stop();

    printf("status: %s\n", qPrintable(status->text()));
    if (sinceCancel.isValid())
        printf("ms_from_cancel_to_end: %lld, document there: %s\n", sinceCancel.elapsed(),
               QFile::exists(output + QStringLiteral(".html")) ? "yes" : "no");
    printf("seconds_to_end: %.2f\n", seconds);
    printf("status_panel_paints: %d\nprogress_bar_paints: %d\n", statusPaints.paints, barPaints.paints);
    printf("longest_event_loop_gap_ms: %lld\n", longestGap);
    printf("status_texts_seen: %lld, the last three before the end: %s\n", qlonglong(seen.size()),
           qPrintable(seen.mid(qMax(0, int(seen.size()) - 4), 3).join(" / ")));
    return status->text() == QLatin1String(sinceCancel.isValid() ? "Cancelled" : "Document created") ? 0 : 1;
}
