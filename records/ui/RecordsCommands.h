#pragma once
// What the main window's SAVE and LOAD buttons run.

#include "measure/DataRec.h"
#include "records/DatabaseConfig.h"

class QWidget;

namespace quorvel {

class Messages;

// Caption of every error box about the records database: the program's title.
inline constexpr const char* kErrorCaption = "Quorvel ";

// The SAVE dialog. A saved group leaves curData with Count 0 and the chosen
// Sensor; an empty group closes the dialog without a word.
void runSaveDialog(QWidget* parent, TDataRec& curData, const DatabaseConfig& db, Messages& messages);

// The data management dialog. True when a group was loaded into curData
// (Sensor, Rem, Time, Data, Count); the caller then sets Source to 2,
// enables PRINT and redraws.
bool runDbDialog(QWidget* parent, TDataRec& curData, const DatabaseConfig& db, Messages& messages);

} // namespace quorvel
