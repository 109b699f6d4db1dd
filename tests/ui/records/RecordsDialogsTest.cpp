// The save, management and modify dialogs over a scratch SQLite database,
// offscreen, with scripted message boxes.

#include "FakeMessages.h"
#include "StoreTestSupport.h"

#include "platform/DateTimeText.h"
#include "records/RecordsStore.h"
#include "records/ui/ClippedTipDelegate.h"
#include "records/ui/GroupTableModel.h"
#include "records/ui/GroupTimeEdit.h"
#include "records/ui/TfrmDb.h"
#include "records/ui/TfrmSave.h"
#include "records/ui/TfrmUpdate.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::FakeMessages;

namespace {

const QString kQuestion = QStringLiteral("\u5e8f\u53f7\u4e3a 2 \u7684\u4e00\u7ec4\u6d4b\u91cf\u8bb0\u5f55\u5c06\u88ab\u5220\u9664\uff0c\r\n"
                                         "\u60a8\u786e\u8ba4\u5417\uff1f");

class RecordsDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString why;
        ASSERT_TRUE(scratch.create(DatabaseConfig::Engine::SQLite, &why)) << why.toStdString();
    }
    void saveGroups(int n)
    {
        RecordsStore store(scratch.config());
        QString why;
        ASSERT_TRUE(store.open(&why));
        for (int i = 0; i < n; ++i) {
            const float readings[] = {12.3f, 45.6f, 7.8f};
            int gid = 0;
            ASSERT_TRUE(store.saveGroup({QDateTime(QDate(2024, 1, 2 + i), QTime(8, 30)), 3, QStringLiteral("g%1").arg(i + 1)},
                                        readings, 3, &gid, &why));
        }
    }
    QList<GroupRow> groups()
    {
        RecordsStore store(scratch.config());
        QString why;
        QList<GroupRow> rows;
        EXPECT_TRUE(store.open(&why) && store.listGroups(&rows, &why)) << why.toStdString();
        return rows;
    }
    static QWidget* nextInTabOrder(QWidget* w, int steps)
    {
        for (int i = 0; i < steps; ++i)
            w = w->nextInFocusChain();
        return w;
    }

    test::ScratchDatabase scratch;
    FakeMessages messages;
    TDataRec cur;
};

TEST_F(RecordsDialogsTest, saveDialogShouldOpenWithQuitFocusedAndTheCurrentProbe)
{
    cur.Sensor = 5;
    TfrmSave dlg(cur, scratch.config(), messages);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Save Data"));
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : dlg.focusWidget(), dlg.btnQuit);
    EXPECT_EQ(dlg.edtSen->currentText(), QStringLiteral("KB-R"));
    EXPECT_EQ(dlg.edtSen->count(), 10);
    EXPECT_LE(qAbs(dlg.edtTime->dateTime().secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_TRUE(dlg.edtTime->calendarPopup());
    EXPECT_EQ(dlg.edtRem->maxLength(), 50);
    const QList<QWidget*> order = {dlg.btnQuit, dlg.edtTime, dlg.edtSen, dlg.edtRem, dlg.btnSave};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* w = order[i];
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !order.contains(w));
        EXPECT_EQ(w, order[i + 1]) << "after " << i;
    }
}

