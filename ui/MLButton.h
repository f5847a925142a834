#pragma once
// A push button whose caption wraps onto further lines within the button's
// width while MultiLine is true (the default); false keeps it on one line.

#include <QPushButton>

class QTextLayout;

class TMultiLineBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE setMultiLine NOTIFY MultiLineChanged)

public:
    explicit TMultiLineBtn(QWidget *parent = nullptr);
    explicit TMultiLineBtn(const QString &caption, QWidget *parent = nullptr);

    bool MultiLine() const { return FMultiLine; }
    // Setting the value it already has does nothing; a change re-lays the
    // caption and leaves focus, geometry, caption and enabled state alone.
    void setMultiLine(bool value);

    // The number of lines the caption is drawn on at the current width.
    int captionLineCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void MultiLineChanged(bool multiLine);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
    // Lays the caption out in layout for width; returns the height used.
    qreal layoutCaption(QTextLayout &layout, qreal width) const;

    bool FMultiLine = true;
};
