#include "MLButton.h"

#include <QApplication>
#include <QTest>
#include <QPushButton>

// The multi-line button: wraps within its width, and switching keeps the rest.
class TstMlButton : public QObject {
    Q_OBJECT

private slots:
    void wrapsWithinItsWidth_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("wraps");

        const QString currentDir = QStringLiteral("Current Directory as Title and Heading");
        // A document name may have no break opportunity at all: it must still
        // break rather than run out of the button.
        const QString longPath = QString(120, QLatin1Char('x')) + QStringLiteral(".html");
        QTest::newRow("default wraps a long caption") << currentDir << QSize(121, 33) << true << true;
        QTest::newRow("single line when switched off") << currentDir << QSize(121, 33) << false << false;
        QTest::newRow("short caption stays on one line") << QStringLiteral("Exit") << QSize(121, 33) << true << false;
        QTest::newRow("unbroken name breaks anywhere") << longPath << QSize(329, 41) << true << true;
    }

    void wrapsWithinItsWidth()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(bool, multiLine);
        QFETCH(bool, wraps);

        TMultiLineBtn button(caption);
        QVERIFY(button.MultiLine());  // the default
        button.resize(size);
        button.setMultiLine(multiLine);
        QCOMPARE(button.captionLineCount() > 1, wraps);
        QCOMPARE(button.text(), caption);
    }

    void switchingKeepsFocusGeometryCaptionAndEnabled_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled and focused") << true;
        QTest::newRow("disabled") << false;
    }

    void switchingKeepsFocusGeometryCaptionAndEnabled()
    {
        QFETCH(bool, enabled);

        QWidget window;
        auto *other = new QPushButton(QStringLiteral("Other"), &window);
        other->setGeometry(0, 0, 80, 25);
        auto *button = new TMultiLineBtn(QStringLiteral("Current Directory as Title and Heading"), &window);
        button->setGeometry(20, 40, 121, 33);
        window.resize(200, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        button->setEnabled(enabled);
        const QWidget *focusBefore = QApplication::focusWidget();
        QCOMPARE(focusBefore == button, enabled);

        for (bool value : {false, true}) {
            button->setMultiLine(value);
            QCOMPARE(QApplication::focusWidget(), focusBefore);
            QCOMPARE(button->geometry(), QRect(20, 40, 121, 33));
            QCOMPARE(button->text(), QStringLiteral("Current Directory as Title and Heading"));
            QCOMPARE(button->isEnabled(), enabled);
            QCOMPARE(button->captionLineCount() > 1, value);
        }
    }
};

QTEST_MAIN(TstMlButton)
#include "tst_mlbutton.moc"
