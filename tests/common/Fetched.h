// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current data row's value of a column, for values used only once.

#include <QTest>

template <typename T>
T fetched(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}
