#pragma once
// The data management dialog: lists the saved groups and loads, modifies or
// deletes the selected one. The database is open exactly while it exists.

#include "measure/DataRec.h"
#include "records/RecordsStore.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace quorvel {

class GroupTableModel;
class Messages;

class TfrmDb : public QDialog {
    Q_OBJECT
public:
    enum Result { Loaded = 1, Quit = 2 };

    TfrmDb(TDataRec& curData, const DatabaseConfig& db, Messages& messages, QWidget* parent = nullptr);
    ~TfrmDb() override;

    void LoadGroup();
    void btnDelClick();
    void btnUpdateClick();

    QTableView* gdGroup;
    QPushButton* btnLoad;
    QPushButton* btnUpdate;
    QPushButton* btnDel;
    QPushButton* btnClose;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void refresh(int keepGid);
    void fitColumns();
    const GroupRow* currentGroup() const;
    void showError(const QString& text);

    TDataRec& m_cur;
    Messages& m_messages;
    RecordsStore m_store;
    GroupTableModel* m_model;
};

} // namespace quorvel
