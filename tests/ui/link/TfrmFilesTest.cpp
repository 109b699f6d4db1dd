#include "link/ui/TfrmFiles.h"

#include "WhenModal.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace quorvel;
using quorvel::test::child;
using quorvel::test::whenModal;

namespace {

struct TfrmFilesTest : ::testing::Test {
    TfrmFilesTest()
    {
        fill(1, 37, 10.0f);
        fill(2, 12, 50.0f);
        curData->Count = 3;
        curData->Data[1] = 999.0f;
    }
    void fill(int slot, int count, float base)
    {
        files[slot].Count = uint8_t(count);
        for (int i = 1; i <= count; ++i)
            files[slot].Values[size_t(i)] = base + float(i);
    }
    QComboBox* list(TfrmFiles& d) { return child<QComboBox>(&d, "cbFiles"); }

    TFileSlots files;
    std::unique_ptr<TDataRec> curData = std::make_unique<TDataRec>();
};

TEST_F(TfrmFilesTest, listsSelectAFileThenEverySlotWithItsCount)
{
    TfrmFiles picker(files, *curData);
    const QStringList expected = {QStringLiteral("Select a file"), QStringLiteral("File0 - 37"),
                                  QStringLiteral("File1 - 12"), QStringLiteral("File2 - 0"),
                                  QStringLiteral("File3 - 0"), QStringLiteral("File4 - 0"),
                                  QStringLiteral("File5 - 0")};
    QStringList shown;
    for (int i = 0; i < list(picker)->count(); ++i)
        shown << list(picker)->itemText(i);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(list(picker)->currentIndex(), 0);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Display Data Files"));
    EXPECT_EQ(child<QLabel>(&picker, "Label1")->text(), QString::fromUtf8("Select File\xEF\xBC\x9A"));
}

TEST_F(TfrmFilesTest, refusesTheFirstEntryAndEmptyFilesByStayingOpen)
{
    TfrmFiles picker(files, *curData);
    picker.show();
    for (int index : {0, 3, 6}) {
        list(picker)->setCurrentIndex(index);
        picker.btnOKClick();
        EXPECT_TRUE(picker.isVisible()) << index;
        EXPECT_EQ(list(picker)->currentIndex(), 0) << index;
    }
    EXPECT_EQ(curData->Count, 3);
    EXPECT_EQ(curData->Data[1], 999.0f);
}

TEST_F(TfrmFilesTest, okCopiesTheSlotAsItIsWhenOkIsPressed)
{
    TfrmFiles picker(files, *curData);
    list(picker)->setCurrentIndex(2);
    fill(2, 14, 70.0f);   // a download still running has grown the file since the list was made
    picker.btnOKClick();
    EXPECT_EQ(picker.result(), TfrmFiles::kResultOk);
    ASSERT_EQ(curData->Count, 14);
    EXPECT_EQ(curData->Data[1], 71.0f);
    EXPECT_EQ(curData->Data[14], 84.0f);
}

TEST_F(TfrmFilesTest, listHasTheFocusAndReturnPressesOk)
{
    TfrmFiles picker(files, *curData);
    QWidget* focused = nullptr;
    whenModal([&](QWidget* w) {
        focused = w->focusWidget();
        w->findChild<QComboBox*>(QStringLiteral("cbFiles"))->setCurrentIndex(1);
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(picker.exec(), TfrmFiles::kResultOk);
    EXPECT_EQ(focused, list(picker));
    EXPECT_EQ(curData->Count, 37);
    EXPECT_EQ(curData->Data[37], 47.0f);
}

TEST_F(TfrmFilesTest, cancelAndEscapeGiveResult2AndChangeNothing)
{
    TfrmFiles picker(files, *curData);
    whenModal([](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(picker.exec(), TfrmFiles::kResultCancel);
    whenModal([](QWidget* w) {
        w->findChild<QComboBox*>(QStringLiteral("cbFiles"))->setCurrentIndex(1);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
    EXPECT_EQ(picker.exec(), TfrmFiles::kResultCancel);
    EXPECT_EQ(curData->Count, 3);
}

} // namespace
