// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CaptionFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

constexpr int kSmallestPixels = 8;

int neededWidth(const QWidget *control)
{
    // Measured from the style's metrics rather than size hints, which add
    // the style's own minimum sizes and margins to the caption.
    const QStyle *style = control->style();
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        return metrics.horizontalAdvance(button->text()) + 2 * (frame + 2);
    }
    if (const auto *radio = qobject_cast<const QRadioButton *>(control))
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control)
            + metrics.horizontalAdvance(radio->text());
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control)
            + metrics.horizontalAdvance(check->text());
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return metrics.horizontalAdvance(group->title()) + 4;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return metrics.horizontalAdvance(label->text());
    return 0;
}

void fitCaptionFont(QWidget *control, const QFont &font)
{
    control->setFont(font);
    int pixels = QFontInfo(font).pixelSize();
    while (neededWidth(control) > control->width() && pixels > kSmallestPixels) {
        QFont smaller = font;
        smaller.setPixelSize(--pixels);
        control->setFont(smaller);
    }
}

}  // namespace

void fitMarkedCaptions(QWidget *window, const QFont &font)
{
    // findChildren lists a parent before its children.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->property("fitCaption").toBool())
            fitCaptionFont(control, font);
    }
}
