#include "dialogs/InstallErrorForm.h"
#include "dialogs/ListFillers.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/Terror_form.h"
#include "dialogs/Tislem_yapiliyordurlan.h"
#include "dialogs/Tislem_yapiliyordurlan2.h"
#include "dialogs/Tkritik_miktar_sec.h"
#include "dialogs/Tpicture_prew.h"
#include "dialogs/Ttarih_secimi_3.h"
#include "dialogs/Tucretsiz_yazilimlar_icin_bilgi.h"
#include "platform/sqlite/Database.h"
#include "platform/widgets/CurrencyEdit.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// Installs a modal handler for the lifetime of the object.
struct ModalScript
{
    explicit ModalScript(ModalHandler handler) { setModalHandler(std::move(handler)); }
    ~ModalScript() { setModalHandler({}); }
};

} // namespace

class TestCommonDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dateRangeCheck_data();
    void dateRangeCheck();
    void dateRangeStartsFromTodayAtEveryShowing();
    void dateRangeCancelledAfterARefusal();
    void dateRangeEnterPressesNothingEscCancels();
    void criticalQuantityKeepsTheLastValue();
    void busyNoticeClosesOnEveryWayOut();
    void nestedBusyNoticesGiveTheOuterTextBack();
    void progressNotice();
    void progressNoticeDragsByItsText();
    void pictureViewerCloses_data();
    void pictureViewerCloses();
    void pictureViewerDragsOnLeftPress();
    void errorFormShowsMessageSqlAndLabel();
    void informationPage();
    void listFillers();
};

void TestCommonDialogs::dateRangeCheck_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("equal dates") << QDate(2018, 3, 5) << QDate(2018, 3, 5) << true;
    QTest::newRow("end after start") << QDate(2018, 3, 5) << QDate(2019, 1, 1) << true;
    QTest::newRow("end before start") << QDate(2018, 3, 5) << QDate(2018, 3, 4) << false;
}

void TestCommonDialogs::dateRangeCheck()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, accepted);
    MessageScript script;
    if (!accepted)
        script.expect(QStringLiteral("\r\nBaşlangıç tarihi bitiş tarihinden büyük olamaz."));
    Ttarih_secimi_3 dialog;
    dialog.show();
    dialog.ba->setDate(start);
    dialog.bi->setDate(end);
    dialog.bi->setFocus();
    dialog.Tamam->click();
    QCOMPARE(dialog.DURUM, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    VERIFY_MESSAGES(script);
    if (!accepted) {
        QCOMPARE(script.recorded().first().kind, Msg::Kind::Warning);
        QCOMPARE(script.recorded().first().buttons, Msg::Buttons(Msg::Ok));
        QCOMPARE(dialog.focusWidget(), dialog.ba);
    }
}

void TestCommonDialogs::dateRangeStartsFromTodayAtEveryShowing()
{
    QStringList seen;
    ModalScript modal([&](QDialog *d) {
        auto *dialog = qobject_cast<Ttarih_secimi_3 *>(d);
        seen << dialog->ba->date().toString(Qt::ISODate) + u'/' + dialog->bi->date().toString(Qt::ISODate)
                + (dialog->DURUM ? QStringLiteral("/true") : QStringLiteral("/false"));
        dialog->ba->setDate(QDate(2018, 1, 1));
        dialog->bi->setDate(QDate(2018, 12, 31));
        dialog->Tamam->click();
        return dialog->result();
    });
    QDate start, end;
    QVERIFY(Ttarih_secimi_3::choose(&start, &end));
    QCOMPARE(start, QDate(2018, 1, 1));
    QCOMPARE(end, QDate(2018, 12, 31));
    QVERIFY(Ttarih_secimi_3::choose(&start, &end));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(seen, QStringList({today + u'/' + today + QStringLiteral("/false"),
                                today + u'/' + today + QStringLiteral("/false")}));
    QCOMPARE(Ttarih_secimi_3::instance()->ba->displayFormat(), QStringLiteral("dd.MM.yyyy"));
}

