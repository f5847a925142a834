// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DateText.h"

QString timeFormatWithoutZone(const QString &format)
{
    const QChar quote = QLatin1Char('\'');
    const QChar blank = QLatin1Char(' ');
    QString out;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format.at(i);
        if (c == quote) {
            // Copy a quoted literal whole; a doubled quote inside it is one quote.
            qsizetype j = i + 1;
            while (j < n) {
                if (format.at(j) == quote) {
                    if (j + 1 < n && format.at(j + 1) == quote) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += format.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('t')) {
            qsizetype j = i;
            while (j < n && format.at(j) == QLatin1Char('t'))
                ++j;
            if (out.endsWith(QLatin1Char('(')) && j < n && format.at(j) == QLatin1Char(')')) {
                out.chop(1);
                ++j;
            }
            if (out.endsWith(blank)) {
                while (out.endsWith(blank))
                    out.chop(1);
            } else {
                while (j < n && format.at(j) == blank)
                    ++j;
            }
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out.trimmed();
}

QString dateText(const QDateTime &modified, const QLocale &locale)
{
    const QDateTime local = modified.toLocalTime();
    const QTime t = local.time();
    // The two-second resolution of the packed date-time form the page has always shown.
    const QTime even(t.hour(), t.minute(), t.second() & ~1);
    QString text = locale.toString(local.date(), QLocale::ShortFormat);
    if (even != QTime(0, 0, 0)) {
        text += QLatin1Char(' ');
        text += locale.toString(even, timeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
    }
    return text;
}
