#include "platform/ini/IniFile.h"
#include "platform/widgets/GridLayoutStore.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStandardItemModel *makeModel(QObject *parent, const QStringList &names)
{
    auto *m = new QStandardItemModel(2, int(names.size()), parent);
    for (int c = 0; c < names.size(); ++c) {
        m->setHeaderData(c, Qt::Horizontal, names[c], Qt::DisplayRole);
        m->setHeaderData(c, Qt::Horizontal, names[c], Qt::UserRole);
    }
    return m;
}

} // namespace

class TestGridLayoutStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTripKeepsOrderWidthTitleAndHiddenColumns();
    void unknownOrBrokenEntriesLeaveTheDesign();
};

void TestGridLayoutStore::roundTripKeepsOrderWidthTitleAndHiddenColumns()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("GridAyarlari.ini"));
    const QStringList names = {QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"), QStringLiteral("FIYAT1")};
    QTableView first;
    first.setModel(makeModel(&first, names));
    first.horizontalHeader()->moveSection(2, 0);
    first.horizontalHeader()->resizeSection(1, 222);
    first.horizontalHeader()->setSectionHidden(0, true);
    first.model()->setHeaderData(1, Qt::Horizontal, QStringLiteral("Cinsi"), Qt::DisplayRole);
    QVERIFY(GridLayoutStore::save(first, ini, QStringLiteral("StokKayitGezgini")));
    QCOMPARE(IniFile(ini).readString(QStringLiteral("StokKayitGezgini"), QStringLiteral("CINSI")),
             QStringLiteral("2;;222;;Cinsi;;0"));

    QTableView second;
    second.setModel(makeModel(&second, names));
    GridLayoutStore::restore(second, ini, QStringLiteral("StokKayitGezgini"));
    QCOMPARE(second.horizontalHeader()->visualIndex(2), 0);
    QCOMPARE(second.horizontalHeader()->sectionSize(1), 222);
    QVERIFY(second.horizontalHeader()->isSectionHidden(0));
    QCOMPARE(second.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Cinsi"));
}

void TestGridLayoutStore::unknownOrBrokenEntriesLeaveTheDesign()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("GridAyarlari.ini"));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[HizliStokGirisi]\r\nYOK=0;;100;;x;;0\r\nCINSI=abc;;-5\r\n");
    f.close();
    QTableView view;
    view.setModel(makeModel(&view, {QStringLiteral("STOK_KODU"), QStringLiteral("CINSI")}));
    const int width = view.horizontalHeader()->sectionSize(1);
    GridLayoutStore::restore(view, ini, QStringLiteral("HizliStokGirisi"));
    QCOMPARE(view.horizontalHeader()->sectionSize(1), width);
    QCOMPARE(view.horizontalHeader()->visualIndex(1), 1);
    QCOMPARE(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("CINSI"));
    GridLayoutStore::restore(view, dir.filePath(QStringLiteral("yok.ini")), QStringLiteral("HizliStokGirisi"));
}

VR_TEST(TestGridLayoutStore)
#include "tst_GridLayoutStore.moc"
