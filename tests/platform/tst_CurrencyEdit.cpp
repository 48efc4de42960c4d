#include "platform/widgets/CurrencyEdit.h"
#include "support/TestRegistry.h"

#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

class TestCurrencyEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typedTextBecomesTheValue_data();
    void typedTextBecomesTheValue();
    void displayOutOfFocusPlainInFocus();
    void wholeNumbersOnly();
};

void TestCurrencyEdit::typedTextBecomesTheValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decimal comma") << "12,5" << qint64(125000) << "12,50";
    QTest::newRow("grouped") << "1.234,5" << qint64(12345000) << "1.234,50";
    QTest::newRow("negative") << "-1,5" << qint64(-15000) << "-1,50";
    QTest::newRow("four decimals kept") << "0,12345" << qint64(1235) << "0,12";
    QTest::newRow("letters refused") << "1a2" << qint64(120000) << "12,00";
    QTest::newRow("second comma refused") << "1,2,3" << qint64(12300) << "1,23";
    QTest::newRow("emptied") << "" << qint64(0) << "0,00";
}

void TestCurrencyEdit::typedTextBecomesTheValue()
{
    QFETCH(QString, typed);
    QFETCH(qint64, scaled);
    QFETCH(QString, shown);
    CurrencyEdit edit;
    edit.setValue(Currency::fromInt(7));
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &in);
    edit.selectAll();
    edit.del();
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.value().scaled(), scaled);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &out);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.value().scaled(), scaled);
}

void TestCurrencyEdit::displayOutOfFocusPlainInFocus()
{
    CurrencyEdit edit;
    QSignalSpy changed(&edit, &CurrencyEdit::valueChanged);
    edit.setValue(Currency::fromScaled(-12345678));
    QCOMPARE(edit.text(), QStringLiteral("-1.234,57"));
    QCOMPARE(changed.count(), 1);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &in);
    QCOMPARE(edit.text(), QStringLiteral("-1234,5678"));
    QCOMPARE(edit.value(), Currency::fromScaled(-12345678));
    edit.setDisplayFormat(QStringLiteral(",0.###;-,0.###"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &out);
    QCOMPARE(edit.text(), QStringLiteral("-1.234,568"));
    QCOMPARE(changed.count(), 1);
}

void TestCurrencyEdit::wholeNumbersOnly()
{
    CurrencyEdit edit;
    edit.setDecimalsAllowed(false);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&edit, &in);
    QTest::keyClicks(&edit, QStringLiteral("12,5"));
    QCOMPARE(edit.value(), Currency::fromInt(125));
}

VR_TEST(TestCurrencyEdit)
#include "tst_CurrencyEdit.moc"