void TestCommonDialogs::dateRangeCancelledAfterARefusal()
{
    MessageScript script;
    script.expect(QStringLiteral("Başlangıç tarihi bitiş tarihinden büyük olamaz."));
    ModalScript modal([](QDialog *d) {
        auto *dialog = qobject_cast<Ttarih_secimi_3 *>(d);
        dialog->ba->setDate(QDate(2018, 2, 1));
        dialog->bi->setDate(QDate(2018, 1, 1));
        dialog->Tamam->click();
        dialog->Vazgec->click();
        return dialog->result();
    });
    QDate start(2000, 1, 1), end(2000, 1, 1);
    QVERIFY(!Ttarih_secimi_3::choose(&start, &end));
    QVERIFY(!Ttarih_secimi_3::instance()->DURUM);
    QCOMPARE(start, QDate(2000, 1, 1)); // the caller's dates are left alone
    VERIFY_MESSAGES(script);
}

void TestCommonDialogs::dateRangeEnterPressesNothingEscCancels()
{
    MessageScript script;
    Ttarih_secimi_3 dialog;
    dialog.show();
    QVERIFY(!dialog.Tamam->isDefault() && !dialog.Tamam->autoDefault());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.DURUM);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.DURUM);
    VERIFY_MESSAGES(script);
}

void TestCommonDialogs::criticalQuantityKeepsTheLastValue()
{
    QList<Currency> shown;
    bool accept = true;
    Currency typed = Currency::fromScaled(25000);
    ModalScript modal([&](QDialog *d) {
        auto *dialog = qobject_cast<Tkritik_miktar_sec *>(d);
        shown << dialog->CurrencyEdit1->value();
        dialog->CurrencyEdit1->setValue(typed);
        (accept ? dialog->Tamam : dialog->Vazgec)->click();
        return dialog->result();
    });
    Currency quantity;
    QVERIFY(Tkritik_miktar_sec::ask(&quantity));
    QCOMPARE(quantity, Currency::fromScaled(25000));
    accept = false;
    typed = Currency::fromInt(9);
    QVERIFY(!Tkritik_miktar_sec::ask(&quantity));
    QCOMPARE(quantity, Currency::fromScaled(25000));
    accept = true;
    QVERIFY(Tkritik_miktar_sec::ask(&quantity));
    // Each showing starts from what was typed the time before, even when cancelled.
    QCOMPARE(shown, QList<Currency>({Currency(), Currency::fromScaled(25000), Currency::fromInt(9)}));
    QCOMPARE(Tkritik_miktar_sec::instance()->CurrencyEdit1->displayFormat(), QStringLiteral(",0.00;-,0.00"));
}

void TestCommonDialogs::busyNoticeClosesOnEveryWayOut()
{
    Tislem_yapiliyordurlan2 *notice = Tislem_yapiliyordurlan2::instance();
    QWidget panel, grid, alreadyOff;
    alreadyOff.setEnabled(false);
    bool seenDuring = false;
    auto work = [&](bool early) {
        BusyNotice busy(QStringLiteral("STOK KARTI YÜKLENİYOR... LÜTFEN BEKLEYİN..."), {&panel, &grid, &alreadyOff});
        seenDuring = notice->isVisible() && !panel.isEnabled() && !grid.isEnabled()
            && notice->lblcap->text() == QStringLiteral("STOK KARTI YÜKLENİYOR... LÜTFEN BEKLEYİN...");
        if (early)
            return false;
        return true;
    };
    for (bool early : {false, true}) {
        work(early);
        QVERIFY(seenDuring);
        QVERIFY(!notice->isVisible());
        QVERIFY(panel.isEnabled() && grid.isEnabled());
        QVERIFY(!alreadyOff.isEnabled());
    }
    QVERIFY(notice->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(notice->windowFlags() & Qt::FramelessWindowHint);
}

void TestCommonDialogs::nestedBusyNoticesGiveTheOuterTextBack()
{
    Tislem_yapiliyordurlan2 *notice = Tislem_yapiliyordurlan2::instance();
    {
        BusyNotice outer(QStringLiteral("İŞLEM YAPILIYOR... LÜTFEN BEKLEYİN..."));
        {
            BusyNotice inner(QStringLiteral("STOK KARTI YÜKLENİYOR... LÜTFEN BEKLEYİN..."));
            QCOMPARE(notice->lblcap->text(), QStringLiteral("STOK KARTI YÜKLENİYOR... LÜTFEN BEKLEYİN..."));
        }
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->lblcap->text(), QStringLiteral("İŞLEM YAPILIYOR... LÜTFEN BEKLEYİN..."));
    }
    QVERIFY(!notice->isVisible());
}

