#include "records/ui/TfrmDb.h"

#include "platform/Messages.h"
#include "records/ui/ClippedTipDelegate.h"
#include "records/ui/GroupTableModel.h"
#include "records/ui/RecordsCommands.h"
#include "records/ui/TfrmUpdate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace quorvel {

namespace {
constexpr int kGridWidth = 550;
constexpr int kGridHeight = 240;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;
constexpr int kMinColumnsWidth = 480;
const int kDisplayWidths[] = {6, 18, 10, 20};   // the fields' display widths, in characters
} // namespace

TfrmDb::TfrmDb(TDataRec& curData, const DatabaseConfig& db, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      gdGroup(new QTableView(this)),
      btnLoad(new QPushButton(QStringLiteral("Load Data"), this)),
      btnUpdate(new QPushButton(QStringLiteral("Modify Parameters"), this)),
      btnDel(new QPushButton(QStringLiteral("Delete Data"), this)),
      btnClose(new QPushButton(QStringLiteral("Quit"), this)),
      m_cur(curData),
      m_messages(messages),
      m_store(db),
      m_model(new GroupTableModel(this))
{
    setWindowTitle(QStringLiteral("Data Management"));
    gdGroup->setObjectName(QStringLiteral("gdGroup"));
    gdGroup->setModel(m_model);
    gdGroup->setItemDelegate(new ClippedTipDelegate(gdGroup));
    gdGroup->setSelectionBehavior(QAbstractItemView::SelectRows);
    gdGroup->setSelectionMode(QAbstractItemView::SingleSelection);
    gdGroup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gdGroup->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    gdGroup->setGeometry(0, 0, kGridWidth, kGridHeight);
    gdGroup->installEventFilter(this);

    const int gap = (kGridWidth - 4 * kButtonWidth) / 5;
    int x = gap;
    for (QPushButton* b : {btnLoad, btnUpdate, btnDel, btnClose}) {
        b->setGeometry(x, kGridHeight + 8, kButtonWidth, kButtonHeight);
        b->setEnabled(false);
        x += kButtonWidth + gap;
    }
    btnLoad->setObjectName(QStringLiteral("btnLoad"));
    btnUpdate->setObjectName(QStringLiteral("btnUpdate"));
    btnDel->setObjectName(QStringLiteral("btnDel"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setEnabled(true);
    setFixedSize(kGridWidth, kGridHeight + 16 + kButtonHeight);

    connect(btnLoad, &QPushButton::clicked, this, &TfrmDb::LoadGroup);
    connect(gdGroup, &QTableView::doubleClicked, this, &TfrmDb::LoadGroup);
    connect(btnUpdate, &QPushButton::clicked, this, &TfrmDb::btnUpdateClick);
    connect(btnDel, &QPushButton::clicked, this, &TfrmDb::btnDelClick);
    connect(btnClose, &QPushButton::clicked, this, [this] { done(Quit); });
    FormCreate();
}

TfrmDb::~TfrmDb()
{
    m_store.close();
}

void TfrmDb::FormCreate()
{
    QString why;
    if (!m_store.open(&why)) {
        showError(why);
        return;
    }
    QList<GroupRow> rows;
    if (!m_store.listGroups(&rows, &why)) {
        m_store.close();
        showError(why);
        return;
    }
    m_model->setRows(rows);
    for (QPushButton* b : {btnLoad, btnUpdate, btnDel})
        b->setEnabled(true);
    if (m_model->rowCount() > 0)
        gdGroup->selectRow(0);
}

void TfrmDb::done(int result)
{
    m_store.close();   // the file is free again as soon as the dialog ends
    QDialog::done(result);
}

void TfrmDb::showError(const QString& text)
{
    m_messages.show(QString::fromLatin1(kErrorCaption), text, MsgIcon::Error);
}

const GroupRow* TfrmDb::currentGroup() const
{
    const QModelIndex i = gdGroup->currentIndex();
    return i.isValid() ? &m_model->row(i.row()) : nullptr;
}

void TfrmDb::LoadGroup()
{
    const GroupRow* g = currentGroup();
    if (!m_store.isOpen() || !g)
        return;
    QString message;
    switch (m_store.loadGroup(g->gid, m_cur, &message)) {
    case LoadResult::Failed:
        showError(message);
        return;
    case LoadResult::LoadedFirstPart:
        m_messages.show(QString::fromLatin1(kErrorCaption), message, MsgIcon::Warning);
        break;
    case LoadResult::Loaded:
        break;
    }
    done(Loaded);
}

void TfrmDb::btnDelClick()
{
    const GroupRow* g = currentGroup();
    if (!m_store.isOpen() || !g)
        return;
    const int gid = g->gid;
    const QString question = QStringLiteral("\u5e8f\u53f7\u4e3a ") + QString::number(gid)
                             + QStringLiteral(" \u7684\u4e00\u7ec4\u6d4b\u91cf\u8bb0\u5f55\u5c06\u88ab\u5220\u9664\uff0c")
                             + QStringLiteral("\r\n") + QStringLiteral("\u60a8\u786e\u8ba4\u5417\uff1f");
    if (!m_messages.askYesNo(QStringLiteral("\u5220\u9664\u786e\u8ba4"), question))
        return;
    QString why;
    if (!m_store.deleteGroup(gid, &why))
        showError(why);
    const int row = gdGroup->currentIndex().row();
    refresh(-1);
    if (m_model->rowCount() > 0)
        gdGroup->selectRow(std::min(row, m_model->rowCount() - 1));
}

void TfrmDb::btnUpdateClick()
{
    const GroupRow* g = currentGroup();
    if (!m_store.isOpen() || !g)
        return;
    const int gid = g->gid;
    TfrmUpdate dlg(m_store, *g, m_messages, this);
    if (dlg.exec() == QDialog::Accepted)
        refresh(gid);
}

void TfrmDb::refresh(int keepGid)
{
    QList<GroupRow> rows;
    QString why;
    if (!m_store.listGroups(&rows, &why)) {
        showError(why);
        return;
    }
    m_model->setRows(rows);
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].gid == keepGid)
            gdGroup->selectRow(r);
    }
}

bool TfrmDb::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == gdGroup && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            btnDelClick();   // the same question as the button: no silent deletes
            return true;
        }
        // Enter on a row loads it, as a double-click does.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            LoadGroup();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmDb::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    fitColumns();
}

void TfrmDb::fitColumns()
{
    const int total = std::max(kMinColumnsWidth, gdGroup->viewport()->width());
    int units = 0;
    for (int w : kDisplayWidths)
        units += w;
    for (int c = 0; c < GroupTableModel::ColumnCount; ++c)
        gdGroup->horizontalHeader()->resizeSection(c, total * kDisplayWidths[c] / units);
}

} // namespace quorvel
