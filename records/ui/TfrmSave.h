#pragma once
// The SAVE dialog: date-time, probe type and comment of the current group,
// which is stored under the next group number.

#include "measure/DataRec.h"
#include "records/DatabaseConfig.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class GroupTimeEdit;
class Messages;

class TfrmSave : public QDialog {
    Q_OBJECT
public:
    TfrmSave(TDataRec& curData, DatabaseConfig db, Messages& messages, QWidget* parent = nullptr);

    void btnSaveClick();

    QPushButton* btnQuit;
    GroupTimeEdit* edtTime;
    QComboBox* edtSen;
    QLineEdit* edtRem;
    QPushButton* btnSave;

private:
    TDataRec& m_cur;
    DatabaseConfig m_db;
    Messages& m_messages;
};

} // namespace quorvel
