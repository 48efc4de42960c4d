#include "stock/definitions/DefinitionGrid.h"
#include "stock/definitions/Tbirimler_formu.h"
#include "support/MessageScript.h"
#include "support/TestRegistry.h"
#include "tst_DefinitionsFixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

namespace {

struct PageInfo
{
    QString table;
    QString column;
    QString question;
};

PageInfo pageInfo(const QString &page)
{
    if (page == u"SINIF")
        return {QStringLiteral("siniflar_7"), QStringLiteral("SINIF"), QStringLiteral("\r\nAKTİF SINIF SİLİNECEK.")};
    if (page == u"GRUP")
        return {QStringLiteral("gruplar_7"), QStringLiteral("GRUP_ADI"),
                QStringLiteral("\r\nAKTİF GRUP SİLİNECEK.\r\n\r\nDEVAM EDİLSİN Mİ?\r\r\nNot:Bu Gruba bağlı kayıtlar "
                               "etkilenmeyecektir.")};
    return {QStringLiteral("birimtanimlari_7"), QStringLiteral("BIRIMADI"), QStringLiteral("\r\nAKTİF BİRİM SİLİNECEK.")};
}

QPushButton *button(QWidget *dialog, const QString &name)
{
    return dialog->findChild<QPushButton *>(name);
}

DefinitionGrid *grid(QWidget *dialog, const QString &page)
{
    return dialog->findChild<DefinitionGrid *>(QStringLiteral("grid") + page);
}

// Types into the current cell: the first key opens the editor, the rest go to it.
void typeInto(DefinitionGrid *g, const QString &text)
{
    QTest::keyClick(g, text.at(0).toLatin1());
    QWidget *editor = g->indexWidget(g->currentIndex());
    QVERIFY(editor);
    QTest::keyClicks(editor, text.mid(1));
}

// Opens the current cell's editor and pastes the text into it.
void pasteInto(DefinitionGrid *g, const QString &text)
{
    g->edit(g->currentIndex());
    auto *editor = qobject_cast<QLineEdit *>(g->indexWidget(g->currentIndex()));
    QVERIFY(editor);
    editor->selectAll();
    editor->insert(text);
}

} // namespace

class TestDefinitions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensOnlyTheNamedPage_data();
    void opensOnlyTheNamedPage();
    void addSaveAndDelete_data();
    void addSaveAndDelete();
    void valuesAreStoredAsEntered_data();
    void valuesAreStoredAsEntered();
    void emptyListAsksNothingAndSavesAnEmptyRow();
    void leavingARowPostsItAndDropsAnUntouchedNewRow();
    void escapeUndoesTheRowAndClosingDropsWhatWasNotSaved();
};

void TestDefinitions::opensOnlyTheNamedPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("saveCaption");
    QTest::addColumn<QString>("title");
    QTest::newRow("units") << "BIRIM" << "Kaydet" << "BİRİM LİSTESİ";
    QTest::newRow("classes") << "SINIF" << "Kayet" << "SINIF LİSTESİ";
    QTest::newRow("groups") << "GRUP" << "Kayet" << "GRUP ADI";
}

void TestDefinitions::opensOnlyTheNamedPage()
{
    QFETCH(QString, page);
    QFETCH(QString, saveCaption);
    QFETCH(QString, title);
    DefinitionsCompany c;
    QVERIFY(c.ready);
    const PageInfo info = pageInfo(page);
    QVERIFY(storeValues(info.table, info.column, {QStringLiteral("ADET"), QStringLiteral("KOLİ")}));

    bool shown = false;
    {
        ModalScope modal([&](QDialog *d) {
            shown = true;
            auto *dialog = qobject_cast<Tbirimler_formu *>(d);
            [&] {
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Tanımlar"));
                QCOMPARE(dialog->activePageName(), page);
                QVERIFY(!dialog->findChild<QTabBar *>()); // no way to another page
                QCOMPARE(button(dialog, QStringLiteral("kaydet") + page)->text(), saveCaption);
                DefinitionGrid *g = grid(dialog, page);
                QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(), title);
                QCOMPARE(g->model()->rowCount(), 2);
                QCOMPARE(g->model()->index(1, 0).data().toString(), QStringLiteral("KOLİ"));
                // Only the page's own table is open.
                const Dataset *own = page == u"BIRIM" ? c.modules.TBIRIMLER
                    : page == u"SINIF"                ? c.modules.TSINIFLAR
                                                      : c.modules.TGRUP;
                for (const Dataset *d : {c.modules.TBIRIMLER, c.modules.TSINIFLAR, c.modules.TGRUP})
                    QCOMPARE(d->isActive(), d == own);
            }();
            button(dialog, QStringLiteral("cikis") + page)->click();
            return dialog->result();
        });
        Tbirimler_formu::run(page, &c.modules);
    }
    QVERIFY(shown);
    QVERIFY(!c.modules.TBIRIMLER->isActive());
    QVERIFY(!c.modules.TSINIFLAR->isActive());
    QVERIFY(!c.modules.TGRUP->isActive());
}

