#pragma once

#include "platform/number/Currency.h"

#include <QDate>
#include <QString>

// The records the stock routines fill and the screens read. Fixed-point fields
// hold value x 10000; a record that found no row keeps empty texts and zeros.

// What a stock lookup returns (GetStokValue).
struct TStokValue
{
    QString STOK_KODU;
    QString CINSI;
    Currency FIYAT1; // the price column the caller chose
    QString BIRIMI;
    Currency KDV;
    Currency ISKONTO;
    QString BARKODNO;
    int OTOSN = 0;
};

// One stock card row, columns 1 to 24 in stored order.
struct TStokValueAllOf
{
    int OTOSN = 0;
    QString STOK_KODU;
    QString CINSI;
    QString BIRIMI;
    QString SINIFI;
    QString GRUBU;
    QString ACIKLAMA1;
    QString ACIKLAMA2;
    QString ACIKLAMA3;
    Currency FIYAT1;
    Currency FIYAT2;
    Currency FIYAT3;
    Currency FIYAT4;
    Currency KRITIK;
    Currency KDV;
    Currency ISKONTO;
    QString RESADI;
    QString OZELKOD1;
    QString OZELKOD2;
    Currency YILB_MIK;
    Currency YILB_TUT;
    QString RAFNO;
    QString GOZNO;
    QString BARKODNO;
};

// One movement row, all 23 columns in stored order.
struct TStokHareketAllOf
{
    int GIZLI_NO = 0;
    QString STOK_KODU;
    QString CINSI;
    QDate TARIHI;
    QString ISLEMYAPILAN;
    QString ACIKLAMA1;
    QString EVRAKNO;
    Currency GIREN;
    Currency CIKAN;
    Currency FIYAT;
    Currency TUTAR;
    Currency ISKONTO;
    Currency KDV;
    QString ISLEMCINSI;
    QString OZELNO;
    Currency ISK_TUT;
    Currency KDV_TUT;
    QString KAYNAK;
    QString KOD1;
    int KOD2 = 0;
    bool NORMAL_DEGIL = false;
    QString BIRIMI;
    int USATIS_SATIR_ID = 0;
};

// Totals of one direction (entries or exits) of a stock: GetStokOrtalama.
struct TStokOrtalama
{
    Currency GC;  // quantity sum
    Currency GCT; // amount sum
    Currency GCO; // average price: amount sum / quantity sum, 0 when there is none
    int ROWC = 0; // movements counted
};

// The last entry and the last exit of a stock: GetStokSonHareket.
// A direction without movements keeps the null date and zeros.
struct TStokSonHareket
{
    QDate entryDate;
    Currency entryAmount;
    Currency entryPrice;
    Currency entryQuantity;
    QDate exitDate;
    Currency exitAmount;
    Currency exitPrice;
    Currency exitQuantity;
};

// Lowest and highest movement amounts (TUTAR, not unit prices) per direction: GetStokEnuEnP.
struct TStokEnuEnP
{
    Currency lowestEntryAmount;
    Currency lowestExitAmount;
    Currency highestEntryAmount;
    Currency highestExitAmount;
};
