#include "data/TDATAMOD_TMP.h"

TDATAMOD_TMP::TDATAMOD_TMP(QObject *parent)
    : DataModule(parent)
{
    setObjectName(QStringLiteral("DATAMOD_TMP"));
    SQL_TMP = query(QStringLiteral("SQL_TMP"), 0);
    thzhareket = table(QStringLiteral("thzhareket"), 0, QStringLiteral("HizliHarket"));
    sql_hes = query(QStringLiteral("sql_hes"), 0,
                    QStringLiteral("select \nsum(ISK_TUT) as ISK_TUT,\nsum(KDV_TUT) as KDV_TUT,\n"
                                   "sum(TUTAR) as TUTAR\nfrom HizliHarket"));
    TBAKIYE_ = table(QStringLiteral("TBAKIYE_"), 0, QStringLiteral("bakiyerporu"));
    TSTOKTMP = table(QStringLiteral("TSTOKTMP"), 0, QStringLiteral("StokTMP"));
    TOZET_LIS = table(QStringLiteral("TOZET_LIS"), 0, QStringLiteral("ozet_rapor2"));
}