void TestCommonDialogs::progressNotice()
{
    Tislem_yapiliyordurlan *notice = Tislem_yapiliyordurlan::instance();
    QWidget page;
    {
        ProgressNotice none(QStringLiteral("Rapor hazırlanıyor..."), 0, {&page});
        QVERIFY(!none.isShown());
        QVERIFY(!notice->isVisible());
        QVERIFY(!page.isEnabled());
        none.step(); // harmless
    }
    QVERIFY(page.isEnabled());
    {
        ProgressNotice progress(QStringLiteral("Rapor hazırlanıyor..."), 3);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->Bilgi->text(), QStringLiteral("Rapor hazırlanıyor..."));
        QCOMPARE(notice->ilerle->value(), 0);
        QCOMPARE(notice->ilerle->maximum(), 3);
        QVERIFY(!notice->ilerle->isTextVisible());
        for (int i = 0; i < 4; ++i)
            progress.step();
        QCOMPARE(notice->ilerle->value(), 3);
    }
    QVERIFY(!notice->isVisible());
}

void TestCommonDialogs::progressNoticeDragsByItsText()
{
    Tislem_yapiliyordurlan *notice = Tislem_yapiliyordurlan::instance();
    ProgressNotice progress(QStringLiteral("Liste oluşturuluyor..."), 10);
    const QPoint before = notice->pos();
    QTest::mousePress(notice->Bilgi, Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseMove(notice->Bilgi, QPoint(60, 35));
    QTest::mouseRelease(notice->Bilgi, Qt::LeftButton, {}, QPoint(60, 35));
    QCOMPARE(notice->pos(), before + QPoint(40, 30));
}

void TestCommonDialogs::pictureViewerCloses_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << 0 << true;
    QTest::newRow("F12") << 1 << true;
    QTest::newRow("double click") << 2 << true;
    QTest::newRow("right button press") << 3 << true;
    QTest::newRow("left click") << 4 << false;
    QTest::newRow("other key") << 5 << false;
}

void TestCommonDialogs::pictureViewerCloses()
{
    QFETCH(int, action);
    QFETCH(bool, closes);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("resim.jpg"));
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(file, "JPG"));

    Tpicture_prew viewer;
    QVERIFY(viewer.loadPicture(file));
    QCOMPARE(viewer.Image1->size(), QSize(120, 80));
    QCOMPARE(viewer.size(), QSize(124, 84));
    viewer.show();
    switch (action) {
    case 0: QTest::keyClick(&viewer, Qt::Key_Escape); break;
    case 1: QTest::keyClick(&viewer, Qt::Key_F12); break;
    case 2: QTest::mouseDClick(viewer.Image1, Qt::LeftButton); break;
    case 3: QTest::mousePress(viewer.Image1, Qt::RightButton); break;
    case 4: QTest::mouseClick(viewer.Image1, Qt::LeftButton); break;
    case 5: QTest::keyClick(&viewer, Qt::Key_A); break;
    }
    QCOMPARE(viewer.isVisible(), !closes);
    QVERIFY(!viewer.loadPicture(dir.filePath(QStringLiteral("yok.jpg"))));
}

void TestCommonDialogs::pictureViewerDragsOnLeftPress()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("resim.bmp"));
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(file, "BMP"));
    Tpicture_prew viewer;
    QVERIFY(viewer.loadPicture(file));
    viewer.show();
    const QPoint before = viewer.pos();
    QTest::mousePress(viewer.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewer.Image1, QPoint(25, 15));
    QTest::mouseRelease(viewer.Image1, Qt::LeftButton, {}, QPoint(25, 15));
    QCOMPARE(viewer.pos(), before + QPoint(20, 10));
    QVERIFY(viewer.isVisible());

    // The static entry point shows it modally and frees it.
    QString shownTitle;
    ModalScript modal([&](QDialog *d) {
        shownTitle = d->windowTitle();
        return int(QDialog::Rejected);
    });
    QVERIFY(Tpicture_prew::showPicture(file));
    QCOMPARE(shownTitle, QStringLiteral("Resim Gösterici"));
}

