#include "platform/export/TableExport.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <unzip.h>

using Export::Format;
using Report::RowSet;

namespace {

QByteArray zipEntry(const QString &zipPath, const char *entry)
{
    QByteArray out;
    unzFile zip = unzOpen64(QFile::encodeName(zipPath).constData());
    if (!zip)
        return out;
    if (unzLocateFile(zip, entry, 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[8192];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            out.append(buffer, n);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return out;
}

struct XlsxCell
{
    QString type;   // the t attribute: "s" shared string, "b" boolean, empty for numbers
    int style = 0;
    QString value;  // the number, or the shared string's text
};

// The first sheet's cells by reference ("A1"), shared strings resolved,
// plus the number format of each cell style.
struct Workbook
{
    QMap<QString, XlsxCell> cells;
    QMap<int, QString> styleFormats; // cell style index -> format code ("" = General)
    bool ok = false;
};

Workbook readXlsx(const QString &path)
{
    Workbook book;
    QStringList shared;
    {
        QXmlStreamReader xml(zipEntry(path, "xl/sharedStrings.xml"));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si"))
                shared.append(QString());
            else if (xml.isStartElement() && xml.name() == QLatin1String("t") && !shared.isEmpty())
                shared.last() += xml.readElementText();
        }
    }
    {
        QMap<int, QString> formatCodes;
        QXmlStreamReader xml(zipEntry(path, "xl/styles.xml"));
        bool inCellXfs = false;
        int xf = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("numFmt"))
                formatCodes[xml.attributes().value(QLatin1String("numFmtId")).toInt()] =
                    xml.attributes().value(QLatin1String("formatCode")).toString();
            else if (xml.isStartElement() && xml.name() == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs"))
                inCellXfs = false;
            else if (inCellXfs && xml.isStartElement() && xml.name() == QLatin1String("xf"))
                book.styleFormats[xf++] = formatCodes.value(xml.attributes().value(QLatin1String("numFmtId")).toInt());
        }
    }
    const QByteArray sheet = zipEntry(path, "xl/worksheets/sheet1.xml");
    QXmlStreamReader xml(sheet);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("c"))
            continue;
        XlsxCell cell;
        const QString ref = xml.attributes().value(QLatin1String("r")).toString();
        cell.type = xml.attributes().value(QLatin1String("t")).toString();
        cell.style = xml.attributes().value(QLatin1String("s")).toInt();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("v"))
                cell.value = xml.readElementText();
            else
                xml.skipCurrentElement();
        }
        if (cell.type == QLatin1String("s"))
            cell.value = shared.value(cell.value.toInt());
        book.cells.insert(ref, cell);
    }
    book.ok = !sheet.isEmpty() && !xml.hasError();
    return book;
}

// Every text an exported file shows, in reading order, as one string.
QString exportedText(Format format, const QString &path)
{
    switch (format) {
    case Format::Xlsx: {
        QStringList texts;
        for (const XlsxCell &c : readXlsx(path).cells)
            texts.append(c.value);
        return texts.join(u'|');
    }
    case Format::Csv:
    case Format::Html: {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    case Format::Odt: {
        QXmlStreamReader xml(zipEntry(path, "content.xml"));
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters())
                text += xml.text() + u'|';
        }
        return text;
    }
    case Format::Pdf: {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    }
    return {};
}

RowSet sampleRows()
{
    RowSet rows({QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"), QStringLiteral("FIYAT1"), QStringLiteral("KYTR"),
                 QStringLiteral("ADET")},
                {QStringLiteral("Stok Kodu"), QStringLiteral("Cinsi"), QStringLiteral("1.Fiyat"),
                 QStringLiteral("Kayıt Tarihi"), QStringLiteral("Adet")});
    rows.appendRow({QStringLiteral("0012"), QStringLiteral("Vida; 5 mm"), 1234.5, QStringLiteral("2018-03-05"), 3});
    rows.appendRow({QStringLiteral("Ş-2"), QStringLiteral("12\" boru <çelik> & ağır"), 0.125, QStringLiteral("2024-02-29"),
                    qlonglong(-7)});
    rows.appendRow({QStringLiteral("İ-3"), QStringLiteral("İki\nsatır"), QVariant(), QVariant(), 0});
    return rows;
}

} // namespace