TEST_F(RecordsDialogsTest, saveDialogShouldCloseSilentlyOnAnEmptyGroupAndSaveAFullOne)
{
    cur.Sensor = 2;
    {
        TfrmSave dlg(cur, scratch.config(), messages);
        dlg.edtSen->setCurrentIndex(6);
        QTest::mouseClick(dlg.btnSave, Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(groups().isEmpty());
    EXPECT_EQ(cur.Sensor, 2);

    cur.Count = 2;
    cur.Data[1] = 1.5f;
    cur.Data[2] = 2.5f;
    TfrmSave dlg(cur, scratch.config(), messages);
    dlg.edtSen->setCurrentIndex(6);
    dlg.edtRem->setText(QStringLiteral("o'clock"));
    QTest::mouseClick(dlg.btnSave, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(cur.Count, 0);
    EXPECT_EQ(cur.Sensor, 7);
    ASSERT_EQ(groups().size(), 1);
    EXPECT_EQ(groups()[0].rem.toString(), QStringLiteral("o'clock"));
    EXPECT_EQ(groups()[0].time.toDateTime().time().msec(), 0);   // the preset "now", as shown
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecordsDialogsTest, saveDialogShouldStayOpenAndKeepTheGroupWhenTheFileIsMissing)
{
    DatabaseConfig missing;
    missing.file = scratch.dir() + QStringLiteral("/none.mdb");
    cur.Count = 3;
    cur.Sensor = 2;
    TfrmSave dlg(cur, missing, messages);
    dlg.edtSen->setCurrentIndex(6);
    QTest::mouseClick(dlg.btnSave, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Quorvel "));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("does not exist")));
    EXPECT_EQ(cur.Count, 3);
    EXPECT_EQ(cur.Sensor, 2);
}

TEST_F(RecordsDialogsTest, twoDigitYearsShouldBeReadFrom1950)
{
    const int cases[][2] = {{0, 2000}, {49, 2049}, {50, 1950}, {99, 1999}, {2024, 2024}};
    for (const auto& c : cases)
        EXPECT_EQ(GroupTimeEdit::fullYear(c[0]), c[1]) << c[0];
}

TEST_F(RecordsDialogsTest, managementDialogShouldListGroupsAndStartOnTheFirstRow)
{
    saveGroups(2);
    TfrmDb dlg(cur, scratch.config(), messages);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Data Management"));
    const auto* model = dlg.gdGroup->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Time"));
    EXPECT_EQ(model->index(0, 1).data().toString(), dateTimeText(QDateTime(QDate(2024, 1, 2), QTime(8, 30))));
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("MB"));
    EXPECT_EQ(dlg.gdGroup->currentIndex().row(), 0);
    EXPECT_EQ(dlg.gdGroup->size(), QSize(550, 240));
    EXPECT_EQ(dlg.btnLoad->size(), QSize(100, 25));
    EXPECT_EQ(dlg.gdGroup->editTriggers(), QAbstractItemView::NoEditTriggers);
    const auto* header = dlg.gdGroup->horizontalHeader();
    EXPECT_NEAR(double(header->sectionSize(1)) / header->sectionSize(0), 3.0, 0.1);
    EXPECT_GE(header->length(), 470);
}

TEST_F(RecordsDialogsTest, aCellShouldOfferItsTooltipOnlyWhenClipped)
{
    QStyleOptionViewItem option;
    option.fontMetrics = QFontMetrics(QApplication::font());
    const QString text = QStringLiteral("a comment of some length");
    option.rect = QRect(0, 0, option.fontMetrics.horizontalAdvance(text) / 2, 20);
    EXPECT_TRUE(ClippedTipDelegate::isClipped(option, text));
    option.rect.setWidth(option.fontMetrics.horizontalAdvance(text) + 20);
    EXPECT_FALSE(ClippedTipDelegate::isClipped(option, text));
}

TEST_F(RecordsDialogsTest, sensorOutsideTheListShouldShowAnEmptyCell)
{
    GroupTableModel model;
    model.setRows({GroupRow{1, QDateTime(QDate(2024, 1, 1), QTime(0, 0)), 11, QStringLiteral("x")}});
    EXPECT_EQ(model.index(0, 2).data().toString(), QString());
    EXPECT_EQ(model.index(0, 1).data().toString(), dateTimeText(QDateTime(QDate(2024, 1, 1), QTime(0, 0))));
}

TEST_F(RecordsDialogsTest, deleteShouldAskAndKeepTheGroupOnNoAndDropItOnYes)
{
    saveGroups(3);
    TfrmDb dlg(cur, scratch.config(), messages);
    dlg.gdGroup->selectRow(1);
    messages.answers = {false, true};
    QTest::mouseClick(dlg.btnDel, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("\u5220\u9664\u786e\u8ba4"));
    EXPECT_EQ(messages.shown[0].text, kQuestion);
    EXPECT_EQ(dlg.gdGroup->model()->rowCount(), 3);

    // Ctrl+Delete in the grid asks the same question.
    QTest::keyClick(dlg.gdGroup, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, kQuestion);
    EXPECT_EQ(dlg.gdGroup->model()->rowCount(), 2);
    dlg.done(TfrmDb::Quit);
    const auto left = groups();
    ASSERT_EQ(left.size(), 2);
    EXPECT_EQ(left[1].gid, 3);
}

TEST_F(RecordsDialogsTest, withNoGroupsTheButtonsShouldDoNothing)
{
    TfrmDb dlg(cur, scratch.config(), messages);
    cur.Count = 4;
    QTest::mouseClick(dlg.btnDel, Qt::LeftButton);
    QTest::mouseClick(dlg.btnLoad, Qt::LeftButton);
    QTest::mouseClick(dlg.btnUpdate, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dlg.result(), 0);
    EXPECT_EQ(cur.Count, 4);
}

TEST_F(RecordsDialogsTest, aFailedOpenShouldShowTheErrorAndLeaveOnlyQuit)
{
    DatabaseConfig missing;
    missing.file = scratch.dir() + QStringLiteral("/none.mdb");
    TfrmDb dlg(cur, missing, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Quorvel "));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Error);
    EXPECT_FALSE(dlg.btnLoad->isEnabled());
    EXPECT_FALSE(dlg.btnUpdate->isEnabled());
    EXPECT_FALSE(dlg.btnDel->isEnabled());
    EXPECT_TRUE(dlg.btnClose->isEnabled());
}

TEST_F(RecordsDialogsTest, loadButtonAndEnterShouldCopyTheSelectedGroupAndEndWithResultOne)
{
    saveGroups(2);
    const std::function<void(TfrmDb&)> ways[] = {
        [](TfrmDb& d) { QTest::mouseClick(d.btnLoad, Qt::LeftButton); },
        [](TfrmDb& d) { QTest::keyClick(d.gdGroup, Qt::Key_Return); },
    };
    for (const auto& loadWith : ways) {
        cur.Count = 0;
        cur.Rem.clear();
        TfrmDb dlg(cur, scratch.config(), messages);
        dlg.gdGroup->selectRow(1);
        loadWith(dlg);
        EXPECT_EQ(dlg.result(), TfrmDb::Loaded);
        EXPECT_EQ(cur.Count, 3);
        EXPECT_EQ(cur.Rem, QStringLiteral("g2"));
        EXPECT_FLOAT_EQ(cur.Data[2], 45.6f);
    }
}

// Acts on the modify dialog once it runs modally, from inside its event loop.
void onModifyDialog(std::function<void(TfrmUpdate*)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* upd = qobject_cast<TfrmUpdate*>(w); upd && upd->isVisible()) {
                act(upd);
                if (upd->isVisible())
                    upd->reject();
                return;
            }
        }
        ADD_FAILURE() << "no modify dialog open";
    });
}

