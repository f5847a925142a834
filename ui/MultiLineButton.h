// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button whose caption wraps onto further lines within the button's
// width while multiLine is true (the default); false keeps it on one line.

#include <QPushButton>

class QTextLayout;

class MultiLineButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool multiLine READ multiLine WRITE setMultiLine NOTIFY multiLineChanged)

public:
    explicit MultiLineButton(QWidget *parent = nullptr);
    explicit MultiLineButton(const QString &caption, QWidget *parent = nullptr);

    bool multiLine() const { return wraps; }
    // Setting the value it already has does nothing; a change re-lays the
    // caption and leaves focus, geometry, caption and enabled state alone.
    void setMultiLine(bool value);

    // The number of lines the caption is drawn on at the current width.
    int captionLineCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void multiLineChanged(bool multiLine);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
    // Lays the caption out in layout for width; returns the height used.
    qreal layoutCaption(QTextLayout &layout, qreal width) const;

    bool wraps = true;
};
