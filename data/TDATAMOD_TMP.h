#pragma once

#include "data/DataModule.h"

// The work tables of reports, batch entry and import; they live in the work
// file, carry no company suffix and are recreated when a screen needs them.
class TDATAMOD_TMP : public DataModule
{
    Q_OBJECT
public:
    explicit TDATAMOD_TMP(QObject *parent = nullptr);

    Dataset *SQL_TMP;
    Dataset *thzhareket;
    Dataset *sql_hes;
    Dataset *TBAKIYE_;
    Dataset *TSTOKTMP;
    Dataset *TOZET_LIS;
};
