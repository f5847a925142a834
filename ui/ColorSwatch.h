#pragma once
// A colour swatch: a small lowered panel showing one colour, clickable.

#include "generator/PageColors.h"

#include <QFrame>

class ColorSwatch final : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    qint32 color() const { return value; }  // 0x00BBGGRR
    void setColor(qint32 color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qint32 value = 0;
};

// A colour's button caption ("Background", "Links", "Visited Links", "Text")
// and the object names of its button and swatch ("linkColorButton",
// "linkSwatch"), the same in the main window and the options dialog.
QString colorCaption(ColorRole role);
QString colorButtonName(ColorRole role);
QString colorSwatchName(ColorRole role);
