#pragma once
// Doubles for the window, its feedback and the message boxes, and a fixture
// that runs the generator in a fresh temporary directory made current.

#include "DateText.h"
#include "DocumentGenerator.h"
#include "DocumentView.h"
#include "MessageBoxes.h"
#include "RunFeedback.h"
#include "ScreenInfo.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <utility>

struct FakeView final : DocumentView {
    QString title, heading, name = QStringLiteral("quorvant"), dir;
    bool withHeading = false, center = false, size = false, date = false, pictureSize = false,
         shrink = false, pictureLink = false, subdirs = false, absolute = false;
    QStringList items;
    QSet<int> chosen;
    // Runs once, when the run first asks about the selection: listing is over, writing begins.
    mutable std::function<void()> beforeWriting;

    QString titleText() const override { return title; }
    bool headingChecked() const override { return withHeading; }
    QString headingText() const override { return heading; }
    bool centerChecked() const override { return center; }
    bool fileSizeChecked() const override { return size; }
    bool fileDateChecked() const override { return date; }
    bool pictureSizeChecked() const override { return pictureSize; }
    bool shrinkOn() const override { return shrink; }
    bool pictureAsLinkOn() const override { return pictureLink; }
    bool showSubdirChecked() const override { return subdirs; }
    bool absoluteChosen() const override { return absolute; }
    QString documentName() const override { return name; }
    int fileItemCount() const override { return int(items.size()); }
    QString fileItem(int index) const override { return items.at(index); }
    bool fileSelected(int index) const override
    {
        if (beforeWriting)
            std::exchange(beforeWriting, nullptr)();
        return chosen.contains(index);
    }
    int selectedCount() const override { return int(chosen.size()); }
    QString fileListDirectory() const override { return dir; }
    QString directoryListDirectory() const override { return dir; }
};

struct FakeFeedback final : RunFeedback {
    int maximum = -1, sounds = 0;
    QList<int> positions;
    QString status, button;  // button: the caption while enabled
    void setProgressMaximum(int m) override { maximum = m; }
    void setProgressPosition(int p) override { positions << p; }
    void setStatusText(const QString &t) override { status = t; }
    void setBrowserButton(const QString &c, bool e) override { button = e ? c : QString(); }
    void playCompletionSound() override { ++sounds; }
};

inline QString box(MessageType type, MessageButtons buttons, const QString &text)
{
    return QStringLiteral("%1|%2|%3").arg(int(type)).arg(int(buttons)).arg(text);
}

// Takes its answers up front and records every box shown, as box() writes it.
struct ScriptedMessages final : MessageBoxes {
    std::deque<MessageResult> answers;
    QStringList shown;
    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override
    {
        shown << box(type, buttons, text);
        const MessageResult fallback = buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
        const MessageResult next = answers.empty() ? fallback : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return next;
    }
};

// A local time with an odd second, so the date text's rounding shows.
inline QDateTime sampleTime() { return QDateTime(QDate(2023, 4, 17), QTime(13, 2, 5)); }
inline QByteArray sampleDate() { return dateText(sampleTime(), QLocale::system()).toLocal8Bit(); }
inline QByteArray nbsp(int n) { return QByteArray("&nbsp;").repeated(n); }

struct GeneratorRun {
    QTemporaryDir tmp;
    QString oldCwd = QDir::currentPath();
    GenerationOptions o;
    FakeView view;
    FakeFeedback feedback;
    ScriptedMessages messages;
    FixedScreen screen{1024, 768};
    DocumentGenerator gen{o, view, feedback, messages, screen};

    GeneratorRun()
    {
        QDir::setCurrent(tmp.path());
        view.dir = QDir::currentPath();
        o.TableBorderText = QStringLiteral("0");
    }
    ~GeneratorRun() { QDir::setCurrent(oldCwd); }

    void mode(bool pictures, bool plain) { o.EmbedPictures = pictures, o.PlainTextMode = plain; }
    void table(int columns, int border = 0)
    {
        o.TableLayout = columns > 0;
        o.TableColumns = columns;
        o.TableBorderText = QString::number(border);
    }
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        f.flush();  // a later flush would stamp the time anew
        f.setFileTime(sampleTime(), QFileDevice::FileModificationTime);
    }
    // Lists a file (created unless content is null), selected unless told otherwise.
    void add(const QString &name, const QByteArray &content = "12345", bool select = true)
    {
        if (!content.isNull())
            writeFile(name, content);
        if (select)
            view.chosen.insert(int(view.items.size()));
        view.items << name;
    }
    RunOutcome go()
    {
        o.FileCount = int(view.items.size());
        return gen.makefilebuttonClick();
    }
    static QByteArray page(const QString &file = QStringLiteral("quorvant.html"))
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

inline QByteArray gifBytes(int width, int height, const QByteArray &signature = "GIF89a")
{
    return signature + char(width & 0xFF) + char(width >> 8) + char(height & 0xFF) + char(height >> 8) + QByteArray(16, '\0');
}

// Start of image and a 16-byte JFIF segment: 20 bytes.
inline QByteArray jfifHeader() { return QByteArray::fromHex("FFD8FFE000104A46494600010100000100010000"); }

inline QByteArray jpegFrame(int code, int width, int height)
{
    return QByteArray::fromHex("FF") + char(code) + QByteArray::fromHex("001108") + char(height >> 8) + char(height & 0xFF)
           + char(width >> 8) + char(width & 0xFF) + QByteArray::fromHex("03012200");
}

// The pair right after the JFIF segment is consumed unexamined, so a
// quantisation table marker stands there, as in real files.
const QByteArray kFiller = QByteArray::fromHex("FFDB00030000");
const QByteArray kScan = QByteArray::fromHex("FFDA000C") + "compressed data";

inline QByteArray jpegBytes(int width, int height)
{
    return jfifHeader() + kFiller + jpegFrame(0xC0, width, height) + kScan;
}
