// The report rendered to PDF, read back with pdftotext.

#include "ReportFixture.h"
#include "report/ReportPdf.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace quorvel;
using namespace quorvel::test;

namespace {

class ReportPdfTest : public ReportFixture {
protected:
    QString pdfText(const QString& file, int page)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page),
                                              QStringLiteral("-l"), QString::number(page),
                                              QStringLiteral("-layout"), file, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QTemporaryDir dir;
};

TEST_F(ReportPdfTest, pagesCarryTheHeaderTextsAndReadings)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is missing: scripts/install-deps.sh installs poppler-utils";
    fill(85, 2);
    data->Sensor = 4;
    data->Rem = QStringLiteral("abc");
    const PreparedReport prepared = print();
    ASSERT_EQ(prepared.pageCount(), 2);
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const PdfResult result = exportReportPdf(prepared, file, kCaption);
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    const QString first = pdfText(file, 1);
    for (const char* expected : {"Data Report", "Quorvel For Coating Thickness Gauge", "Page: 1 / 2",
                                 "Sensor: CQ5", "Comments: abc", "[1]", "1.1 μm", "[80]", "80.0 μm"})
        EXPECT_TRUE(first.simplified().contains(QString::fromUtf8(expected)))
            << expected << "\n" << first.toStdString();
    const QString second = pdfText(file, 2).simplified();
    EXPECT_TRUE(second.contains(QStringLiteral("Page: 2 / 2"))) << second.toStdString();
    EXPECT_TRUE(second.contains(QString::fromUtf8("[85] 85.5 μm"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("[80]")));
}

TEST_F(ReportPdfTest, aCancelledOrFailedExportLeavesNoFileBehind)
{
    fill(5);
    const PreparedReport prepared = print();
    const QString file = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const PdfResult cancelled = exportReportPdf(prepared, file, kCaption, [](int, int) { return false; });
    EXPECT_FALSE(cancelled.ok);
    EXPECT_TRUE(cancelled.cancelled);
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("earlier"));

    const PdfResult failed = exportReportPdf(prepared, dir.filePath(QStringLiteral("no/such/dir/r.pdf")), kCaption);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.cancelled);
    EXPECT_FALSE(failed.error.isEmpty());
}

} // namespace
