#include "cli/CliArguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

// Screen widths we accept. Narrower than 40 pixels leaves no room for a
// picture: the shrink limit is the width less 40.
constexpr int kMinScreenWidth = 40;
constexpr int kMaxScreenWidth = 100000;

struct ValueOption {
    const char *name;
    const char *valueName;
};

const ValueOption kValueOptions[] = {
    {"name", "NAME"},         {"mode", "MODE"},         {"title", "TEXT"},
    {"heading", "TEXT"},      {"columns", "N"},         {"border", "N"},
    {"align", "ALIGN"},       {"valign", "VALIGN"},     {"bgcolor", "COLOR"},
    {"link-color", "COLOR"},  {"vlink-color", "COLOR"}, {"text-color", "COLOR"},
    {"filter", "MASK"},       {"screen-width", "N"},    {"settings", "FILE"},
};

const char *const kFlagOptions[] = {
    "htm",    "no-heading", "center",   "size",      "date",     "picture-size",
    "shrink", "picture-link", "subdirs", "absolute", "show-path", "overwrite",
    "modern-pictures", "searchable", "help", "version",
};

std::optional<int> parseInt(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// The value upper-cased when it is one of the choices, letter case ignored.
std::optional<QString> parseChoice(const QString &text, const QStringList &choices)
{
    const QString upper = text.toUpper();
    if (choices.contains(upper))
        return upper;
    return std::nullopt;
}

QString invalid(const QString &option, const QString &value, const QString &expected)
{
    return QStringLiteral("invalid value \"%1\" for --%2 (expected %3)").arg(value, option, expected);
}

} // namespace

std::optional<qint32> parseHtmlColor(const QString &text)
{
    if (text.size() != 7 || text.at(0) != QLatin1Char('#'))
        return std::nullopt;
    // Checked digit by digit: toUInt alone would also take a sign or "0x".
    for (qsizetype i = 1; i < 7; ++i) {
        const char16_t c = text.at(i).unicode();
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex)
            return std::nullopt;
    }
    const uint rgb = text.mid(1).toUInt(nullptr, 16);
    const uint red = (rgb >> 16) & 0xFF;
    const uint green = (rgb >> 8) & 0xFF;
    const uint blue = rgb & 0xFF;
    return qint32(red | (green << 8) | (blue << 16));
}

