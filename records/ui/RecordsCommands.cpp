#include "records/ui/RecordsCommands.h"

#include "records/ui/TfrmDb.h"
#include "records/ui/TfrmSave.h"

namespace quorvel {

void runSaveDialog(QWidget* parent, TDataRec& curData, const DatabaseConfig& db, Messages& messages)
{
    TfrmSave frmSave(curData, db, messages, parent);
    frmSave.exec();
}

bool runDbDialog(QWidget* parent, TDataRec& curData, const DatabaseConfig& db, Messages& messages)
{
    TfrmDb frmDb(curData, db, messages, parent);
    return frmDb.exec() == TfrmDb::Loaded;
}

} // namespace quorvel
