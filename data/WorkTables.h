#pragma once

#include "platform/number/Currency.h"

#include <QString>

class TDATAMOD_TMP;

// The work tables of reports, batch entry and import. They live in the
// attached work file, carry no company suffix and are dropped and recreated
// empty from the sections of the script sql.sql in the program directory.

// The text between the lines "openMarker" and "closeMarker" of a text file
// (relative to the program directory), each line followed by "\r\n". Lines are
// compared exactly; the walk ends at the first closing marker, so a closing
// marker before the opening one gives an empty text, as does a missing opening
// marker or file. Reading stops at a NUL character. Also used for the alert
// page template and the help texts.
QString ReadSection(const QString &openMarker, const QString &closeMarker, const QString &fileName);

// Writes sql.sql from the embedded script when the program directory has none;
// an existing (possibly user-edited) script is kept. True when the file exists.
bool ensureSqlScript();

// Drops and recreates work table n from its section of sql.sql:
//   1 fatura_alt_bilgi, 4 HizliHarket, 6 Ozet_Rapor1, 7 ozet_rapor,
//   8 odeme_rapo, 9 bakiyerporu, 11 ozet_rapor2, 12 StokTMP.
// True when the table was created empty. Any other number does nothing and
// gives false. A table that cannot be dropped (a screen still reads it) shows
// "Dosya silinemedi." with its file name and gives false; a malformed section
// fails silently.
bool CreateTempTable(int n);

// The running totals of the quick lines (the text of sql_hes over HizliHarket).
struct QuickLineTotals
{
    Currency ISK_TUT;
    Currency KDV_TUT;
    Currency TUTAR;
};
bool readQuickLineTotals(const TDATAMOD_TMP &module, QuickLineTotals &out, QString *error = nullptr);
