#pragma once

#include "data/DataModule.h"

// Definitions, the stock and movement queries, addresses.
class TDATA_TABLOLAR : public DataModule
{
    Q_OBJECT
public:
    explicit TDATA_TABLOLAR(QObject *parent = nullptr);

    Dataset *TBIRIMLER;
    Dataset *TSINIFLAR;
    Dataset *TGRUP;
    Dataset *TTARIHLER;
    Dataset *TAYARLAR_T;
    Dataset *TADRES;
    Dataset *KAYIT_SORGULA;
    Dataset *SQLSTOKLIST;
    Dataset *HAREKET_SORGU;
    Dataset *THIZLISTHAR;
    Dataset *SQL_STOKHAR;
    Dataset *SQL_SAMUKO;
    Dataset *STOK_KONTROL;
    Dataset *SQL_GRUPLA_YAZDIR;
};
