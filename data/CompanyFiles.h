#pragma once

#include <QString>
#include <QStringList>

// How a company's files are named and made from the template set.
namespace CompanyFiles {

// "anastokgirisi.DB" -> "anastokgirisi_5.DB" (split at the first '.');
// a name without '.' gets the suffix in front: "kasa" -> "_5kasa".
QString perCompanyFileName(const QString &templateFileName, const QString &code);

// Per-company table name: base + "_" + code.
QString tableName(const QString &base, const QString &code);

// The name filter of a company's files in the company data directory: "*_" + code + ".*".
QString filePattern(const QString &code);

// The company's files in dataDir, full paths, in listing order.
QStringList companyFiles(const QString &dataDir, const QString &code);

// Gives every table of a freshly copied template file its company name
// (anastokgirisi -> anastokgirisi_5), in one transaction.
bool suffixTablesInFile(const QString &file, const QString &code, QString *error);

} // namespace CompanyFiles
