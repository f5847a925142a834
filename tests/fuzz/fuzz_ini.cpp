// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader and writer over arbitrary file contents: reads never
// fail, a key written reads back as written, and writing one key never
// changes what another key reads.
#include "settings/IniFile.h"
#include "settings/IniText.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"

#include <QList>
#include <QPair>

namespace {

// The file's sections and keys, and names that only differ in case and blanks.
const QList<QPair<QString, QString>> kKeys = {
    {"Position", "x"}, {"Position", "y"}, {"Default", "Headingdefault"}, {"Default", "Titledefault"},
    {"Default", "Filenamedefault"}, {"Default", "Usestandard"}, {"Default", "Browserdefault"},
    {"Table", "Columnsdefault"}, {"Table", "Borderwidthdefault"}, {"Table", "Aligndefault"},
    {"Table", "VAligndefault"}, {"Colors", "Background"}, {"Colors", "Links"}, {"Colors", "VisitedLinks"},
    {"Colors", "Text"}, {"Sound", "Playsound"}, {" default ", "TITLEDEFAULT"}, {"sound", " playSound "}};

bool sameKey(const QPair<QString, QString> &a, const QPair<QString, QString> &b)
{
    return a.first.trimmed().compare(b.first.trimmed(), Qt::CaseInsensitive) == 0
           && a.second.trimmed().compare(b.second.trimmed(), Qt::CaseInsensitive) == 0;
}

// The file in memory: what IniFile reads, and what it last wrote.
class MemoryIni final : public IniFile {
public:
    explicit MemoryIni(QByteArray initial) : IniFile(QStringLiteral("memory.ini")), content(std::move(initial)) {}
    QByteArray content;

protected:
    bool replaceContent(const QByteArray &bytes) override
    {
        content = bytes;
        return true;
    }
    std::optional<QByteArray> readContent() const override { return content; }
};

} // namespace

int fuzzIni(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const auto &target = kKeys.at(in.below(int(kKeys.size())));
    const QString value = QString::fromUtf8(in.chunk());
    const qint32 number = in.int32();
    const QByteArray before = in.rest();

    QList<std::optional<QString>> read;
    MemoryIni ini(before);
    for (const auto &[section, key] : kKeys) {
        const std::optional<QString> v = IniText::lookup(before, section, key);
        read << v;
        // The 1024-byte lookup buffer: at most 1023 characters, a prefix of the value.
        const QString s = ini.readString(section, key, QStringLiteral("fallback"));
        FUZZ_CHECK(v ? s.size() <= 1023 && v->startsWith(s) : s == QLatin1String("fallback"));
        const qint32 n = ini.readInteger(section, key, -77);
        FUZZ_CHECK(n == (v ? IniText::parseInteger(*v).value_or(-77) : -77));
    }

    // A line break in a value cannot start a key of its own: it becomes a blank.
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    ini.writeString(target.first, target.second, value);
    const QByteArray after = ini.content;
    FUZZ_CHECK(IniText::lookup(after, target.first, target.second) == expected);
    for (qsizetype i = 0; i < kKeys.size(); ++i) {
        if (!sameKey(kKeys[i], target))
            FUZZ_CHECK(IniText::lookup(after, kKeys[i].first, kKeys[i].second) == read[i]);
    }
    // Writing the same again changes nothing: edits are stable.
    ini.writeString(target.first, target.second, value);
    FUZZ_CHECK(ini.content == after);

    // Numbers as written read back, in decimal and in both hexadecimal forms.
    const QString hex = QString::number(quint32(number), 16);
    FUZZ_CHECK(IniText::parseInteger(QString::number(number)) == number);
    FUZZ_CHECK(IniText::parseInteger(QLatin1Char('$') + hex) == number);
    FUZZ_CHECK(IniText::parseInteger(QStringLiteral("0X") + hex.toUpper()) == number);
    return 0;
}
