// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date text of files and subdirectories: local time at two-second
// resolution, the locale's short date and, unless it is exactly midnight,
// a blank and the locale's long time without a time-zone name.

#include <QDateTime>
#include <QLocale>
#include <QString>

QString dateText(const QDateTime &modified, const QLocale &locale);

// A time format with its time-zone fields ("t") removed, together with the
// blank or brackets that only served them; quoted literals stay intact.
QString timeFormatWithoutZone(const QString &format);
