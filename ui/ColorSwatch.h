// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour swatch: a small lowered panel showing one colour, clickable.

#include <QColor>
#include <QFrame>

class ColorSwatch final : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    QColor color() const { return value; }
    void setColor(const QColor &color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor value;
};
