#include "stock/definitions/Tfiyatbelirle.h"
#include "support/TestRegistry.h"
#include "tst_DefinitionsFixture.h"

#include <QGroupBox>
#include <QTest>

Q_DECLARE_METATYPE(QList<QKeyCombination>)

class TestFiyatbelirle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysChooseAndConfirm_data();
    void keysChooseAndConfirm();
    void frameCaptionIsReplacedAndPutBack();
};

void TestFiyatbelirle::keysChooseAndConfirm_data()
{
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<int>("result"); // 0: not confirmed
    const auto alt = [](Qt::Key k) { return QKeyCombination(Qt::AltModifier, k); };
    const QKeyCombination enter(Qt::Key_Return), esc(Qt::Key_Escape), f12(Qt::Key_F12);
    QTest::newRow("Enter at once: the first price") << QList{enter} << 1;
    QTest::newRow("Alt+3, Enter") << QList{alt(Qt::Key_3), enter} << 3;
    QTest::newRow("Alt+4, Alt+2, Enter") << QList{alt(Qt::Key_4), alt(Qt::Key_2), enter} << 2;
    QTest::newRow("Alt+4, Alt+A (Tamam)") << QList{alt(Qt::Key_4), alt(Qt::Key_A)} << 4;
    QTest::newRow("Alt+3, Esc") << QList{alt(Qt::Key_3), esc} << 0;
    QTest::newRow("Alt+2, F12") << QList{alt(Qt::Key_2), f12} << 0;
    QTest::newRow("Alt+2, Alt+V (Vazgeç)") << QList{alt(Qt::Key_2), alt(Qt::Key_V)} << 0;
}

void TestFiyatbelirle::keysChooseAndConfirm()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(int, result);
    Tfiyatbelirle chooser;
    QCOMPARE(chooser.windowTitle(), QStringLiteral(".:: Fiyat Seçimi ::."));
    chooser.checkColumn(4); // what an earlier report left checked
    int startedAt = 0;
    {
        ModalScope modal([&](QDialog *d) {
            startedAt = chooser.chosenColumn();
            d->show();
            d->activateWindow();
            if (!QTest::qWaitForWindowActive(d))
                return int(QDialog::Rejected);
            for (const QKeyCombination k : keys) {
                if (!d->isVisible())
                    break;
                QTest::keyClick(d, k.key(), k.keyboardModifiers());
                // A mnemonic presses its button with a short animation before the click.
                if (k.keyboardModifiers() & Qt::AltModifier)
                    QTest::qWait(150);
            }
            return d->isVisible() ? -1 : d->result();
        });
        QCOMPARE(chooser.choose(), result);
    }
    QCOMPARE(startedAt, 1);
    QCOMPARE(chooser.confirmed(), result != 0);
    QVERIFY(!chooser.isVisible());
}

void TestFiyatbelirle::frameCaptionIsReplacedAndPutBack()
{
    Tfiyatbelirle chooser;
    auto *frame = chooser.findChild<QGroupBox *>();
    QCOMPARE(frame->title(), QStringLiteral(" Fiyat Seçimi "));
    QString shownCaption;
    ModalScope modal([&](QDialog *d) {
        shownCaption = frame->title();
        d->reject();
        return d->result();
    });
    QCOMPARE(chooser.choose(QStringLiteral("Alış Fiyatınızı Seçiniz")), 0);
    QCOMPARE(shownCaption, QStringLiteral("Alış Fiyatınızı Seçiniz"));
    QCOMPARE(frame->title(), QStringLiteral("Fiyat Seçimi"));
}

VR_TEST(TestFiyatbelirle)
#include "tst_DefinitionsPriceChooser.moc"
