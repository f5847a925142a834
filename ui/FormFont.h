// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' font: the desktop's own face at 8 points, the size the
// layouts are drawn for.

#include <QFont>

QFont formFont();
