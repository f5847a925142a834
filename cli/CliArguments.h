// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quorvant-cli, parsed and checked before anything is
// read or written, so a mistyped option never leaves a half-made document.

#include "generator/EntryMode.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

struct CliArguments {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;

    QString directory = QStringLiteral(".");
    QList<QByteArray> files;    // names to select, as typed (their bytes); empty: all of the list
    QString settingsPath;       // empty: the settings file beside the program

    // Unset: the field keeps the default the settings file gave it.
    std::optional<QString> name;
    std::optional<QString> title;
    std::optional<QString> heading;
    bool noHeading = false;
    bool htm = false;
    EntryMode mode = EntryMode::Picture;
    bool center = false;
    bool size = false;
    bool date = false;
    bool pictureSize = false;
    bool modernPictures = false;  // on also when the settings file says so
    bool shrink = false;
    bool pictureLink = false;
    bool subdirs = false;
    bool absolute = false;
    bool showPath = false;
    bool overwrite = false;
    bool searchable = false;
    bool thumbnails = false;
    std::optional<int> thumbnailSize;  // over the settings file's

    std::optional<int> columns;
    std::optional<int> border;
    std::optional<QString> align;   // upper case: "LEFT", "CENTER", "RIGHT"
    std::optional<QString> valign;  // upper case: "TOP", "MIDDLE", "BOTTOM"

    // In the state's layout: red in bits 0-7, green 8-15, blue 16-23.
    std::optional<qint32> bgColor;
    std::optional<qint32> linkColor;
    std::optional<qint32> vlinkColor;
    std::optional<qint32> textColor;

    QString filter = QStringLiteral("*.*");
    int screenWidth = 1024;

    bool recursive = false;     // the whole tree
    std::optional<int> maxDepth;
    QStringList exclude;        // as given, each may hold several patterns
};

struct ParsedArguments {
    bool ok = false;
    QString error;  // one line, for the user, when !ok
    CliArguments arguments;
};

// The command line as the system gave it, the program first: FILE arguments
// keep their bytes, so they match names that are not valid UTF-8.
ParsedArguments parseArguments(const QList<QByteArray> &arguments);
// The same from text (tests): each argument's UTF-8.
ParsedArguments parseArguments(const QStringList &arguments);
QList<QByteArray> utf8Arguments(const QStringList &arguments);

// "#RRGGBB" to 0x00BBGGRR; nothing for any other text.
std::optional<qint32> parseHtmlColor(const QString &text);

// What --help shows (and a usage error after its message): the options'
// own descriptions, with the usage line, the arguments and the exit statuses.
QString usageText();
QString versionText();