void TestDefinitions::addSaveAndDelete_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("gridKey"); // Ctrl+Delete in the grid instead of "Sil"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("value");
    QTest::newRow("unit, yes") << "BIRIM" << false << int(Msg::Yes) << "ADET";
    QTest::newRow("unit, no") << "BIRIM" << false << int(Msg::No) << "ADET";
    QTest::newRow("class, yes") << "SINIF" << false << int(Msg::Yes) << "A SINIFI";
    QTest::newRow("class, no") << "SINIF" << false << int(Msg::No) << "A SINIFI";
    QTest::newRow("group, yes") << "GRUP" << false << int(Msg::Yes) << "HIRDAVAT";
    QTest::newRow("group, no") << "GRUP" << false << int(Msg::No) << "HIRDAVAT";
    QTest::newRow("grid key, yes") << "GRUP" << true << int(Msg::Yes) << "BOYA";
    QTest::newRow("grid key, no") << "GRUP" << true << int(Msg::No) << "BOYA";
}

void TestDefinitions::addSaveAndDelete()
{
    QFETCH(QString, page);
    QFETCH(bool, gridKey);
    QFETCH(int, answer);
    QFETCH(QString, value);
    DefinitionsCompany c;
    QVERIFY(c.ready);
    const PageInfo info = pageInfo(page);
    QVERIFY(storeValues(info.table, info.column, {QStringLiteral("ESKİ")}));

    Tbirimler_formu dialog(page, &c.modules);
    DefinitionGrid *g = grid(&dialog, page);
    button(&dialog, QStringLiteral("yeni") + page)->click();
    QCOMPARE(g->currentIndex().row(), 1);
    typeInto(g, value);
    button(&dialog, QStringLiteral("kaydet") + page)->click();
    QCOMPARE(storedValues(info.table, info.column), QStringList({QStringLiteral("ESKİ"), value}));

    MessageScript script;
    script.expect(gridKey ? QStringLiteral("silinsin mi?") : info.question, Msg::Button(answer));
    if (gridKey)
        QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier);
    else
        button(&dialog, QStringLiteral("sil") + page)->click();
    VERIFY_MESSAGES(script);
    if (!gridKey)
        QCOMPARE(script.recorded().first().defaultButton, Msg::No);
    const QStringList expected = answer == Msg::Yes ? QStringList({QStringLiteral("ESKİ")})
                                                    : QStringList({QStringLiteral("ESKİ"), value});
    QCOMPARE(storedValues(info.table, info.column), expected);
    QCOMPARE(g->model()->rowCount(), expected.size());
    dialog.reject();
    QCOMPARE(storedValues(info.table, info.column), expected);
}

void TestDefinitions::valuesAreStoredAsEntered_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("pasted apostrophe") << "GRUP" << false << "D'AVİ; 'X'" << "D'AVİ; 'X'";
    QTest::newRow("SQL-like text") << "BIRIM" << false << "'); DROP--" << "'); DROP--";
    QTest::newRow("Turkish letters") << "SINIF" << false << "ÇİĞ ŞÜÖ ıi" << "ÇİĞ ŞÜÖ ıi";
    QTest::newRow("cut to group width") << "GRUP" << false << "ABCDEFGHIJKLMNOPQRST" << "ABCDEFGHIJKLMNO";
    QTest::newRow("cut to unit width") << "BIRIM" << false << "ABCDEFGHIJKL" << "ABCDEFGHIJ";
    QTest::newRow("typed: filtered characters dropped") << "BIRIM" << true << "K'G*!%" << "KG";
}

void TestDefinitions::valuesAreStoredAsEntered()
{
    QFETCH(QString, page);
    QFETCH(bool, typed);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    DefinitionsCompany c;
    QVERIFY(c.ready);
    const PageInfo info = pageInfo(page);
    {
        Tbirimler_formu dialog(page, &c.modules);
        DefinitionGrid *g = grid(&dialog, page);
        button(&dialog, QStringLiteral("yeni") + page)->click();
        if (typed)
            typeInto(g, text);
        else
            pasteInto(g, text);
        button(&dialog, QStringLiteral("kaydet") + page)->click();
        dialog.reject();
    }
    QCOMPARE(storedValues(info.table, info.column), QStringList{stored});
    // Read back into a new dialog as stored.
    Tbirimler_formu again(page, &c.modules);
    QCOMPARE(grid(&again, page)->model()->index(0, 0).data().toString(), stored);
}

