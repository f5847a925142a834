// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's four colours. A colour is an integer with red in bits 0-7,
// green in 8-15 and blue in 16-23, as the settings file stores it.

#include <QByteArray>
#include <QtGlobal>

enum class ColorRole { Background, Link, VisitedLink, Text };

struct PageColors {
    qint32 background = 0xC0C0C0;
    qint32 link = 0xFF0000;
    qint32 visitedLink = 0x800040;
    qint32 text = 0;

    qint32 &operator[](ColorRole role)
    {
        switch (role) {
        case ColorRole::Background: return background;
        case ColorRole::Link: return link;
        case ColorRole::VisitedLink: return visitedLink;
        case ColorRole::Text: break;
        }
        return text;
    }
    qint32 operator[](ColorRole role) const { return const_cast<PageColors &>(*this)[role]; }
    bool operator==(const PageColors &) const = default;
};

inline constexpr ColorRole kColorRoles[] = {ColorRole::Background, ColorRole::Link, ColorRole::VisitedLink,
                                            ColorRole::Text};

// Six upper-case hexadecimal digits, red first ("0000FF" for 0xFF0000).
// Only the low 24 bits are a colour: anything above is ignored.
QByteArray colorText(qint32 color);
