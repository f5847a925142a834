#pragma once
// The colour chooser as Qt's modal colour dialog.

#include "platform/core/ColorChooser.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

class QtColorChooser final : public ColorChooser {
public:
    explicit QtColorChooser(QWidget *parent = nullptr) : owner(parent) {}
    void setParentWidget(QWidget *parent) { owner = parent; }

    bool chooseColor(qint32 initial, qint32 &chosen) override;

    // Between the options' 0x00BBGGRR and QColor; bits above 23 are ignored.
    static QColor toQColor(qint32 value);
    static qint32 fromQColor(const QColor &color);

private:
    QPointer<QWidget> owner;
};