ParsedArguments parseArguments(const QStringList &arguments)
{
    ParsedArguments result;
    CliArguments &a = result.arguments;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ValueOption &o : kValueOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(o.name), QString(), QString::fromLatin1(o.valueName)));
    for (const char *flag : kFlagOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    parser.addOption(QCommandLineOption(QStringLiteral("h")));

    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("h"))) {
        a.action = CliArguments::Action::Help;
        result.ok = true;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        a.action = CliArguments::Action::Version;
        result.ok = true;
        return result;
    }

    auto value = [&](const char *name) { return parser.value(QString::fromLatin1(name)); };
    auto isSet = [&](const char *name) { return parser.isSet(QString::fromLatin1(name)); };

    if (isSet("name"))
        a.name = value("name");
    if (isSet("title"))
        a.title = value("title");
    if (isSet("heading"))
        a.heading = value("heading");
    if (isSet("settings")) {
        a.settingsPath = value("settings");
        if (a.settingsPath.isEmpty()) {
            result.error = QStringLiteral("--settings needs a file name");
            return result;
        }
    }
    a.noHeading = isSet("no-heading");
    a.htm = isSet("htm");
    a.center = isSet("center");
    a.size = isSet("size");
    a.date = isSet("date");
    a.pictureSize = isSet("picture-size");
    a.modernPictures = isSet("modern-pictures");
    a.shrink = isSet("shrink");
    a.pictureLink = isSet("picture-link");
    a.subdirs = isSet("subdirs");
    a.absolute = isSet("absolute");
    a.showPath = isSet("show-path");
    a.overwrite = isSet("overwrite");
    a.searchable = isSet("searchable");

    if (isSet("mode")) {
        const QString mode = value("mode").toLower();
        if (mode == QLatin1String("picture"))
            a.mode = EntryMode::Picture;
        else if (mode == QLatin1String("link"))
            a.mode = EntryMode::Link;
        else if (mode == QLatin1String("text"))
            a.mode = EntryMode::PlainText;
        else {
            result.error = invalid(QStringLiteral("mode"), value("mode"), QStringLiteral("picture, link or text"));
            return result;
        }
    }

    struct RangeOption {
        const char *name;
        std::optional<int> *target;
        int low;
        int high;
    };
    const RangeOption ranges[] = {
        {"columns", &a.columns, 0, 5},
        {"border", &a.border, 0, 5},
    };
    for (const RangeOption &r : ranges) {
        if (!isSet(r.name))
            continue;
        *r.target = parseInt(value(r.name), r.low, r.high);
        if (!*r.target) {
            result.error = invalid(QString::fromLatin1(r.name), value(r.name),
                                   QStringLiteral("a number from %1 to %2").arg(r.low).arg(r.high));
            return result;
        }
    }
    if (isSet("screen-width")) {
        const auto width = parseInt(value("screen-width"), kMinScreenWidth, kMaxScreenWidth);
        if (!width) {
            result.error = invalid(QStringLiteral("screen-width"), value("screen-width"),
                                   QStringLiteral("a number from %1 to %2").arg(kMinScreenWidth).arg(kMaxScreenWidth));
            return result;
        }
        a.screenWidth = *width;
    }

    struct ChoiceOption {
        const char *name;
        std::optional<QString> *target;
        QStringList choices;
    };
    const ChoiceOption choices[] = {
        {"align", &a.align, {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")}},
        {"valign", &a.valign, {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM")}},
    };
    for (const ChoiceOption &c : choices) {
        if (!isSet(c.name))
            continue;
        *c.target = parseChoice(value(c.name), c.choices);
        if (!*c.target) {
            result.error = invalid(QString::fromLatin1(c.name), value(c.name), c.choices.join(QLatin1Char('|')));
            return result;
        }
    }

    struct ColorOption {
        const char *name;
        std::optional<qint32> *target;
    };
    const ColorOption colors[] = {
        {"bgcolor", &a.bgColor},
        {"link-color", &a.linkColor},
        {"vlink-color", &a.vlinkColor},
        {"text-color", &a.textColor},
    };
    for (const ColorOption &c : colors) {
        if (!isSet(c.name))
            continue;
        *c.target = parseHtmlColor(value(c.name));
        if (!*c.target) {
            result.error = invalid(QString::fromLatin1(c.name), value(c.name), QStringLiteral("#RRGGBB"));
            return result;
        }
    }

    if (isSet("filter"))
        a.filter = value("filter");

    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        a.directory = positional.first();
        a.files = positional.mid(1);
        if (a.directory.isEmpty()) {
            result.error = QStringLiteral("the directory must not be an empty text");
            return result;
        }
    }

    result.ok = true;
    return result;
}

QString versionText()
{
    return QStringLiteral("quorvant-cli 2.1");
}

QString usageText()
{
    return QStringLiteral(
        "Usage: quorvant-cli [OPTIONS] [DIRECTORY [FILE...]]\n"
        "\n"
        "Writes one HTML document that lists the files of DIRECTORY (default \".\").\n"
        "FILE... selects files of the list (taken in list order); without any, every\n"
        "listed file is selected. Defaults come from the settings file.\n"
        "\n"
        "Document:\n"
        "  --name NAME           document name without extension (\"\" gives the\n"
        "                        default name with \".htm\")\n"
        "  --htm                 extension \".htm\" instead of \".html\"\n"
        "  --title TEXT          document title\n"
        "  --heading TEXT        document heading\n"
        "  --no-heading          no heading\n"
        "  --center              centre the page content\n"
        "  --absolute            absolute links; the document goes into the directory\n"
        "                        quorvant-cli was started in\n"
        "  --show-path           with --absolute: show each file's path\n"
        "  --overwrite           replace an existing document\n"
        "  --searchable          a search box and sort buttons on the page (a script\n"
        "                        and style inside the page, nothing fetched)\n"
        "\n"
        "Entries:\n"
        "  --mode MODE           picture (default), link or text\n"
        "  --size                show each file's size\n"
        "  --date                show each file's date\n"
        "  --picture-size        show the format and size of GIF and JPEG pictures\n"
        "  --shrink              picture mode: shrink pictures to fit the screen\n"
        "  --picture-link        picture mode: make each picture a link to its file\n"
        "  --subdirs             text mode: list the subdirectories first\n"
        "  --modern-pictures     also read the sizes of PNG, WebP and BMP pictures and\n"
        "                        of JPEG pictures that are not JFIF (Exif and others)\n"
        "  --screen-width N      screen width for --shrink (default 1024)\n"
        "\n"
        "Table:\n"
        "  --columns N           0 (no table) to 5\n"
        "  --border N            border width, 0 to 5\n"
        "  --align ALIGN         LEFT, CENTER or RIGHT\n"
        "  --valign VALIGN       TOP, MIDDLE or BOTTOM\n"
        "\n"
        "Colours (#RRGGBB):\n"
        "  --bgcolor COLOR  --link-color COLOR  --vlink-color COLOR  --text-color COLOR\n"
        "\n"
        "Other:\n"
        "  --filter MASK         file mask, \";\" between patterns (default \"*.*\")\n"
        "  --settings FILE       settings file (default: quorva21.ini beside the program,\n"
        "                        or ~/.config/quorvant/quorva21.ini when installed)\n"
        "  --help                show this text\n"
        "  --version             show the version\n"
        "\n"
        "Put -- before a DIRECTORY or FILE whose name begins with \"-\".\n"
        "\n"
        "Exit status: 0 document written (its path is printed), 1 run failed,\n"
        "2 usage error.\n");
}
