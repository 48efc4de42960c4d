#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "platform/widgets/ExportDialog.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace {

// A grid's model: field names behind the captions it shows.
QStandardItemModel *gridModel(QObject *parent)
{
    auto *m = new QStandardItemModel(0, 3, parent);
    const QStringList fields{QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"), QStringLiteral("FIYAT1")};
    const QStringList captions{QStringLiteral("Stok Kodu"), QStringLiteral("Cinsi"), QStringLiteral("1.Fiyat")};
    for (int c = 0; c < 3; ++c) {
        m->setHeaderData(c, Qt::Horizontal, captions[c]);
        m->setHeaderData(c, Qt::Horizontal, fields[c], Report::FieldNameRole);
    }
    auto *a = new QStandardItem(QStringLiteral("Ş-1"));
    auto *b = new QStandardItem(QStringLiteral("Çivi"));
    auto *p = new QStandardItem;
    p->setData(12.5, Qt::EditRole);
    m->appendRow({a, b, p});
    return m;
}

void createSettingsFile()
{
    IniFile(appContext().settingsPath()).writeString(QStringLiteral("DUV_GENEL"), QStringLiteral("GDisplayFormat"),
                                                     QStringLiteral("#,###0.###"));
}

} // namespace

class TestExportDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesTheChosenColumnsInTheChosenOrder();
    void followsTheGridsColumns();
    void suffixFollowsTheFormat_data();
    void suffixFollowsTheFormat();
    void refusesAndStaysOpen_data();
    void refusesAndStaysOpen();
    void lastFolderIsRemembered();
    void fieldsCarryTheirCaptions();
};

void TestExportDialog::writesTheChosenColumnsInTheChosenOrder()
{
    TestProgramDir dir;
    createSettingsFile();
    QObject owner;
    ExportDialog dialog(gridModel(&owner));
    QCOMPARE(dialog.rows().fields().first(), QStringLiteral("STOK_KODU"));
    dialog.setFormat(Export::Format::Csv);
    dialog.setColumnChecked(1, false);
    dialog.moveColumn(2, 0);
    QCOMPARE(dialog.chosenColumns(), (QList<int>{2, 0}));
    dialog.setFileName(dir.file(QStringLiteral("liste")));
    QCOMPARE(dialog.fileName(), dir.file(QStringLiteral("liste.csv")));
    dialog.show();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QFile f(dir.file(QStringLiteral("liste.csv")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll().mid(3)), QStringLiteral("1.Fiyat;Stok Kodu\r\n12,5;Ş-1\r\n"));
}

void TestExportDialog::followsTheGridsColumns()
{
    TestProgramDir dir;
    QTableView view;
    view.setModel(gridModel(&view));
    view.setColumnHidden(1, true);
    view.horizontalHeader()->moveSection(2, 0);
    ExportDialog dialog(&view);
    QCOMPARE(dialog.chosenColumns(), (QList<int>{2, 0}));
    // The hidden column is still offered, last and unchecked.
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("columnList"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("Cinsi"));
    QCOMPARE(list->item(2)->checkState(), Qt::Unchecked);
}

void TestExportDialog::suffixFollowsTheFormat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("our suffix is replaced") << QStringLiteral("/tmp/a.xlsx") << int(Export::Format::Html)
                                            << QStringLiteral("/tmp/a.html");
    QTest::newRow("suffix in capitals") << QStringLiteral("/tmp/a.CSV") << int(Export::Format::Pdf)
                                        << QStringLiteral("/tmp/a.pdf");
    QTest::newRow("a foreign suffix is kept") << QStringLiteral("/tmp/a.txt") << int(Export::Format::Csv)
                                              << QStringLiteral("/tmp/a.txt.csv");
}

void TestExportDialog::suffixFollowsTheFormat()
{
    QFETCH(QString, typed);
    QFETCH(int, format);
    QFETCH(QString, expected);
    TestProgramDir dir;
    ExportDialog dialog(Report::RowSet({QStringLiteral("A")}));
    dialog.setFileName(typed);
    dialog.setFormat(Export::Format(format));
    QCOMPARE(dialog.fileName(), expected);
}

void TestExportDialog::refusesAndStaysOpen_data()
{
    QTest::addColumn<bool>("columns");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    QTest::newRow("no column chosen") << false << QStringLiteral("liste.xlsx") << QStringLiteral("En az bir sütun seçiniz.");
    QTest::newRow("no file name") << true << QString() << QStringLiteral("Dosya adını yazınız.");
    QTest::newRow("missing folder") << true << QStringLiteral("yok/liste.xlsx") << QStringLiteral("Klasör bulunamadı");
}

void TestExportDialog::refusesAndStaysOpen()
{
    QFETCH(bool, columns);
    QFETCH(QString, file);
    QFETCH(QString, error);
    TestProgramDir dir;
    QObject owner;
    ExportDialog dialog(gridModel(&owner));
    if (!columns) {
        for (int c = 0; c < 3; ++c)
            dialog.setColumnChecked(c, false);
    }
    dialog.setFileName(file.isEmpty() ? QString() : dir.file(file));
    dialog.show();
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QVERIFY2(dialog.errorText().startsWith(error), qPrintable(dialog.errorText()));
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("liste.xlsx"))));
}

void TestExportDialog::lastFolderIsRemembered()
{
    TestProgramDir dir;
    // No settings file yet: the home folder, and nothing is written.
    QCOMPARE(ExportDialog::lastFolder(), QDir::homePath());
    ExportDialog::rememberFolder(dir.file(QStringLiteral("dbs")));
    QVERIFY(!QFile::exists(appContext().settingsPath()));

    createSettingsFile();
    QDir().mkpath(dir.file(QStringLiteral("çıktılar")));
    {
        ExportDialog dialog(Report::RowSet({QStringLiteral("A")}));
        dialog.setFileName(dir.file(QStringLiteral("çıktılar/ilk")));
        QVERIFY(dialog.exportNow());
    }
    QCOMPARE(IniFile(appContext().settingsPath()).readString(QStringLiteral("EXPORT"), QStringLiteral("sonklasor")),
             dir.file(QStringLiteral("çıktılar")));
    // Other keys of the file stay.
    QCOMPARE(IniFile(appContext().settingsPath()).readString(QStringLiteral("DUV_GENEL"),
                                                             QStringLiteral("GDisplayFormat")),
             QStringLiteral("#,###0.###"));
    ExportDialog next(Report::RowSet({QStringLiteral("A")}));
    QCOMPARE(next.fileName(), dir.file(QStringLiteral("çıktılar/EXPORT_TABLE.xlsx")));
}

void TestExportDialog::fieldsCarryTheirCaptions()
{
    TestProgramDir dir;
    ExportDialog dialog(Report::RowSet({QStringLiteral("A")}));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dışa Aktar"));
    for (const char *name : {"titleEdit", "fileEdit"}) {
        auto *edit = dialog.findChild<QLineEdit *>(QLatin1String(name));
        QVERIFY(edit);
        bool tied = !edit->accessibleName().isEmpty();
        for (QLabel *label : dialog.findChildren<QLabel *>())
            tied = tied || label->buddy() == edit;
        QVERIFY2(tied, name);
    }
    QVERIFY(!dialog.findChild<QListWidget *>(QStringLiteral("columnList"))->accessibleName().isEmpty());
}

VR_TEST(TestExportDialog)
#include "tst_ExportDialog.moc"
