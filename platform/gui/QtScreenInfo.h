// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The primary screen's size, asked of the window system at each call.

#include "platform/core/ScreenInfo.h"

class QtScreenInfo final : public ScreenInfo {
public:
    int screenWidth() const override;
    int screenHeight() const override;
};
