// The preview, its actions and the PRINT entry point, offscreen.

#include "report/ui/PageView.h"
#include "report/ui/PrepareProgress.h"
#include "report/ui/PrintCurrentGroup.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/ReportPrinting.h"
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace quorvel;

namespace {

const QString kCaption = QStringLiteral("Quorvel  For Coating Thickness Gauge ");
const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9));

class ReportPreviewTest : public ::testing::Test {
protected:
    PreparedReport prepare(int count)
    {
        data->Source = 1;
        data->Count = uint16_t(count);
        for (int i = 1; i <= count; ++i)
            data->Data[size_t(i)] = float(i % 500);
        report.setUp(*data, kCaption, kNow);
        return *report.prepare();
    }

    // Cancels the progress window as soon as it turns up.
    static void cancelProgressWhenShown()
    {
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::allWidgets())
                if (auto* p = qobject_cast<QProgressDialog*>(w))
                    p->cancel();
        });
    }

    std::unique_ptr<TDataRec> data = std::make_unique<TDataRec>();
    ReportVariables variables;
    DataReport report{variables};
};

TEST_F(ReportPreviewTest, aFullGroupOpensAtPageWidthPaintingOnlyThePagesInView)
{
    ReportPreview preview(report, prepare(TDataRec::kMaxCount), true);
    preview.resize(800, 900);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    preview.pageView()->viewport()->repaint();
    EXPECT_EQ(preview.pages().pageCount(), 820);
    EXPECT_EQ(preview.pageView()->zoomMode(), PageView::ZoomMode::FitWidth);
    EXPECT_GE(preview.pageView()->pagesPainted(), 1);
    EXPECT_LE(preview.pageView()->pagesPainted(), 3 * 2);   // two paints at most, two pages each
    preview.pageView()->showPage(500);
    EXPECT_EQ(preview.pageView()->currentPage(), 500);
}

TEST_F(ReportPreviewTest, printAndPageSetupNeedAPrinterButExportAndCloseDoNot)
{
    for (bool printers : {false, true}) {
        ReportPreview preview(report, prepare(5), printers);
        SCOPED_TRACE(printers);
        EXPECT_EQ(preview.findChild<QAction*>(QStringLiteral("printAction"))->isEnabled(), printers);
        EXPECT_EQ(preview.findChild<QAction*>(QStringLiteral("pageSetupAction"))->isEnabled(), printers);
        EXPECT_TRUE(preview.findChild<QAction*>(QStringLiteral("exportPdfAction"))->isEnabled());
        EXPECT_TRUE(preview.findChild<QAction*>(QStringLiteral("closeAction"))->isEnabled());
    }
}

TEST_F(ReportPreviewTest, escapeClosesThePreview)
{
    ReportPreview preview(report, prepare(5), false);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(preview.result(), QDialog::Rejected);
}

TEST_F(ReportPreviewTest, zoomStepsInAndOutFromPageWidth)
{
    ReportPreview preview(report, prepare(5), false);
    preview.resize(800, 900);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const double fit = preview.pageView()->zoomPercent();
    preview.zoomIn();
    EXPECT_EQ(preview.pageView()->zoomMode(), PageView::ZoomMode::Percent);
    EXPECT_GT(preview.pageView()->zoomPercent(), fit);
    const double in = preview.pageView()->zoomPercent();
    preview.zoomOut();
    EXPECT_LT(preview.pageView()->zoomPercent(), in);
}

TEST_F(ReportPreviewTest, pageSetupReprepareKeepsTheNewPageForLaterPrints)
{
    ReportPreview preview(report, prepare(200), true);
    const int portraitPages = preview.pages().pageCount();
    QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 15, 10, 15),
                          QPageLayout::Millimeter);
    ASSERT_TRUE(preview.applyPageLayout(landscape));
    EXPECT_EQ(preview.pages().pages.at(0).size, QSizeF(1071, 758));
    EXPECT_GT(preview.pages().pageCount(), portraitPages);
    EXPECT_EQ(report.reportTemplate().page.left, 36);
    EXPECT_EQ(report.ReportRow, 200);   // the rows were walked again from 1
    EXPECT_EQ(prepare(5).pages.at(0).size, QSizeF(1071, 758));
}

TEST_F(ReportPreviewTest, aCancelledPageSetupPreparationKeepsTheFormerPageAndPages)
{
    ReportPreview preview(report, prepare(TDataRec::kMaxCount), true);
    preview.setProgressDelay(0);
    cancelProgressWhenShown();
    EXPECT_FALSE(preview.applyPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                                     QMarginsF())));
    EXPECT_EQ(report.reportTemplate().page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(preview.pages().pageCount(), 820);
}

TEST_F(ReportPreviewTest, exportWritesAPdfAndSaysWhere)
{
    QTemporaryDir dir;
    ReportPreview preview(report, prepare(5), false);
    const QString file = dir.filePath(QStringLiteral("r.pdf"));
    ASSERT_TRUE(preview.exportPdfTo(file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(preview.findChild<QLabel*>(QStringLiteral("statusText"))->text().contains(QStringLiteral("r.pdf")));
}

TEST_F(ReportPreviewTest, printShowsThePreviewOfTheGroupAndReturnsWhenItCloses)
{
    data->Source = 0;
    data->Count = 9;
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        pages = preview->pages().pageCount();
        preview->reject();
    });
    printCurrentGroup(nullptr, report, *data, kCaption, kNow, false);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(report.ReportRow, 9);
    EXPECT_EQ(variables.value(QStringLiteral("Describ1")), kCaption);
}

TEST_F(ReportPreviewTest, cancellingThePreparationMeansNoPreview)
{
    prepare(TDataRec::kMaxCount);
    cancelProgressWhenShown();
    EXPECT_FALSE(prepareWithProgress(nullptr, report, 0).has_value());
}

TEST(ReportPrintingTest, pageChoicesOfThePrintDialog)
{
    const struct { QPrinter::PrintRange range; const char* list; int current; std::vector<int> pages; } cases[] = {
        {QPrinter::AllPages, "", 1, {0, 1, 2, 3, 4}},
        {QPrinter::CurrentPage, "", 3, {3}},
        {QPrinter::PageRange, "1-2,5", 0, {0, 1, 4}},
        {QPrinter::PageRange, "4-9", 0, {3, 4}},
        {QPrinter::PageRange, "", 0, {0, 1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(pagesToPrint(c.range, QPageRanges::fromString(QString::fromLatin1(c.list)), c.current, 5),
                  c.pages);
    }
    EXPECT_EQ(printSequence({0, 1}, 2, true), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(printSequence({0, 1}, 2, false), (std::vector<int>{0, 0, 1, 1}));
}

} // namespace
