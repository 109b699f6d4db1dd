#include "link/ui/TfrmFiles.h"

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
    setFixedSize(226, 112);
    auto* label = new QLabel(QStringLiteral("Select File\uFF1A"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(fonts::windowDefault());   // the full-width colon wants a CJK face
    label->setGeometry(16, 12, 194, 16);

    m_cbFiles = new QComboBox(this);   // not editable: choose only
    m_cbFiles->setObjectName(QStringLiteral("cbFiles"));
    m_cbFiles->setGeometry(16, 34, 194, 22);

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->setGeometry(30, 72, 75, 25);
    m_btnOK->setDefault(true);
    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setGeometry(121, 72, 75, 25);

    setTabOrder(m_cbFiles, m_btnOK);
    setTabOrder(m_btnOK, m_btnCancel);
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