class TestExportWriters : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsComeAsTheScreenShowsThem();
    void xlsxCellsReadBackWithTheirTypes();
    void csvQuotesWhatItMust();
    void htmlEscapesEveryCell();
    void everyFormatWritesTheChosenColumnsInOrder_data();
    void everyFormatWritesTheChosenColumnsInOrder();
    void failureIsReportedAndLeavesNothing_data();
    void failureIsReportedAndLeavesNothing();

private:
    QTemporaryDir m_dir;
};

void TestExportWriters::rowsComeAsTheScreenShowsThem()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("exporttest"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE kart (STOK_KODU CHAR(22), FIYAT1 REAL)")));
        QVERIFY(db.transaction());
        // More rows than the model fetches at first, so a lazy read would lose some.
        for (int i = 0; i < 700; ++i)
            QVERIFY(q.exec(QStringLiteral("INSERT INTO kart VALUES ('K%1', %2)").arg(i, 3, 10, QLatin1Char('0')).arg(i)));
        QVERIFY(db.commit());

        QSqlQueryModel model;
        model.setQuery(QStringLiteral("SELECT STOK_KODU, FIYAT1 FROM kart"), db);
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Stok Kodu"));
        model.setHeaderData(1, Qt::Horizontal, QStringLiteral("1.Fiyat"));
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setFilterKeyColumn(0);
        proxy.setFilterRegularExpression(QStringLiteral("5$"));
        proxy.sort(1, Qt::DescendingOrder);

        const RowSet rows = RowSet::fromModel(&proxy);
        QCOMPARE(rows.fields(), (QStringList{QStringLiteral("STOK_KODU"), QStringLiteral("FIYAT1")}));
        QCOMPARE(rows.captions(), (QStringList{QStringLiteral("Stok Kodu"), QStringLiteral("1.Fiyat")}));
        QCOMPARE(rows.rowCount(), 70);
        QCOMPARE(rows.value(0, QStringLiteral("stok_kodu")).toString(), QStringLiteral("K695"));
        QCOMPARE(rows.value(69, 1).toDouble(), 5.0);

        QSqlQuery query(QStringLiteral("SELECT STOK_KODU, FIYAT1 FROM kart WHERE FIYAT1 >= 698 ORDER BY FIYAT1"), db);
        const RowSet fromQuery = RowSet::fromQuery(query);
        QCOMPARE(fromQuery.fields(), rows.fields());
        QCOMPARE(fromQuery.rowCount(), 2);
        QCOMPARE(fromQuery.value(1, 0).toString(), QStringLiteral("K699"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("exporttest"));
}

void TestExportWriters::xlsxCellsReadBackWithTheirTypes()
{
    const QString path = m_dir.filePath(QStringLiteral("tipler.xlsx"));
    QString error;
    QVERIFY2(Export::writeXlsx(sampleRows(), {}, path, &error), qPrintable(error));
    const Workbook book = readXlsx(path);
    QVERIFY(book.ok);
    QCOMPARE(book.cells.value(QStringLiteral("A1")).value, QStringLiteral("Stok Kodu"));
    QCOMPARE(book.cells.value(QStringLiteral("D1")).value, QStringLiteral("Kayıt Tarihi"));
    // Codes stay text even when they look like numbers.
    QCOMPARE(book.cells.value(QStringLiteral("A2")).type, QStringLiteral("s"));
    QCOMPARE(book.cells.value(QStringLiteral("A2")).value, QStringLiteral("0012"));
    QCOMPARE(book.cells.value(QStringLiteral("B3")).value, QStringLiteral("12\" boru <çelik> & ağır"));
    QCOMPARE(book.cells.value(QStringLiteral("B4")).value, QStringLiteral("İki\nsatır"));
    // Numbers are numbers.
    QVERIFY(book.cells.value(QStringLiteral("C2")).type.isEmpty());
    QCOMPARE(book.cells.value(QStringLiteral("C2")).value.toDouble(), 1234.5);
    QCOMPARE(book.cells.value(QStringLiteral("C3")).value.toDouble(), 0.125);
    QCOMPARE(book.cells.value(QStringLiteral("E3")).value.toDouble(), -7.0);
    // Dates are day serials shown through a date format.
    const XlsxCell date = book.cells.value(QStringLiteral("D2"));
    QVERIFY(date.type.isEmpty());
    QCOMPARE(date.value.toDouble(), 43164.0); // 5 March 2018
    QCOMPARE(book.styleFormats.value(date.style), QStringLiteral("dd.mm.yyyy"));
    QCOMPARE(book.cells.value(QStringLiteral("D3")).value.toDouble(), 45351.0); // 29 February 2024
    // Empty values leave no cell.
    QVERIFY(!book.cells.contains(QStringLiteral("C4")));
}

void TestExportWriters::csvQuotesWhatItMust()
{
    const QString path = m_dir.filePath(QStringLiteral("liste.csv"));
    QVERIFY(Export::writeCsv(sampleRows(), {}, path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString expected = QStringLiteral("Stok Kodu;Cinsi;1.Fiyat;Kayıt Tarihi;Adet\r\n"
                                            "0012;\"Vida; 5 mm\";1234,5;05.03.2018;3\r\n"
                                            "Ş-2;\"12\"\" boru <çelik> & ağır\";0,125;29.02.2024;-7\r\n"
                                            "İ-3;\"İki\nsatır\";;;0\r\n");
    QCOMPARE(QString::fromUtf8(bytes.mid(3)), expected);
}

void TestExportWriters::htmlEscapesEveryCell()
{
    Export::Options options;
    options.title = QStringLiteral("Fiyat <Listesi>");
    const QString path = m_dir.filePath(QStringLiteral("liste.html"));
    QVERIFY(Export::writeHtml(sampleRows(), options, path));
    const QString html = exportedText(Format::Html, path);
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(html.contains(QStringLiteral("<title>Fiyat &lt;Listesi&gt;</title>")));
    QVERIFY(html.contains(QStringLiteral("<td>12&quot; boru &lt;çelik&gt; &amp; ağır</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>İki<br>satır</td>")));
    QVERIFY(html.contains(QStringLiteral("<td class=\"n\">1.234,5</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>05.03.2018</td>")));
    // Each row keeps one cell per column, whatever its text held.
    const QStringList rows = html.split(QStringLiteral("<tr>")).mid(2);
    QCOMPARE(rows.size(), 3);
    for (const QString &row : rows)
        QCOMPARE(row.count(QStringLiteral("<td")), 5);
}

void TestExportWriters::everyFormatWritesTheChosenColumnsInOrder_data()
{
    QTest::addColumn<int>("formatId");
    for (Format f : Export::formats())
        QTest::newRow(qPrintable(Export::fileSuffix(f))) << int(f);
}

void TestExportWriters::everyFormatWritesTheChosenColumnsInOrder()
{
    QFETCH(int, formatId);
    const Format format = Format(formatId);
    if (format == Format::Pdf && QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Export::Options options;
    options.columns = {2, 0};
    const QString path = m_dir.filePath(QStringLiteral("secim.") + Export::fileSuffix(format));
    QString error;
    QVERIFY2(Export::write(format, sampleRows(), options, path, &error), qPrintable(error));
    const QString text = exportedText(format, path);
    const qsizetype price = text.indexOf(QStringLiteral("1.Fiyat"));
    const qsizetype code = text.indexOf(QStringLiteral("Stok Kodu"));
    QVERIFY2(price >= 0 && code > price, qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Cinsi")));
    QVERIFY(!text.contains(QStringLiteral("Vida")));
    QVERIFY(text.contains(QStringLiteral("Ş-2")));
    QVERIFY(text.contains(QStringLiteral("İ-3")));
}

void TestExportWriters::failureIsReportedAndLeavesNothing_data()
{
    everyFormatWritesTheChosenColumnsInOrder_data();
}

void TestExportWriters::failureIsReportedAndLeavesNothing()
{
    QFETCH(int, formatId);
    const Format format = Format(formatId);
    const QString folder = m_dir.filePath(QStringLiteral("olmayan"));
    const QString path = folder + QStringLiteral("/liste.") + Export::fileSuffix(format);
    QString error;
    QVERIFY(!Export::write(format, sampleRows(), {}, path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QDir(folder).exists());
}

VR_TEST(TestExportWriters)
#include "tst_ExportWriters.moc"
