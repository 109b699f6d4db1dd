#pragma once
// Modify Parameters: the date-time, probe type and comment of one saved group.
// Save writes them; Quit leaves the group as it was.

#include "records/RecordsStore.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class GroupTimeEdit;
class Messages;

class TfrmUpdate : public QDialog {
    Q_OBJECT
public:
    TfrmUpdate(RecordsStore& store, const GroupRow& group, Messages& messages, QWidget* parent = nullptr);

    void btnSaveClick();

    QPushButton* btnQuit;
    GroupTimeEdit* edtTime;
    QComboBox* edtSen;
    QLineEdit* edtRem;
    QPushButton* btnSave;

private:
    RecordsStore& m_store;
    GroupRow m_group;
    Messages& m_messages;
};

} // namespace quorvel
