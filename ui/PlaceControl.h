#pragma once
// Controls at the fixed positions and sizes the windows' layouts give them.

#include "ui/CaptionFit.h"
#include "ui/FormFont.h"

#include <QString>
#include <QWidget>

template <typename W>
W *place(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

template <typename W>
W *place(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    return place<W>(parent, QString::fromLatin1(name), x, y, w, h);
}

template <typename W>
W *place(QWidget *parent, const char *name, const char *caption, int x, int y, int w, int h)
{
    auto *widget = place<W>(parent, name, x, y, w, h);
    widget->setText(QString::fromUtf8(caption));
    return widget;
}

// The dialogs keep their controls' sizes: a caption that does not fit is
// drawn a little smaller rather than clipped.
template <typename W>
W *placeFitted(QWidget *parent, const char *name, const char *caption, int x, int y, int w, int h)
{
    auto *widget = place<W>(parent, name, caption, x, y, w, h);
    fitCaptionFont(widget, formFont());
    return widget;
}
