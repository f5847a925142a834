// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliArguments.h"

#include "Version.h"
#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"
#include "generator/ThumbnailBatch.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

// Screen widths we accept. Narrower than 40 pixels leaves no room for a
// picture: the shrink limit is the width less 40.
constexpr int kMinScreenWidth = 40;
constexpr int kMaxScreenWidth = 100000;
// Deeper than any path a system allows.
constexpr int kMaxDepth = 100000;

struct OptionSpec {
    const char *names;        // "h,help": a short and a long name
    const char *valueName;    // null for a switch
    const char *description;  // for --help and the manual page made from it
};

// In the order --help lists them: the document, its entries, the table, the
// colours, then the rest.
const OptionSpec kOptions[] = {
    {"name", "NAME", "document name without extension (\"\" gives the default name with \".htm\")"},
    {"htm", nullptr, "extension \".htm\" instead of \".html\""},
    {"title", "TEXT", "document title"},
    {"heading", "TEXT", "document heading"},
    {"no-heading", nullptr, "no heading"},
    {"center", nullptr, "centre the page content"},
    {"absolute", nullptr, "absolute links; the document goes into the directory quorvant-cli was started in"},
    {"show-path", nullptr, "with --absolute: show each file's path"},
    {"overwrite", nullptr, "replace an existing document"},
    {"searchable", nullptr, "a search box and sort buttons on the page (a script and style inside the page, nothing fetched)"},
    {"mode", "MODE", "picture (default), link or text"},
    {"size", nullptr, "show each file's size"},
    {"date", nullptr, "show each file's date"},
    {"picture-size", nullptr, "show the format and size of GIF and JPEG pictures"},
    {"shrink", nullptr, "picture mode: shrink pictures to fit the screen"},
    {"picture-link", nullptr, "picture mode: make each picture a link to its file"},
    {"thumbnails", nullptr,
     "picture mode: show each picture as a small copy linked to the picture; the copies are kept in a folder "
     "beside the document, named after it (index_thumbnails for index.html), and reused by later runs"},
    {"thumbnail-size", "N", "longest side of a thumbnail in pixels, 32 to 1024 (default 200)"},
    {"subdirs", nullptr, "text mode: list the subdirectories first"},
    {"modern-pictures", nullptr,
     "also read the sizes of PNG, WebP and BMP pictures and of JPEG pictures that are not JFIF (Exif and others)"},
    {"screen-width", "N", "screen width for --shrink (default 1024)"},
    {"columns", "N", "table columns: 0 (no table) to 5"},
    {"border", "N", "table border width, 0 to 5"},
    {"align", "ALIGN", "alignment in table cells: LEFT, CENTER or RIGHT"},
    {"valign", "VALIGN", "vertical alignment in table cells: TOP, MIDDLE or BOTTOM"},
    {"bgcolor", "COLOR", "background colour, #RRGGBB"},
    {"link-color", "COLOR", "link colour, #RRGGBB"},
    {"vlink-color", "COLOR", "visited link colour, #RRGGBB"},
    {"text-color", "COLOR", "text colour, #RRGGBB"},
    {"filter", "MASK",
     "file mask, \";\" between patterns (default \"*.*\"); names beginning with a dot are listed only by a "
     "pattern that itself begins with a dot (\".*\", \".bashrc\")"},
    {"recursive", nullptr,
     "the whole tree: also every subdirectory's files, depth first, each directory a section, with a contents list "
     "at the top; hidden directories and links to directories are not entered"},
    {"max-depth", "N", "with --recursive: at most N levels of subdirectories (0: the directory alone)"},
    {"exclude", "PATTERN",
     "with --recursive: leave out the files and directories whose names match, like --filter (wildcards, letter case "
     "ignored); may be given more than once"},
    {"settings", "FILE",
     "settings file (default: quorva21.ini beside the program, or ~/.config/quorvant/quorva21.ini when installed)"},
    {"h,help", nullptr, "show this text"},
    {"version", nullptr, "show the version"},
};

const char *const kUsageLine = "Usage: quorvant-cli [OPTIONS] [DIRECTORY [FILE...]]";

