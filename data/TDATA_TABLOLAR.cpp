#include "data/TDATA_TABLOLAR.h"

TDATA_TABLOLAR::TDATA_TABLOLAR(QObject *parent)
    : DataModule(parent)
{
    setObjectName(QStringLiteral("DATA_TABLOLAR"));
    TBIRIMLER = table(QStringLiteral("TBIRIMLER"), 2, QStringLiteral("birimtanimlari"));
    TSINIFLAR = table(QStringLiteral("TSINIFLAR"), 2, QStringLiteral("siniflar"));
    TGRUP = table(QStringLiteral("TGRUP"), 2, QStringLiteral("gruplar"));
    TTARIHLER = table(QStringLiteral("TTARIHLER"), 2, QStringLiteral("devirtarih"));
    TAYARLAR_T = table(QStringLiteral("TAYARLAR_T"), 2, QStringLiteral("kdvoran"));
    TADRES = table(QStringLiteral("TADRES"), 2, QStringLiteral("Adresler"));
    const QString stockList = QStringLiteral("SELECT * FROM AnaStokgirisi_%userid\nOrder By STOK_KODU ASC");
    KAYIT_SORGULA = query(QStringLiteral("KAYIT_SORGULA"), 3, stockList);
    SQLSTOKLIST = query(QStringLiteral("SQLSTOKLIST"), 3, stockList);
    HAREKET_SORGU = query(QStringLiteral("HAREKET_SORGU"), 3,
                          QStringLiteral("SELECT * FROM stokhareketi_%userid\nWHERE NORMAL_DEGIL <> TRUE\n"
                                         "ORDER BY GIZLI_NO ASC;"));
    THIZLISTHAR = query(QStringLiteral("THIZLISTHAR"), 3,
                        QStringLiteral("SELECT * FROM stokhareketi_%userid\nWhere TARIHI = :SHT"));
    SQL_STOKHAR = query(QStringLiteral("SQL_STOKHAR"), 3,
                        QStringLiteral("SELECT STOK_KODU,CINSI,TARIHI, GIREN, CIKAN, FIYAT, TUTAR, ISLEMYAPILAN, "
                                       "ACIKLAMA1\nFROM stokhareketi_%userid\nWHERE STOK_KODU = :SKN \nORDER BY TARIHI"));
    SQL_SAMUKO = query(QStringLiteral("SQL_SAMUKO"), 3,
                       QStringLiteral("select distinct ISLEMYAPILAN from stokhareketi_%userid\norder by ISLEMYAPILAN"));
    STOK_KONTROL = query(QStringLiteral("STOK_KONTROL"), 5);
    SQL_GRUPLA_YAZDIR = query(QStringLiteral("SQL_GRUPLA_YAZDIR"), 5);
}