void TestDefinitions::emptyListAsksNothingAndSavesAnEmptyRow()
{
    DefinitionsCompany c;
    QVERIFY(c.ready);
    MessageScript script;
    Tbirimler_formu dialog(QStringLiteral("SINIF"), &c.modules);
    button(&dialog, QStringLiteral("silSINIF"))->click();
    QTest::keyClick(grid(&dialog, QStringLiteral("SINIF")), Qt::Key_Delete, Qt::ControlModifier);
    VERIFY_MESSAGES(script);
    QVERIFY(script.recorded().isEmpty());
    QCOMPARE(storedValues(QStringLiteral("siniflar_7"), QStringLiteral("SINIF")), QStringList());
    // Saving with nothing in the list posts a new empty row.
    button(&dialog, QStringLiteral("kaydetSINIF"))->click();
    QCOMPARE(storedValues(QStringLiteral("siniflar_7"), QStringLiteral("SINIF")), QStringList{QString()});
    QCOMPARE(grid(&dialog, QStringLiteral("SINIF"))->model()->rowCount(), 1);
}

void TestDefinitions::leavingARowPostsItAndDropsAnUntouchedNewRow()
{
    DefinitionsCompany c;
    QVERIFY(c.ready);
    const QString table = QStringLiteral("gruplar_7"), column = QStringLiteral("GRUP_ADI");
    // The lists have no key: two equal texts must stay two rows.
    QVERIFY(storeValues(table, column, {QStringLiteral("AYNI"), QStringLiteral("AYNI"), QStringLiteral("SON")}));
    MessageScript script;
    Tbirimler_formu dialog(QStringLiteral("GRUP"), &c.modules);
    DefinitionGrid *g = grid(&dialog, QStringLiteral("GRUP"));
    QCOMPARE(g->currentIndex().row(), 0);
    g->setCurrentIndex(g->model()->index(1, 0));
    typeInto(g, QStringLiteral("YENI"));
    QCOMPARE(storedValues(table, column), QStringList({QStringLiteral("AYNI"), QStringLiteral("AYNI"), QStringLiteral("SON")}));
    g->setCurrentIndex(g->model()->index(2, 0)); // leaving the row posts it
    QCOMPARE(storedValues(table, column), QStringList({QStringLiteral("AYNI"), QStringLiteral("YENI"), QStringLiteral("SON")}));

    button(&dialog, QStringLiteral("yeniGRUP"))->click();
    QCOMPARE(g->model()->rowCount(), 4);
    g->setCurrentIndex(g->model()->index(0, 0)); // nothing typed: the new row goes away
    QCOMPARE(g->model()->rowCount(), 3);
    // "Yeni" twice leaves one new row, not two.
    button(&dialog, QStringLiteral("yeniGRUP"))->click();
    button(&dialog, QStringLiteral("yeniGRUP"))->click();
    QCOMPARE(g->model()->rowCount(), 4);
    QCOMPARE(g->currentIndex().row(), 3);
    QCOMPARE(storedValues(table, column).size(), 3);
    // Deleting the not yet stored row touches no stored one.
    script.expect(QStringLiteral("AKTİF GRUP SİLİNECEK"), Msg::Yes);
    button(&dialog, QStringLiteral("silGRUP"))->click();
    VERIFY_MESSAGES(script);
    QCOMPARE(storedValues(table, column), QStringList({QStringLiteral("AYNI"), QStringLiteral("YENI"), QStringLiteral("SON")}));
    QCOMPARE(g->model()->rowCount(), 3);
}

void TestDefinitions::escapeUndoesTheRowAndClosingDropsWhatWasNotSaved()
{
    DefinitionsCompany c;
    QVERIFY(c.ready);
    const QString table = QStringLiteral("birimtanimlari_7"), column = QStringLiteral("BIRIMADI");
    QVERIFY(storeValues(table, column, {QStringLiteral("ADET"), QStringLiteral("KG")}));
    Tbirimler_formu dialog(QStringLiteral("BIRIM"), &c.modules);
    dialog.show();
    DefinitionGrid *g = grid(&dialog, QStringLiteral("BIRIM"));
    typeInto(g, QStringLiteral("LT"));
    g->commitEdit();
    QCOMPARE(g->model()->index(0, 0).data().toString(), QStringLiteral("LT"));
    QTest::keyClick(g, Qt::Key_Escape); // outside the editor: the row's change is undone
    QVERIFY(dialog.isVisible());
    QCOMPARE(g->model()->index(0, 0).data().toString(), QStringLiteral("ADET"));
    g->setCurrentIndex(g->model()->index(1, 0));
    QCOMPARE(storedValues(table, column), QStringList({QStringLiteral("ADET"), QStringLiteral("KG")}));

    button(&dialog, QStringLiteral("yeniBIRIM"))->click();
    typeInto(g, QStringLiteral("PAKET"));
    QTest::keyClick(&dialog, Qt::Key_F12);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!c.modules.TBIRIMLER->isActive());
    QCOMPARE(storedValues(table, column), QStringList({QStringLiteral("ADET"), QStringLiteral("KG")}));
}

VR_TEST(TestDefinitions)
#include "tst_Definitions.moc"
