#include "data/TDATALAR.h"

TDATALAR::TDATALAR(QObject *parent)
    : DataModule(parent)
{
    setObjectName(QStringLiteral("DATALAR"));
    tf_blg = table(QStringLiteral("tf_blg"), 2, QStringLiteral("firmablg"));
    SQL_FREE = query(QStringLiteral("SQL_FREE"), 5);
    InsUpdSQL = query(QStringLiteral("InsUpdSQL"), 5);
    ReccSQL = query(QStringLiteral("ReccSQL"), 5);
    GETSTOKINF = query(QStringLiteral("GETSTOKINF"), 5);
    GETSHINF = query(QStringLiteral("GETSHINF"), 5);
    TLISTNTLR = query(QStringLiteral("TLISTNTLR"), 3,
                      QStringLiteral("select * from Notlar_%userid\nWhere DURUM = FALSE"));
    TKURLAR = table(QStringLiteral("TKURLAR"), 2, QStringLiteral("Para_Kuru"));
    SQL_MIKTAR = query(QStringLiteral("SQL_MIKTAR"), 3,
                       QStringLiteral("SELECT SUM(GIREN) AS GIREN_MIK, SUM(CIKAN) AS CIKAN_MIK\n"
                                      "FROM stokhareketi_%userid\nWHERE STOK_KODU = 1 "));
    SQL_GC = query(QStringLiteral("SQL_GC"), 5);
    TNOTLAR = table(QStringLiteral("TNOTLAR"), 2, QStringLiteral("Notlar"));
}
