#include "stock/definitions/Tkdv_orani_degis.h"
#include "support/MessageScript.h"
#include "support/TestRegistry.h"
#include "tst_DefinitionsFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kTable = QStringLiteral("kdvoran_7");
const QString kColumn = QStringLiteral("KDV_ORANI");

// Runs the dialog from its entry point; the handler gets it with its table open.
void runDialog(DefinitionsCompany &c, const std::function<void(QDialog *)> &inside)
{
    bool tableOpen = false;
    {
        ModalScope modal([&](QDialog *d) {
            tableOpen = c.modules.TAYARLAR_T->isActive();
            inside(d);
            return d->result();
        });
        Tkdv_orani_degis::run(&c.modules);
    }
    QVERIFY(tableOpen);
    QVERIFY(!c.modules.TAYARLAR_T->isActive());
}

QLineEdit *rateEdit(QDialog *d)
{
    return d->findChild<QLineEdit *>(QStringLiteral("KDV_ORANI"));
}

} // namespace

class TestKdvOrani : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rateIsStoredAndReread_data();
    void rateIsStoredAndReread();
    void vazgecKeepsTheStoredRate();
};

void TestKdvOrani::rateIsStoredAndReread_data()
{
    QTest::addColumn<QVariant>("before"); // invalid: the table is empty
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first rate on a new company") << QVariant() << "18" << "18" << "18";
    QTest::newRow("decimal comma") << QVariant(18.0) << "0,5" << "0.5" << "0,5";
    QTest::newRow("decimal point") << QVariant(18.0) << "8.25" << "8.25" << "8,25";
    QTest::newRow("four decimals kept") << QVariant(1.0) << "7,1234" << "7.1234" << "7,1234";
    QTest::newRow("emptied") << QVariant(8.0) << "" << "<null>" << "";
}

void TestKdvOrani::rateIsStoredAndReread()
{
    QFETCH(QVariant, before);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    DefinitionsCompany c;
    QVERIFY(c.ready);
    if (before.isValid())
        QVERIFY(storeValues(kTable, kColumn, {before}));
    MessageScript script;

    runDialog(c, [&](QDialog *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("KDV Oranı"));
        QLineEdit *edit = rateEdit(d);
        QVERIFY(edit);
        QCOMPARE(edit->text(), before.isValid() ? QString::number(before.toDouble()) : QString());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        d->findChild<QPushButton *>(QStringLiteral("Tamam"))->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    VERIFY_MESSAGES(script);
    // Still the one row, now holding the new rate.
    QCOMPARE(storedValues(kTable, kColumn), QStringList{stored});

    runDialog(c, [&](QDialog *d) {
        QCOMPARE(rateEdit(d)->text(), shown);
        d->findChild<QPushButton *>(QStringLiteral("Vazgec"))->click();
    });
}

void TestKdvOrani::vazgecKeepsTheStoredRate()
{
    DefinitionsCompany c;
    QVERIFY(c.ready);
    QVERIFY(storeValues(kTable, kColumn, {18.0}));
    MessageScript script;
    runDialog(c, [&](QDialog *d) {
        QLineEdit *edit = rateEdit(d);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QStringLiteral("x1,5,3")); // letters and a second comma are refused
        QCOMPARE(edit->text(), QStringLiteral("1,53"));
        d->findChild<QPushButton *>(QStringLiteral("Vazgec"))->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
    });
    VERIFY_MESSAGES(script);
    QCOMPARE(storedValues(kTable, kColumn), QStringList{QStringLiteral("18")});
}

VR_TEST(TestKdvOrani)
#include "tst_DefinitionsVatRate.moc"
