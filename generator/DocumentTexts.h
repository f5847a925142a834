// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's title, heading and file name: what the user typed (in the
// window's fields, or on the command line) and the rule that fills an empty
// field from the saved defaults. Both front ends resolve them before they
// build the request, so the run sees only the texts to write.

#include <QString>

#include <optional>

struct TypedDocumentTexts {
    QString title;              // empty: the default title
    bool heading = false;       // off: no heading at all
    QString headingText;        // empty: the default heading
    QString name;               // without extension; empty: the default name with ".htm"
    bool htmlExtension = true;  // ".html"; false: ".htm"
};

// The saved defaults that stand in for empty fields.
struct DefaultDocumentTexts {
    QString title;
    QString heading;
    QString fileName;  // without extension
};

struct DocumentTexts {
    QString title;                   // written as it stands: users put markup in it
    std::optional<QString> heading;  // the same; none: no heading
    QString fileName;                // with its extension; a path of its own writes there
};

DocumentTexts resolveDocumentTexts(const TypedDocumentTexts &typed, const DefaultDocumentTexts &defaults);
