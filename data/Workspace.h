#pragma once

#include <QString>

class DataModule;
class TDATALAR;
class TDATA_TABLOLAR;
class TDATAMOD_TMP;
struct AppContext;

// The data modules of one run, created after login and handed to the screens.
struct DataModules
{
    TDATALAR *datalar = nullptr;
    TDATA_TABLOLAR *tablolar = nullptr;
    TDATAMOD_TMP *tmp = nullptr;
};

namespace Workspace {

inline constexpr char kWorkFileName[] = "gecici.db";
inline constexpr char kWorkSchema[] = "work";

// Attaches the active company's files and the work file to the connection,
// points the work-table datasets at the work file and gives the company
// datasets their company names. Runs once per run: the suffix step is not
// idempotent. Attach failures are reported through DataReport and do not stop
// the rest.
void setUp(const DataModules &modules, const AppContext &context);

// The suffix step for one module: tag-2 tables get "_" + code, tag-3 queries
// have every "%userid" replaced. A dataset that refuses is reported and skipped.
void applyCompanySuffix(DataModule &module, const QString &code);

// Closes the connection (DB_CLOSE).
void DB_CLOSE();

} // namespace Workspace
