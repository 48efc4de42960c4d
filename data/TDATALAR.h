#pragma once

#include "data/DataModule.h"

// Company information, notes, rates and the free queries of the record routines.
class TDATALAR : public DataModule
{
    Q_OBJECT
public:
    explicit TDATALAR(QObject *parent = nullptr);

    Dataset *tf_blg;
    Dataset *SQL_FREE;
    Dataset *InsUpdSQL;
    Dataset *ReccSQL;
    Dataset *GETSTOKINF;
    Dataset *GETSHINF;
    Dataset *TLISTNTLR;
    Dataset *TKURLAR;
    Dataset *SQL_MIKTAR;
    Dataset *SQL_GC;
    Dataset *TNOTLAR;
};
