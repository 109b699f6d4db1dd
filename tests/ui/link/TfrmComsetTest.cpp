#include "link/ui/TfrmComset.h"

#include "FakeMessages.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using quorvel::test::child;
using quorvel::test::whenModal;

namespace {

// COM1 and COM4 free, COM2 held by another program.
QList<PortEntry> threeSystemPorts()
{
    const QList<PortEntry> system = {{QStringLiteral("COM1"), QStringLiteral("COM1")},
                                     {QStringLiteral("COM2"), QStringLiteral("COM2")},
                                     {QStringLiteral("COM4"), QStringLiteral("COM4")}};
    return availablePortsFrom({}, system, [](const QString& device) { return device != QStringLiteral("COM2"); });
}

struct TfrmComsetTest : ::testing::Test {
    test::FakeMessages messages;
    TfrmComset dialog{threeSystemPorts, messages};
    QComboBox* list() { return child<QComboBox>(&dialog, "cbComsel"); }
};

TEST_F(TfrmComsetTest, listsTheFreePortsInOrderWithTheFirstSelected)
{
    dialog.FormShow();
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->itemText(0), QStringLiteral("COM1"));
    EXPECT_EQ(list()->itemText(1), QStringLiteral("COM4"));
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_FALSE(list()->isEditable());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Comm Port"));
    EXPECT_EQ(child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Please Select the Port:"));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(TfrmComsetTest, choosingCom4AndOkGivesCom4WithResult1)
{
    whenModal([](QWidget* w) {
        w->findChild<QComboBox*>(QStringLiteral("cbComsel"))->setCurrentIndex(1);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), TfrmComset::kResultOk);
    EXPECT_EQ(dialog.chosen().name, QStringLiteral("COM4"));
    EXPECT_EQ(dialog.chosen().device, QStringLiteral("COM4"));
}

TEST_F(TfrmComsetTest, listHasTheFocusAndReturnTakesTheSelectedPort)
{
    QWidget* focused = nullptr;
    whenModal([&](QWidget* w) {
        focused = w->focusWidget();
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), TfrmComset::kResultOk);
    EXPECT_EQ(focused, list());
    EXPECT_EQ(dialog.chosen().name, QStringLiteral("COM1"));
}

TEST_F(TfrmComsetTest, escapeAndCancelBothGiveResult2)
{
    whenModal([](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), TfrmComset::kResultCancel);
    whenModal([](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), TfrmComset::kResultCancel);
    EXPECT_TRUE(dialog.chosen().name.isEmpty());
}

TEST(TfrmComsetEmptyTest, noPortTellsTheUserAndReturnsAsCancelWithoutShowing)
{
    test::FakeMessages messages;
    TfrmComset dialog([] { return QList<PortEntry>{}; }, messages);
    EXPECT_EQ(dialog.exec(), TfrmComset::kResultCancel);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, texts::kNoPort);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Warning);
}

TEST(TfrmComsetEmptyTest, okWithNothingSelectedIsTakenAsCancel)
{
    test::FakeMessages messages;
    TfrmComset dialog([] { return QList<PortEntry>{}; }, messages);
    dialog.FormShow();
    dialog.btnOKClick();
    EXPECT_EQ(dialog.result(), TfrmComset::kResultCancel);
}

TEST(TfrmComsetListTest, neverOffersMoreThanSixteenPorts)
{
    test::FakeMessages messages;
    TfrmComset dialog(
        [] {
            QList<PortEntry> many;
            for (int n = 1; n <= 20; ++n)
                many.append({QStringLiteral("ttyS%1").arg(n), QStringLiteral("/dev/ttyS%1").arg(n)});
            return many;
        },
        messages);
    dialog.FormShow();
    EXPECT_EQ(dialog.PortList().size(), kMaxListedPorts);
}

} // namespace
