#include "SettingsStore.h"

#include "GenerationOptions.h"
#include "IniFile.h"
#include "NativePaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kPosition = QStringLiteral("Position");
const QString kDefault = QStringLiteral("Default");
const QString kTable = QStringLiteral("Table");
const QString kColors = QStringLiteral("Colors");
const QString kSound = QStringLiteral("Sound");

const QString kStandardBrowser = QStringLiteral("Standard Browser");

}  // namespace

QString programDirectory()
{
    const QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return withTrailingSeparator(dir, nativePathStyle());
}

QString settingsFilePath(const QString &programDir)
{
    return programDir + QStringLiteral("quorva21.ini");
}

void loadDefaults(GenerationOptions &options, const IniFile &ini)
{
    options.DefaultHeading = ini.readString(kDefault, QStringLiteral("Headingdefault"), kDefaultTitleText);
    options.DefaultTitle = ini.readString(kDefault, QStringLiteral("Titledefault"), kDefaultTitleText);
    options.DefaultFileName = ini.readString(kDefault, QStringLiteral("Filenamedefault"), QStringLiteral("quorvant"));

    options.UseStandardBrowser = ini.readBool(kDefault, QStringLiteral("Usestandard"), true);
    options.BrowserPath = options.UseStandardBrowser
        ? kStandardBrowser
        : ini.readString(kDefault, QStringLiteral("Browserdefault"), QString());

    // No range check here: the main window's activation brings the current
    // values into range and leaves the saved defaults as they were read.
    options.TableColumns = options.DefaultTableColumns =
        ini.readInteger(kTable, QStringLiteral("Columnsdefault"), 0);
    options.TableBorderWidth = options.DefaultTableBorderWidth =
        ini.readInteger(kTable, QStringLiteral("Borderwidthdefault"), 0);
    options.TableAlign = options.DefaultTableAlign =
        ini.readString(kTable, QStringLiteral("Aligndefault"), QStringLiteral("CENTER"));
    options.TableVAlign = options.DefaultTableVAlign =
        ini.readString(kTable, QStringLiteral("VAligndefault"), QStringLiteral("MIDDLE"));

    options.DefaultBgColor = ini.readInteger(kColors, QStringLiteral("Background"), 12632256);
    options.DefaultLinkColor = ini.readInteger(kColors, QStringLiteral("Links"), 16711680);
    options.DefaultVLinkColor = ini.readInteger(kColors, QStringLiteral("VisitedLinks"), 8388672);
    options.DefaultTextColor = ini.readInteger(kColors, QStringLiteral("Text"), 0);

    options.PlaySoundEnabled = ini.readBool(kSound, QStringLiteral("Playsound"), false);

    options.BrowserDisplayName = options.BrowserPath.isEmpty()
        ? QStringLiteral("Internet Browser")
        : fileNamePart(options.BrowserPath, nativePathStyle());
}

int loadWindowX(const IniFile &ini, int fallback)
{
    return ini.readInteger(kPosition, QStringLiteral("x"), fallback);
}

int loadWindowY(const IniFile &ini, int fallback)
{
    return ini.readInteger(kPosition, QStringLiteral("y"), fallback);
}

void saveDefaults(const GenerationOptions &options, IniFile &ini, int windowX, int windowY)
{
    // This order decides the order of sections and keys in a new file.
    ini.writeInteger(kPosition, QStringLiteral("x"), windowX);
    ini.writeInteger(kPosition, QStringLiteral("y"), windowY);
    ini.writeString(kDefault, QStringLiteral("Titledefault"), options.DefaultTitle);
    ini.writeString(kDefault, QStringLiteral("Headingdefault"), options.DefaultHeading);
    ini.writeString(kDefault, QStringLiteral("Filenamedefault"), options.DefaultFileName);
    ini.writeBool(kDefault, QStringLiteral("Usestandard"), options.UseStandardBrowser);
    ini.writeString(kDefault, QStringLiteral("Browserdefault"), options.BrowserPath);
    ini.writeInteger(kTable, QStringLiteral("Columnsdefault"), options.DefaultTableColumns);
    ini.writeInteger(kTable, QStringLiteral("Borderwidthdefault"), options.DefaultTableBorderWidth);
    ini.writeString(kTable, QStringLiteral("Aligndefault"), options.DefaultTableAlign);
    ini.writeString(kTable, QStringLiteral("VAligndefault"), options.DefaultTableVAlign);
    ini.writeInteger(kColors, QStringLiteral("Background"), options.DefaultBgColor);
    ini.writeInteger(kColors, QStringLiteral("Links"), options.DefaultLinkColor);
    ini.writeInteger(kColors, QStringLiteral("VisitedLinks"), options.DefaultVLinkColor);
    ini.writeInteger(kColors, QStringLiteral("Text"), options.DefaultTextColor);
    ini.writeBool(kSound, QStringLiteral("Playsound"), options.PlaySoundEnabled);
}
