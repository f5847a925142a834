// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MultiLineButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace {

// The caption without its mnemonic markers, as the button shows it: "&&" is
// one ampersand, a single "&" marks the next letter and is not drawn.
QString shownCaption(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text.at(i) == QLatin1Char('&'))
            continue;
        shown += text.at(i);
    }
    return shown;
}

}  // namespace

MultiLineButton::MultiLineButton(QWidget *parent) : QPushButton(parent) {}

MultiLineButton::MultiLineButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

void MultiLineButton::setMultiLine(bool value)
{
    if (value == wraps)
        return;
    wraps = value;
    updateGeometry();
    update();
    emit multiLineChanged(value);
}

QRect MultiLineButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 1, -2, -1);
}

qreal MultiLineButton::layoutCaption(QTextLayout &layout, qreal width) const
{
    QTextOption textOption(wraps ? Qt::AlignHCenter : Qt::AlignLeft);
    // Long paths have no blanks: they break anywhere rather than run out of the button.
    textOption.setWrapMode(wraps ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setText(shownCaption(text()));
    layout.setFont(font());
    layout.setTextOption(textOption);
    const qreal leading = fontMetrics().leading();
    qreal height = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(wraps ? width : 1.0e6);
        if (height > 0)
            height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

int MultiLineButton::captionLineCount() const
{
    QTextLayout layout;
    layoutCaption(layout, qMax(1, captionRect().width()));
    return layout.lineCount();
}

void MultiLineButton::paintEvent(QPaintEvent *event)
{
    if (!wraps) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();  // the bevel from the style, the caption drawn below
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionRect();
    QTextLayout layout;
    const qreal height = layoutCaption(layout, area.width());
    const qreal top = area.top() + qMax<qreal>(0, (area.height() - height) / 2);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setClipRect(area.adjusted(-2, -1, 2, 1));
    layout.draw(&painter, QPointF(area.left(), top));
}

QSize MultiLineButton::sizeHint() const
{
    const QSize oneLine = QPushButton::sizeHint();
    if (!wraps || width() <= 0)
        return oneLine;
    QTextLayout layout;
    const qreal height = layoutCaption(layout, qMax(1, captionRect().width()));
    return QSize(oneLine.width(), qMax(oneLine.height(), int(height) + 10));
}

QSize MultiLineButton::minimumSizeHint() const
{
    return wraps ? QSize(16, 16) : QPushButton::minimumSizeHint();
}
