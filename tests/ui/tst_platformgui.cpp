// The real message boxes and colour chooser: what they turn the program's
// values into.

#include "QtColorChooser.h"
#include "QtMessageBoxes.h"

#include <QTest>

class TstPlatformGui : public QObject {
    Q_OBJECT

private slots:
    void messageText_data();
    void messageText();
    void colourOrder_data();
    void colourOrder();
};

void TstPlatformGui::messageText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("carriage return") << "File access error\rpicture.gif" << "File access error\npicture.gif";
    QTest::newRow("CR LF is one break") << "a\r\nb" << "a\nb";
    QTest::newRow("markup stays text") << "<b>x</b> & y" << "<b>x</b> & y";
}

void TstPlatformGui::messageText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(QtMessageBoxes::displayText(text), shown);
}

void TstPlatformGui::colourOrder_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("red is the low byte") << qint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << qint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("visited-link default") << qint32(0x800040) << QColor(0x40, 0, 0x80);
    QTest::newRow("high byte ignored") << qint32(0x7F00FF00) << QColor(0, 255, 0);
}

void TstPlatformGui::colourOrder()
{
    QFETCH(qint32, value);
    QFETCH(QColor, color);
    QCOMPARE(QtColorChooser::toQColor(value), color);
    QCOMPARE(QtColorChooser::fromQColor(color), value & 0xFFFFFF);
}

QTEST_MAIN(TstPlatformGui)
#include "tst_platformgui.moc"