void setUpParser(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Writes one HTML document that lists the files of DIRECTORY (default \".\").\n"
        "FILE... selects files of the list (taken in list order); without any, every\n"
        "listed file is selected. A FILE is matched by its bytes, or by the name as\n"
        "quorvant-cli prints it (bytes that are not UTF-8, and control characters,\n"
        "as \\xNN). Defaults come from the settings file."));
    for (const OptionSpec &o : kOptions) {
        const QStringList names = QString::fromLatin1(o.names).split(QLatin1Char(','));
        parser.addOption(o.valueName ? QCommandLineOption(names, QString::fromLatin1(o.description),
                                                          QString::fromLatin1(o.valueName))
                                     : QCommandLineOption(names, QString::fromLatin1(o.description)));
    }
    parser.addPositionalArgument(QStringLiteral("DIRECTORY"), QStringLiteral("the directory to list"));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a file of its list to select"));
}

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

// Each reader takes its part of the options into a and returns the error
// text of the first value that will not do, or nothing.

QString readTextsAndSwitches(const QCommandLineParser &p, CliArguments &a)
{
    auto isSet = [&](const char *name) { return p.isSet(QString::fromLatin1(name)); };
    for (const auto &[name, target] : {std::pair{"name", &a.name}, {"title", &a.title}, {"heading", &a.heading}}) {
        if (isSet(name))
            *target = p.value(QString::fromLatin1(name));
    }
    if (isSet("settings")) {
        a.settingsPath = p.value(QStringLiteral("settings"));
        if (a.settingsPath.isEmpty())
            return QStringLiteral("--settings needs a file name");
    }
    const std::pair<const char *, bool *> switches[] = {
        {"no-heading", &a.noHeading}, {"htm", &a.htm},         {"center", &a.center},
        {"size", &a.size},            {"date", &a.date},       {"picture-size", &a.pictureSize},
        {"modern-pictures", &a.modernPictures}, {"shrink", &a.shrink}, {"picture-link", &a.pictureLink},
        {"subdirs", &a.subdirs},      {"absolute", &a.absolute}, {"show-path", &a.showPath},
        {"overwrite", &a.overwrite}, {"searchable", &a.searchable}, {"recursive", &a.recursive},
        {"thumbnails", &a.thumbnails},
    };
    for (const auto &[name, target] : switches)
        *target = isSet(name);
    if (isSet("filter"))
        a.filter = p.value(QStringLiteral("filter"));
    a.exclude = p.values(QStringLiteral("exclude"));
    // What only a whole tree reads is refused without one, not ignored.
    for (const char *treeOnly : {"max-depth", "exclude"}) {
        if (isSet(treeOnly) && !a.recursive)
            return QStringLiteral("--%1 needs --recursive").arg(QLatin1String(treeOnly));
    }
    return {};
}

QString readMode(const QCommandLineParser &p, CliArguments &a)
{
    if (!p.isSet(QStringLiteral("mode")))
        return {};
    const QString value = p.value(QStringLiteral("mode"));
    const QString mode = value.toLower();
    if (mode == QLatin1String("picture"))
        a.mode = EntryMode::Picture;
    else if (mode == QLatin1String("link"))
        a.mode = EntryMode::Link;
    else if (mode == QLatin1String("text"))
        a.mode = EntryMode::PlainText;
    else
        return invalid(QStringLiteral("mode"), value, QStringLiteral("picture, link or text"));
    return {};
}

QString readNumbers(const QCommandLineParser &p, CliArguments &a)
{
    struct RangeOption {
        const char *name;
        std::optional<int> *target;
        int low;
        int high;
    };
    std::optional<int> screenWidth;
    const RangeOption ranges[] = {
        {"columns", &a.columns, 0, 5},
        {"border", &a.border, 0, 5},
        {"screen-width", &screenWidth, kMinScreenWidth, kMaxScreenWidth},
        {"max-depth", &a.maxDepth, 0, kMaxDepth},
        {"thumbnail-size", &a.thumbnailSize, kMinThumbnailSide, kMaxThumbnailSide},
    };
    for (const RangeOption &r : ranges) {
        const QString name = QString::fromLatin1(r.name);
        if (!p.isSet(name))
            continue;
        *r.target = parseInt(p.value(name), r.low, r.high);
        if (!*r.target)
            return invalid(name, p.value(name), QStringLiteral("a number from %1 to %2").arg(r.low).arg(r.high));
    }
    a.screenWidth = screenWidth.value_or(a.screenWidth);
    return {};
}

