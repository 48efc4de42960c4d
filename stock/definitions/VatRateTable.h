#pragma once

#include "platform/number/Currency.h"

#include <QString>

#include <optional>

// The one value KDV_ORANI of the company's table kdvoran, kept in its first row.
namespace VatRateTable {

struct Reading
{
    bool ok = false;
    bool hasRow = false;
    std::optional<Currency> rate; // empty when the row holds no value
    QString error;
};

Reading read(const QString &table);

// Writes the rate into the first row, or stores a new row when the table is
// empty. An empty rate clears the field.
bool write(const QString &table, std::optional<Currency> rate, QString *error);

} // namespace VatRateTable
