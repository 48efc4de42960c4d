#include "data/TableCatalogue.h"

#include "platform/sqlite/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QUuid>

namespace TableCatalogue {

namespace {

Column alpha(const char *name, int size) { return {QString::fromLatin1(name), ColumnType::Alpha, size}; }
Column number(const char *name) { return {QString::fromLatin1(name), ColumnType::Number, 0}; }
Column integer(const char *name) { return {QString::fromLatin1(name), ColumnType::Integer, 0}; }
Column date(const char *name) { return {QString::fromLatin1(name), ColumnType::Date, 0}; }
Column logical(const char *name) { return {QString::fromLatin1(name), ColumnType::Logical, 0}; }
Column autoinc(const char *name) { return {QString::fromLatin1(name), ColumnType::AutoIncrement, 0}; }

Index index(const char *name, QStringList columns) { return {QString::fromLatin1(name), std::move(columns)}; }

Table counter(const char *name)
{
    return {QString::fromLatin1(name), {number("REC_ID")}, {}};
}

QList<Table> buildCatalogue()
{
    QList<Table> t;
    t.append({QStringLiteral("anastokgirisi"),
              {number("OTOSN"), alpha("STOK_KODU", 22), alpha("CINSI", 75), alpha("BIRIMI", 7),
               alpha("SINIFI", 10), alpha("GRUBU", 15), alpha("ACIKLAMA1", 40), alpha("ACIKLAMA2", 40),
               alpha("ACIKLAMA3", 40), number("FIYAT1"), number("FIYAT2"), number("FIYAT3"), number("FIYAT4"),
               number("KRITIK"), number("KDV"), number("ISKONTO"), alpha("RESADI", 255), alpha("OZELKOD1", 22),
               alpha("OZELKOD2", 22), number("YILB_MIK"), number("YILB_TUT"), alpha("RAFNO", 20),
               alpha("GOZNO", 20), alpha("BARKODNO", 25), date("KYTR")},
              // Codes are not unique in storage: the editor checks them, and two cards may share one.
              {index("ix_anastok_kod", {QStringLiteral("STOK_KODU")}),
               index("ix_anastok_barkod", {QStringLiteral("BARKODNO")}),
               index("ix_anastok_otosn", {QStringLiteral("OTOSN")})}});
    t.append({QStringLiteral("stokhareketi"),
              {number("GIZLI_NO"), alpha("STOK_KODU", 22), alpha("CINSI", 75), date("TARIHI"),
               alpha("ISLEMYAPILAN", 40), alpha("ACIKLAMA1", 40), alpha("EVRAKNO", 15), number("GIREN"),
               number("CIKAN"), number("FIYAT"), number("TUTAR"), number("ISKONTO"), number("KDV"),
               alpha("ISLEMCINSI", 10), alpha("OZELNO", 6), number("ISK_TUT"), number("KDV_TUT"),
               alpha("KAYNAK", 20), alpha("KOD1", 20), number("KOD2"), logical("NORMAL_DEGIL"),
               alpha("BIRIMI", 10), number("USATIS_SATIR_ID")},
              // The covering index serves every per-stock figure without touching the rows.
              {index("ix_hareket_stok", {QStringLiteral("STOK_KODU"), QStringLiteral("TARIHI"), QStringLiteral("GIREN"),
                                         QStringLiteral("CIKAN"), QStringLiteral("TUTAR")}),
               index("ix_hareket_gizli", {QStringLiteral("GIZLI_NO")}),
               index("ix_hareket_tarih", {QStringLiteral("TARIHI")})}});
    t.append({QStringLiteral("birimtanimlari"), {alpha("BIRIMADI", 10)}, {}});
    t.append({QStringLiteral("siniflar"), {alpha("SINIF", 10)}, {}});
    t.append({QStringLiteral("gruplar"), {alpha("GRUP_ADI", 15)}, {}});
    t.append({QStringLiteral("kdvoran"), {number("KDV_ORANI")}, {}});
    t.append({QStringLiteral("devirtarih"), {date("HAREKET_DEVRI"), date("YILLIK_DEVIR")}, {}});
    t.append({QStringLiteral("Notlar"),
              {number("SN"), date("TARIH"), integer("UDAY"), integer("UMON"), integer("UYEA"),
               alpha("ACIKLAMA", 240), logical("DURUM")},
              {index("ix_notlar_sn", {QStringLiteral("SN")})}});
    t.append({QStringLiteral("Adresler"),
              {autoinc("SN"), alpha("ADI_SOYADI", 40), alpha("UNVANI", 30), alpha("VD", 35), alpha("VNO", 35),
               alpha("EVADRESI", 150), alpha("ISADRESI", 150), alpha("EVTELEFONU", 15), alpha("ISTELEFONU", 15),
               alpha("CEPTELEFONU", 15), alpha("EMAIL", 25), alpha("ACIKLAMALAR", 240), alpha("RESADI", 40),
               alpha("WWW", 35), alpha("FAKS", 15)},
              {}});
    t.append({QStringLiteral("firmablg"),
              {alpha("YETKILI_ADI_SOYADI", 40), alpha("UNVANI", 40), alpha("FIRMA_ADI", 150),
               alpha("FIRMAADRESI", 100), alpha("FIRMAADRESI2", 100), alpha("FIRMA_TEL1", 20),
               alpha("FIRMA_TEL2", 20), alpha("FIRMA_TEL3", 20), alpha("FAX1", 20), alpha("FAX2", 20)},
              {}});
    t.append({QStringLiteral("Para_Kuru"), {date("KAYIT_TARIHI"), number("USD"), number("EURO")}, {}});
    // The cash book: record number, movement date, then the line's particulars.
    t.append({QStringLiteral("Kasam"),
              {number("REC_ID"), date("TARIHI"), alpha("ACIKLAMA", 40), alpha("EVRAKNO", 15), number("GIREN"),
               number("CIKAN"), alpha("ISLEMYAPILAN", 40), alpha("STOK_KODU", 22), number("MIKTAR"),
               number("FIYAT"), alpha("KAYNAK", 20), alpha("KOD1", 20), number("KOD2")},
              {}});
    t.append({QStringLiteral("satilan_urunler"),
              {number("REC_ID"), alpha("URUN_KODU", 22), alpha("URUN_ADI", 75), date("TARIHI"), number("MIKTAR"),
               number("FIYAT")},
              {index("ix_satilan_kod", {QStringLiteral("URUN_KODU")})}});
    t.append({QStringLiteral("Satici_detay"),
              {number("REC_ID"), number("STOKID"), alpha("PLAKA", 22), alpha("ACIKLAMA", 40)},
              {index("ix_satici_stok", {QStringLiteral("STOKID")})}});
    for (const char *c : {"ref_anastokgirisi", "ref_stokhareketi", "ref_Notlar", "ref_kasam", "ref_museri_cek",
                          "ref_firma_cek", "ref_museri_senet"})
        t.append(counter(c));
    return t;
}

QString typeSql(const Column &c)
{
    switch (c.type) {
    case ColumnType::Alpha: return QStringLiteral("CHAR(%1)").arg(c.size);
    case ColumnType::Number: return QStringLiteral("REAL");
    case ColumnType::Integer: return QStringLiteral("INTEGER");
    case ColumnType::AutoIncrement: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnType::Date: return QStringLiteral("DATE");
    case ColumnType::Timestamp: return QStringLiteral("TIMESTAMP");
    case ColumnType::Logical: return QStringLiteral("BOOLEAN");
    }
    return {};
}

} // namespace

const QList<Table> &companyTables()
{
    static const QList<Table> tables = buildCatalogue();
    return tables;
}

const Table *findTable(const QString &baseName)
{
    for (const Table &t : companyTables())
        if (t.name.compare(baseName, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString createTableSql(const Table &table, const QString &physicalName)
{
    QStringList cols;
    for (const Column &c : table.columns)
        cols << c.name + u' ' + typeSql(c);
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(physicalName, cols.join(QStringLiteral(", ")));
}

bool ensureTemplateSet(const QString &templateDir, QString *error)
{
    const QString target = QDir(templateDir).filePath(QString::fromLatin1(kTemplateFileName));
    if (QFile::exists(target))
        return true;
    if (!QDir().mkpath(templateDir)) {
        *error = QStringLiteral("Dizin oluşturulamadı: ") + templateDir;
        return false;
    }
    const QString partial = target + QStringLiteral(".yeni");
    QFile::remove(partial);
    const QString conn = QStringLiteral("template-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = Database::open(partial, error, conn);
    if (ok) {
        QSqlDatabase db = Database::connection(conn);
        // The template is copied file by file, so it must be one self-contained file.
        ok = Database::exec(db, QStringLiteral("PRAGMA journal_mode=DELETE"), error)
            && Database::exec(db, QStringLiteral("BEGIN"), error);
        for (const Table &t : companyTables()) {
            if (!ok)
                break;
            ok = Database::exec(db, createTableSql(t, t.name), error);
            for (const Index &ix : t.indexes) {
                if (!ok)
                    break;
                ok = Database::exec(db,
                                    QStringLiteral("CREATE INDEX \"%1\" ON \"%2\" (%3)")
                                        .arg(ix.name, t.name, ix.columns.join(QStringLiteral(", "))),
                                    error);
            }
        }
        ok = ok && Database::exec(db, QStringLiteral("COMMIT"), error);
    }
    Database::close(conn);
    if (!ok || !QFile::rename(partial, target)) {
        QFile::remove(partial);
        if (error && error->isEmpty())
            *error = QStringLiteral("Şablon dosyası yazılamadı: ") + target;
        return false;
    }
    return true;
}

} // namespace TableCatalogue
