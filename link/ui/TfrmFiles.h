#pragma once
// The file picker: makes one of the downloaded files the current group.
// Result 1 when a file was taken, 2 on Cancel.

#include "link/FileSlots.h"
#include "measure/DataRec.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace quorvel {

class TfrmFiles : public QDialog {
    Q_OBJECT
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    // The slots are read when OK is pressed, not copied now: a download
    // running meanwhile may still be filling them.
    TfrmFiles(const TFileSlots& files, TDataRec& curData, QWidget* parent = nullptr);

    void FormCreate();
    void btnOKClick();
    void btnCancelClick();

    void reject() override { btnCancelClick(); }

private:
    void buildLayout();

    const TFileSlots& m_files;
    TDataRec& m_curData;
    QComboBox* m_cbFiles = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace quorvel
