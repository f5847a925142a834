// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How each file appears on the page, and how links reach it.

enum class EntryMode {
    Link,       // "Embed Link to File"
    Picture,    // "Embed Picture itself"
    PlainText,  // "Embed Plain Text", in aligned columns
};

enum class LinkStyle {
    Relative,  // bare names; the document goes into the listed directory
    Absolute,  // file URLs; the document goes into the start directory
};
