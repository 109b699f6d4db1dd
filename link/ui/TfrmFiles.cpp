#include "link/ui/TfrmFiles.h"

#include "link/ui/ChoiceDialogLayout.h"
#include "platform/widgets/Fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace quorvel {

TfrmFiles::TfrmFiles(const TFileSlots& files, TDataRec& curData, QWidget* parent)
    : QDialog(parent), m_files(files), m_curData(curData)
{
    setObjectName(QStringLiteral("frmFiles"));
    setWindowTitle(QStringLiteral("Display Data Files"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(fonts::smallSans());
    buildLayout();
    FormCreate();
}

void TfrmFiles::buildLayout()
{
    const ChoiceDialogWidgets w =
        buildChoiceDialog(this, QStringLiteral("Select File\uFF1A"), QStringLiteral("cbFiles"));
    w.label->setFont(fonts::windowDefault());   // the full-width colon wants a CJK face
    m_cbFiles = w.list;
    m_btnOK = w.btnOK;
    m_btnCancel = w.btnCancel;
    connect(m_btnOK, &QPushButton::clicked, this, &TfrmFiles::btnOKClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &TfrmFiles::btnCancelClick);
}

void TfrmFiles::FormCreate()
{
    m_cbFiles->clear();
    m_cbFiles->addItem(QStringLiteral("Select a file"));
    for (int k = 1; k <= TFileSlots::kSlots; ++k)
        m_cbFiles->addItem(QString::asprintf("File%d - %d", k - 1, int(m_files[k].Count)));
    m_cbFiles->setCurrentIndex(0);
    m_cbFiles->setFocus();
}

void TfrmFiles::btnOKClick()
{
    const int i = m_cbFiles->currentIndex();
    if (i < 1 || i > TFileSlots::kSlots || m_files[i].Count == 0) {
        m_cbFiles->setCurrentIndex(0);
        m_cbFiles->setFocus();
        return;
    }
    const TFileSlot& slot = m_files[i];
    std::copy(slot.Values.begin() + 1, slot.Values.begin() + 1 + slot.Count, m_curData.Data.begin() + 1);
    m_curData.Count = slot.Count;
    done(kResultOk);
}

void TfrmFiles::btnCancelClick()
{
    done(kResultCancel);
}

} // namespace quorvel
