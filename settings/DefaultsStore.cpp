// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DefaultsStore.h"

#include "platform/core/NativePaths.h"
#include "platform/core/ProgramFiles.h"
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

const QString kPosition = QStringLiteral("Position");
const QString kDefault = QStringLiteral("Default");
const QString kTable = QStringLiteral("Table");
const QString kColors = QStringLiteral("Colors");
const QString kSound = QStringLiteral("Sound");
const QString kPage = QStringLiteral("Page");
const QString kSettingsFileName = QStringLiteral("quorva21.ini");

}  // namespace

QString browserDisplayName(const SavedDefaults &defaults)
{
    if (defaults.useStandardBrowser)
        return kStandardBrowser;
    const QString program = defaults.browserProgram();
    if (program.isEmpty())
        return QStringLiteral("Internet Browser");
    return fileNamePart(program, nativePathStyle());
}

QString programDirectory()
{
    const QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return withTrailingSeparator(dir, nativePathStyle());
}

QString chooseSettingsFile(const QString &programDir, const SettingsPlaceFacts &facts)
{
    // An installed program's folder belongs to the package manager, even
    // when the user may write there (root, or a prefix in the home folder).
    const bool besideProgram = facts.fileBesideProgram || facts.configDir.isEmpty()
        || (facts.programDirWritable && !facts.installed);
    return (besideProgram ? programDir : facts.configDir) + kSettingsFileName;
}

QString settingsFilePath(const QString &programDir)
{
    const QFileInfo dir(programDir);
    SettingsPlaceFacts facts;
    facts.fileBesideProgram = QFileInfo::exists(programDir + kSettingsFileName);
    facts.programDirWritable = dir.isDir() && dir.isWritable();
    facts.installed = isInstalledProgram(programDir);
    facts.configDir = userConfigDirectory();
    return chooseSettingsFile(programDir, facts);
}

SavedDefaults loadDefaults(const IniFile &ini)
{
    SavedDefaults d;
    d.heading = ini.readString(kDefault, QStringLiteral("Headingdefault"), kDefaultTitleText);
    d.title = ini.readString(kDefault, QStringLiteral("Titledefault"), kDefaultTitleText);
    d.fileName = ini.readString(kDefault, QStringLiteral("Filenamedefault"), kDefaultFileName);

    d.useStandardBrowser = ini.readBool(kDefault, QStringLiteral("Usestandard"), true);
    d.browserPath = d.useStandardBrowser ? kStandardBrowser
                                         : ini.readString(kDefault, QStringLiteral("Browserdefault"), QString());

    // No range check here: the window brings the document's table into range
    // and leaves the saved defaults as they were read.
    d.table.columns = ini.readInteger(kTable, QStringLiteral("Columnsdefault"), 0);
    d.table.borderWidth = ini.readInteger(kTable, QStringLiteral("Borderwidthdefault"), 0);
    d.table.align = ini.readString(kTable, QStringLiteral("Aligndefault"), QStringLiteral("CENTER"));
    d.table.verticalAlign = ini.readString(kTable, QStringLiteral("VAligndefault"), QStringLiteral("MIDDLE"));

    d.colors.background = ini.readInteger(kColors, QStringLiteral("Background"), 12632256);
    d.colors.link = ini.readInteger(kColors, QStringLiteral("Links"), 16711680);
    d.colors.visitedLink = ini.readInteger(kColors, QStringLiteral("VisitedLinks"), 8388672);
    d.colors.text = ini.readInteger(kColors, QStringLiteral("Text"), 0);

    d.playSound = ini.readBool(kSound, QStringLiteral("Playsound"), false);
    d.modernPictures = ini.readBool(kDefault, QStringLiteral("Modernpictures"), false);

    const PageExtras off;
    d.page.wholeTree = ini.readBool(kPage, QStringLiteral("Wholetree"), off.wholeTree);
    d.page.maxDepth = ini.readInteger(kPage, QStringLiteral("Maxdepth"), off.maxDepth);
    d.page.leaveOut = ini.readString(kPage, QStringLiteral("Leaveout"), off.leaveOut);
    d.page.searchable = ini.readBool(kPage, QStringLiteral("Searchable"), off.searchable);
    d.page.thumbnails = ini.readBool(kPage, QStringLiteral("Thumbnails"), off.thumbnails);
    d.page.thumbnailSize = ini.readInteger(kPage, QStringLiteral("Thumbnailsize"), off.thumbnailSize);
    return d;
}

QPoint loadWindowPosition(const IniFile &ini, QPoint fallback)
{
    return QPoint(ini.readInteger(kPosition, QStringLiteral("x"), fallback.x()),
                  ini.readInteger(kPosition, QStringLiteral("y"), fallback.y()));
}

void saveDefaults(const SavedDefaults &d, IniFile &ini, QPoint windowPosition)
{
    // This order decides the order of sections and keys in a new file.
    ini.writeInteger(kPosition, QStringLiteral("x"), windowPosition.x());
    ini.writeInteger(kPosition, QStringLiteral("y"), windowPosition.y());
    ini.writeString(kDefault, QStringLiteral("Titledefault"), d.title);
    ini.writeString(kDefault, QStringLiteral("Headingdefault"), d.heading);
    ini.writeString(kDefault, QStringLiteral("Filenamedefault"), d.fileName);
    ini.writeBool(kDefault, QStringLiteral("Usestandard"), d.useStandardBrowser);
    ini.writeString(kDefault, QStringLiteral("Browserdefault"), d.browserPath);
    ini.writeInteger(kTable, QStringLiteral("Columnsdefault"), d.table.columns);
    ini.writeInteger(kTable, QStringLiteral("Borderwidthdefault"), d.table.borderWidth);
    ini.writeString(kTable, QStringLiteral("Aligndefault"), d.table.align);
    ini.writeString(kTable, QStringLiteral("VAligndefault"), d.table.verticalAlign);
    ini.writeInteger(kColors, QStringLiteral("Background"), d.colors.background);
    ini.writeInteger(kColors, QStringLiteral("Links"), d.colors.link);
    ini.writeInteger(kColors, QStringLiteral("VisitedLinks"), d.colors.visitedLink);
    ini.writeInteger(kColors, QStringLiteral("Text"), d.colors.text);
    ini.writeBool(kSound, QStringLiteral("Playsound"), d.playSound);
    // Added later than the others: written last, so older files only grow.
    ini.writeBool(kDefault, QStringLiteral("Modernpictures"), d.modernPictures);

    // The page's extras only when set or already in the file: with every
    // one off, the file is what it was before they existed.
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const PageExtras &p = d.page;
    const PageExtras off;
    const std::array<std::array<QString, 3>, 6> keys = {{
        {QStringLiteral("Wholetree"), flag(p.wholeTree), flag(off.wholeTree)},
        {QStringLiteral("Maxdepth"), QString::number(p.maxDepth), QString::number(off.maxDepth)},
        {QStringLiteral("Leaveout"), p.leaveOut, off.leaveOut},
        {QStringLiteral("Searchable"), flag(p.searchable), flag(off.searchable)},
        {QStringLiteral("Thumbnails"), flag(p.thumbnails), flag(off.thumbnails)},
        {QStringLiteral("Thumbnailsize"), QString::number(p.thumbnailSize), QString::number(off.thumbnailSize)},
    }};
    for (const auto &[key, value, offValue] : keys) {
        if (value != offValue || ini.contains(kPage, key))
            ini.writeString(kPage, key, value);
    }
}