QString readChoices(const QCommandLineParser &p, CliArguments &a)
{
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
        const QString name = QString::fromLatin1(c.name);
        if (!p.isSet(name))
            continue;
        *c.target = parseChoice(p.value(name), c.choices);
        if (!*c.target)
            return invalid(name, p.value(name), c.choices.join(QLatin1Char('|')));
    }
    return {};
}

QString readColors(const QCommandLineParser &p, CliArguments &a)
{
    const std::pair<const char *, std::optional<qint32> *> colors[] = {
        {"bgcolor", &a.bgColor},
        {"link-color", &a.linkColor},
        {"vlink-color", &a.vlinkColor},
        {"text-color", &a.textColor},
    };
    for (const auto &[option, target] : colors) {
        const QString name = QString::fromLatin1(option);
        if (!p.isSet(name))
            continue;
        *target = parseHtmlColor(p.value(name));
        if (!*target)
            return invalid(name, p.value(name), QStringLiteral("#RRGGBB"));
    }
    return {};
}

// The positional arguments' own bytes: the parser hands back text, which is
// found again among the arguments in order.
QString readPositional(const QCommandLineParser &p, CliArguments &a, const QStringList &texts,
                       const QList<QByteArray> &raw)
{
    const QStringList positional = p.positionalArguments();
    if (positional.isEmpty())
        return {};
    a.directory = positional.first();
    qsizetype at = texts.indexOf(positional.first(), 1);
    for (const QString &file : positional.mid(1)) {
        at = texts.indexOf(file, at + 1);
        a.files << (at >= 0 ? raw.at(at) : file.toUtf8());
    }
    if (a.directory.isEmpty())
        return QStringLiteral("the directory must not be an empty text");
    return {};
}

// An argument as text: decoded when it is UTF-8, else in its readable form.
QString argumentText(const QByteArray &argument)
{
    return argument.isValidUtf8() ? decodedFileName(argument) : readableFileName(argument);
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

QList<QByteArray> utf8Arguments(const QStringList &arguments)
{
    QList<QByteArray> raw;
    raw.reserve(arguments.size());
    for (const QString &argument : arguments)
        raw << argument.toUtf8();
    return raw;
}

ParsedArguments parseArguments(const QStringList &arguments)
{
    return parseArguments(utf8Arguments(arguments));
}

ParsedArguments parseArguments(const QList<QByteArray> &raw)
{
    QStringList arguments;
    for (const QByteArray &argument : raw)
        arguments << argumentText(argument);
    ParsedArguments result;
    QCommandLineParser parser;
    setUpParser(parser);
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    CliArguments &a = result.arguments;
    if (parser.isSet(QStringLiteral("help")))
        a.action = CliArguments::Action::Help;
    else if (parser.isSet(QStringLiteral("version")))
        a.action = CliArguments::Action::Version;
    if (a.action != CliArguments::Action::Run) {
        result.ok = true;
        return result;
    }
    // In this order, so the first value that will not do is the one named.
    for (const auto read : {readTextsAndSwitches, readMode, readNumbers, readChoices, readColors}) {
        result.error = read(parser, a);
        if (!result.error.isEmpty())
            return result;
    }
    result.error = readPositional(parser, a, arguments, raw);
    if (!result.error.isEmpty())
        return result;
    result.ok = true;
    return result;
}

QString versionText()
{
    return QStringLiteral("quorvant-cli " QUORVANT_VERSION);
}

QString usageText()
{
    QCommandLineParser parser;
    setUpParser(parser);
    QString text = parser.helpText();
    // Qt names the program by the path it was started with; the manual page
    // made from this text must not carry a build folder's path.
    text.replace(0, text.indexOf(QLatin1Char('\n')), QString::fromLatin1(kUsageLine) + QLatin1Char('\n'));
    return text + QStringLiteral(
        "\n"
        "Put -- before a DIRECTORY or FILE whose name begins with \"-\".\n"
        "\n"
        "Exit status: 0 document written (its path is printed), 1 run failed,\n"
        "2 usage error, 130 cancelled (Ctrl-C or SIGTERM; no document written).\n");
}
