#pragma once
// A colour swatch: a small lowered panel showing one colour, clickable.

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