TEST_F(RecordsDialogsTest, modifyShouldShowTheRowSaveOnSaveAndKeepItOnQuit)
{
    saveGroups(1);
    TfrmDb dlg(cur, scratch.config(), messages);
    onModifyDialog([](TfrmUpdate* upd) {
        EXPECT_EQ(upd->windowTitle(), QStringLiteral("Modify Parameters"));
        EXPECT_EQ(upd->edtSen->currentText(), QStringLiteral("MB"));
        EXPECT_EQ(upd->edtRem->text(), QStringLiteral("g1"));
        EXPECT_EQ(upd->edtTime->dateTime(), QDateTime(QDate(2024, 1, 2), QTime(8, 30)));
        upd->edtRem->setText(QStringLiteral("discarded"));
        QTest::mouseClick(upd->btnQuit, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.btnUpdate, Qt::LeftButton);
    EXPECT_EQ(dlg.gdGroup->model()->index(0, 3).data().toString(), QStringLiteral("g1"));

    onModifyDialog([](TfrmUpdate* upd) {
        upd->edtSen->setCurrentIndex(9);
        upd->edtRem->setText(QStringLiteral("changed"));
        upd->edtTime->setDateTime(QDateTime(QDate(2023, 6, 7), QTime(9, 10, 11)));
        QTest::mouseClick(upd->btnSave, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.btnUpdate, Qt::LeftButton);
    EXPECT_EQ(dlg.gdGroup->model()->index(0, 2).data().toString(), QStringLiteral("MC"));
    EXPECT_EQ(dlg.gdGroup->model()->index(0, 3).data().toString(), QStringLiteral("changed"));

    dlg.show();
    // A double-click on a row loads it; a view sees a press first, as from a real mouse.
    const QPoint cell = dlg.gdGroup->visualRect(dlg.gdGroup->model()->index(0, 1)).center();
    QTest::mouseClick(dlg.gdGroup->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(dlg.gdGroup->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(dlg.result(), TfrmDb::Loaded);
    EXPECT_EQ(cur.Sensor, 10);
    EXPECT_EQ(cur.Rem, QStringLiteral("changed"));
    EXPECT_EQ(dateTimeFromDays(cur.Time), QDateTime(QDate(2023, 6, 7), QTime(9, 10, 11)));
    EXPECT_EQ(cur.Count, 3);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