void TestCommonDialogs::errorFormShowsMessageSqlAndLabel()
{
    installErrorForm();
    QString title, type, message;
    bool readOnly = false;
    ModalScript modal([&](QDialog *d) {
        auto *form = qobject_cast<Terror_form *>(d);
        title = form->windowTitle();
        type = form->MessageType->text();
        message = form->ErrorMsg->toPlainText();
        readOnly = form->ErrorMsg->isReadOnly();
        form->Tamam->click();
        return form->result();
    });
    DataReport::showErrorDialog(QStringLiteral("no such table: yok_7\r\r\nSELECT count(*) as RECCNT FROM yok_7"),
                                QStringLiteral("RCRD_CNT"));
    DataReport::setErrorDialog({});
    QCOMPARE(title, QStringLiteral("Hata Oluştu"));
    QCOMPARE(type, QStringLiteral("RCRD_CNT"));
    QCOMPARE(message, QStringLiteral("no such table: yok_7\n\nSELECT count(*) as RECCNT FROM yok_7"));
    QVERIFY(readOnly);
}

void TestCommonDialogs::informationPage()
{
    QString title, text;
    ModalScript modal([&](QDialog *d) {
        auto *page = qobject_cast<Tucretsiz_yazilimlar_icin_bilgi *>(d);
        title = page->windowTitle();
        text = page->WebBrowser1->toPlainText();
        return int(QDialog::Rejected);
    });
    Tucretsiz_yazilimlar_icin_bilgi::run();
    QCOMPARE(title, QStringLiteral("Bilgi:"));
    QVERIFY(text.contains(QStringLiteral("Vari Roviz")));

    // The shared instance shows without waiting.
    Tucretsiz_yazilimlar_icin_bilgi *shared = Tucretsiz_yazilimlar_icin_bilgi::instance();
    shared->show();
    QVERIFY(shared->isVisible());
    QVERIFY(!shared->WebBrowser1->toPlainText().isEmpty());
    shared->close();
}

void TestCommonDialogs::listFillers()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x")));
    QVERIFY(dir.enterCompany(QStringLiteral("7")));
    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO birimtanimlari_7 VALUES ('KOLİ'), ('ADET'), ('ÇUVAL'), ('DÜZİNE'), ('CM')")));
    QVERIFY(q.exec(QStringLiteral("INSERT INTO gruplar_7 VALUES ('Şeker'), ('Sabun')")));

    QListWidget list;
    list.addItem(QStringLiteral("eski"));
    QVERIFY(FillListFromTable(&list, QStringLiteral("birimtanimlari"), QStringLiteral("BIRIMADI")));
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
        QCOMPARE(list.item(i)->checkState(), Qt::Unchecked);
    }
    QCOMPARE(texts, QStringList({QStringLiteral("ADET"), QStringLiteral("CM"), QStringLiteral("ÇUVAL"),
                                 QStringLiteral("DÜZİNE"), QStringLiteral("KOLİ")}));

    QComboBox combo;
    QVERIFY(FillComboFromTable(&combo, QStringLiteral("gruplar"), QStringLiteral("GRUP_ADI")));
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("Sabun"));
    QCOMPARE(combo.itemText(1), QStringLiteral("Şeker"));
    QVERIFY(FillComboFromTable(&combo, QStringLiteral("gruplar"), QStringLiteral("GRUP_ADI"),
                               QStringLiteral("GRUP_ADI || '!'")));
    QCOMPARE(combo.itemText(1), QStringLiteral("Şeker[Şeker!]"));
    QComboBox dbCombo;
    dbCombo.setEditable(true);
    dbCombo.setEditText(QStringLiteral("yazılan"));
    QVERIFY(FillDBComboFromTable(&dbCombo, QStringLiteral("birimtanimlari"), QStringLiteral("BIRIMADI")));
    QCOMPARE(dbCombo.count(), 5);
    QCOMPARE(dbCombo.currentText(), QStringLiteral("yazılan"));

    // A failure leaves the items as they were and tells the caller.
    QString error;
    QVERIFY(!FillComboFromTable(&combo, QStringLiteral("yok"), QStringLiteral("A"), {}, &error));
    QCOMPARE(combo.count(), 2);
    QVERIFY(error.contains(QStringLiteral("yok_7")));
}

VR_TEST(TestCommonDialogs)
#include "tst_CommonDialogs.moc"
