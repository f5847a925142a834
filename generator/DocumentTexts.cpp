// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DocumentTexts.h"

DocumentTexts resolveDocumentTexts(const TypedDocumentTexts &typed, const DefaultDocumentTexts &defaults)
{
    DocumentTexts texts;
    texts.title = typed.title.isEmpty() ? defaults.title : typed.title;
    if (typed.heading)
        texts.heading = typed.headingText.isEmpty() ? defaults.heading : typed.headingText;
    // An empty name field gives the default name, always with ".htm".
    if (typed.name.isEmpty())
        texts.fileName = defaults.fileName + QStringLiteral(".htm");
    else
        texts.fileName = typed.name + (typed.htmlExtension ? QStringLiteral(".html") : QStringLiteral(".htm"));
    return texts;
}
