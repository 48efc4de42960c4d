#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "support/MessageScript.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scriptRecordsKindCaptionAndButtons_data();
    void scriptRecordsKindCaptionAndButtons();
    void unexpectedMessageDoesNotBlock();
    void realBoxShowsTurkishButtonsAndLineBreaks();
    void inputBoxAnswers();
};

void TestMessages::scriptRecordsKindCaptionAndButtons_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("warning") << 0 << int(Msg::Kind::Warning) << "Uyarı";
    QTest::newRow("error") << 1 << int(Msg::Kind::Error) << "Hata";
    QTest::newRow("information") << 2 << int(Msg::Kind::Information) << "Bilgi";
    QTest::newRow("captioned box") << 3 << int(Msg::Kind::Warning) << "Dikkat";
}

void TestMessages::scriptRecordsKindCaptionAndButtons()
{
    QFETCH(int, call);
    QFETCH(int, kind);
    QFETCH(QString, caption);
    MessageScript script;
    script.expect(QStringLiteral("metin"));
    const QString text = QStringLiteral("\r\nmetin");
    switch (call) {
    case 0: Msg::warning(text); break;
    case 1: Msg::error(text); break;
    case 2: Msg::information(text); break;
    case 3: Msg::box(QStringLiteral("Dikkat"), text, Msg::Kind::Warning); break;
    }
    VERIFY_MESSAGES(script);
    QCOMPARE(int(script.recorded().first().kind), kind);
    QCOMPARE(script.recorded().first().caption, caption);
    QCOMPARE(script.recorded().first().text, text);
}

void TestMessages::unexpectedMessageDoesNotBlock()
{
    MessageScript script;
    QCOMPARE(Msg::confirm(QStringLiteral("Silinsin mi?")), Msg::No);
    QCOMPARE(script.unexpected().size(), 1);
}

void TestMessages::realBoxShowsTurkishButtonsAndLineBreaks()
{
    // Without a responder the real box is built; the modal handler stands in for the user.
    QStringList buttons;
    QString shownText;
    int defaultIsNo = -1;
    setModalHandler([&](QDialog *d) {
        auto *box = qobject_cast<QMessageBox *>(d);
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        shownText = box->text();
        defaultIsNo = box->defaultButton() && box->defaultButton()->text() == QStringLiteral("Hayır");
        for (QAbstractButton *b : box->buttons())
            if (b->text() == QStringLiteral("Evet"))
                b->click();
        return 0;
    });
    const Msg::Button answer = Msg::box(QStringLiteral("Dikkat !!!"), QStringLiteral("\r\nAktif Şirket Silinecek"),
                                        Msg::Kind::Warning, Msg::Buttons(Msg::Yes) | Msg::No, Msg::No);
    setModalHandler({});
    QCOMPARE(answer, Msg::Yes);
    buttons.sort();
    QCOMPARE(buttons, QStringList({QStringLiteral("Evet"), QStringLiteral("Hayır")}));
    QCOMPARE(shownText, QStringLiteral("\nAktif Şirket Silinecek"));
    QCOMPARE(defaultIsNo, 1);
}

void TestMessages::inputBoxAnswers()
{
    MessageScript script;
    script.expect(QStringLiteral("parolasını"), Msg::Ok, QStringLiteral("gizli"));
    QString value;
    QVERIFY(Msg::input(QStringLiteral("@@Parola?"), QStringLiteral("Kullanıcı parolasını giriniz."), &value, true));
    QCOMPARE(value, QStringLiteral("gizli"));
    QVERIFY(script.recorded().first().password);
    script.expect(QStringLiteral("parolasını"), Msg::Cancel);
    QVERIFY(!Msg::input(QStringLiteral("@@Parola?"), QStringLiteral("Kullanıcı parolasını giriniz."), &value, true));
    VERIFY_MESSAGES(script);
}

VR_TEST(TestMessages)
#include "tst_Messages.moc"
