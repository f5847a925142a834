// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-line button: wrapping, ampersands, and what a switch keeps.

#include "ui/MultiLineButton.h"

#include <QApplication>
#include <QTest>

class TstMultiLineButton : public QObject {
    Q_OBJECT

private slots:
    // The button wraps within its width, even a name with no break
    // opportunity; "&&" is one ampersand. Switching keeps focus, geometry,
    // caption and enabling.
    void wrapsWithinItsWidth_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("wraps");
        const QString currentDir = "Current Directory as Title and Heading";
        QTest::newRow("default wraps a long caption") << currentDir << QSize(121, 33) << true << true;
        QTest::newRow("single line when switched off") << currentDir << QSize(121, 33) << false << false;
        QTest::newRow("unbroken name breaks anywhere") << QString(120, 'x') + ".html" << QSize(329, 41) << true << true;
        QTest::newRow("doubled ampersands shown once") << QString("R&&D ").repeated(6) << QSize(200, 41) << true << false;
    }
    void wrapsWithinItsWidth()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, multiLine);
        QWidget window;
        (new QPushButton("Other", &window))->setGeometry(0, 0, 80, 25);
        auto *button = new MultiLineButton(caption, &window);
        QVERIFY(button->multiLine());
        button->setGeometry(QRect(QPoint(20, 40), size));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        for (bool value : {!multiLine, multiLine}) {
            button->setMultiLine(value);
            QVERIFY(QApplication::focusWidget() == button && button->geometry() == QRect(QPoint(20, 40), size));
            QVERIFY(button->text() == caption && button->isEnabled());
        }
        QTEST(button->captionLineCount() > 1, "wraps");
    }
};

QTEST_MAIN(TstMultiLineButton)
#include "tst_multilinebutton.moc"
