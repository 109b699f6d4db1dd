// The program's share of the report: variables, row texts and the row cursor.

#include "ReportFixture.h"
#include "platform/DateTimeText.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

class DataReportTest : public ReportFixture {};

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 7, 9));

TEST_F(DataReportTest, headerTextsFollowTheGroupsSource)
{
    const QString now = dateTimeText(kNow, QLocale::c());
    const QDate midnight(2023, 11, 20);
    const QString date = QLocale::c().toString(midnight, QLocale::ShortFormat);
    const struct { uint8_t source; const char* sensor; const char* comments; QString time; } cases[] = {
        {2, "Sensor: CQ5", "Comments: abc", "Time: " + date + "    Print: " + now},
        {1, "Sensor: ", "Comments: ", "Time:     Print: " + now},
        {0, "Sensor: ", "Comments: ", "Time:     Print: " + now},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.source));
        data->Source = c.source;
        data->Sensor = 4;
        data->Rem = QStringLiteral("abc");
        data->Time = daysFromDateTime(QDateTime(midnight, QTime(0, 0)));
        const ReportPage page = print(kNow).pages.at(0);
        EXPECT_EQ(textOf(page, QStringLiteral("Memo4")), QString::fromLatin1(c.sensor));
        EXPECT_EQ(textOf(page, QStringLiteral("Memo6")), QString::fromLatin1(c.comments));
        EXPECT_EQ(textOf(page, QStringLiteral("Memo7")), c.time);
        EXPECT_EQ(variables.value(QStringLiteral("title")), QStringLiteral("Data Report"));
        EXPECT_EQ(report.title(), kCaption);
    }
}

TEST_F(DataReportTest, probeTypesOutsideTheListShowTheirNumberOrNothing)
{
    data->Source = 2;
    for (const auto& [sensor, text] : {std::pair{0, "Sensor: "}, {10, "Sensor: MC"}, {12, "Sensor: 12"}}) {
        data->Sensor = uint8_t(sensor);
        report.setUp(*data, kCaption, kNow);
        EXPECT_EQ(variables.value(QStringLiteral("DESCRIB2")), QString::fromLatin1(text));
    }
}

TEST_F(DataReportTest, rowTextsPutTheIndexInBracketsAndTheReadingInEightPlaces)
{
    const struct { int index; float value; const char* locale; const char* text; } cases[] = {
        {12, 1234.5f, "C", "[12]  1234.5  μm"},
        {1, 0.0f, "C", "[1]     0.0  μm"},
        {3, 25.7f, "C", "[3]    25.7  μm"},
        {65530, 6553.5f, "C", "[65530]  6553.5  μm"},
        {3, 25.7f, "de_DE", "[3]    25,7  μm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        report.setLocale(QLocale(QString::fromLatin1(c.locale)));
        data->Data[size_t(c.index)] = c.value;
        data->Count = uint16_t(c.index);
        report.setUp(*data, kCaption, kNow);
        report.ReportRow = uint16_t(c.index);
        QVariant value;
        report.ReportGetValue(QStringLiteral("Data"), value);
        EXPECT_EQ(value.toString(), QString::fromUtf8(c.text));
    }
}

TEST_F(DataReportTest, namesOtherThanExactlyDataAreLeftUnassigned)
{
    fill(3);
    report.setUp(*data, kCaption, kNow);
    for (const char* name : {"data", "DATA", "Data ", "Title", "Describ1", "PAGE#", ""}) {
        QVariant value;
        report.ReportGetValue(QString::fromLatin1(name), value);
        EXPECT_FALSE(value.isValid()) << name;
    }
}

TEST_F(DataReportTest, rowCursorFollowsTheRowSourceAndNeverPassesTheCount)
{
    fill(3);
    report.setUp(*data, kCaption, kNow);
    report.spDs.first();
    EXPECT_EQ(report.ReportRow, 1);
    report.spDs.next();
    report.spDs.next();
    EXPECT_EQ(report.ReportRow, 3);
    report.spDs.next();   // at the end: no OnNext
    EXPECT_EQ(report.ReportRow, 3);
    EXPECT_TRUE(report.spDs.eof());
    report.spDs.prior();
    EXPECT_EQ(report.ReportRow, 2);
}

TEST_F(DataReportTest, printingTwiceRewindsAndPrintsTheSameReadingsWithANewPrintTime)
{
    fill(6);
    const PreparedReport first = print(kNow);
    EXPECT_EQ(report.ReportRow, 6);
    const PreparedReport second = print(kNow.addSecs(60));
    EXPECT_EQ(report.ReportRow, 6);
    const auto a = named(first.pages.at(0), QStringLiteral("Memo2"));
    const auto b = named(second.pages.at(0), QStringLiteral("Memo2"));
    ASSERT_EQ(a.size(), 6u);
    ASSERT_EQ(b.size(), 6u);
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i]->text, b[i]->text);
    EXPECT_TRUE(b.front()->text.startsWith(QStringLiteral("[1]")));
    EXPECT_NE(textOf(first.pages[0], QStringLiteral("Memo7")), textOf(second.pages[0], QStringLiteral("Memo7")));
}

TEST(ReportVariablesTest, namesMatchInAnyCaseAndALaterSetOverwrites)
{
    ReportVariables vars;
    vars.set(QStringLiteral("Describ1"), QStringLiteral("one"));
    vars.set(QStringLiteral("DESCRIB1"), QStringLiteral("two"));
    EXPECT_EQ(vars.size(), 1);
    EXPECT_EQ(vars.value(QStringLiteral("describ1")), QStringLiteral("two"));
    EXPECT_FALSE(vars.value(QStringLiteral("Describ3")).has_value());
}

TEST_F(DataReportTest, bracketedTextInAVariableIsPrintedAsItStands)
{
    data->Source = 2;
    data->Rem = QStringLiteral("[Title] [PAGE#");
    EXPECT_EQ(textOf(print(kNow).pages.at(0), QStringLiteral("Memo6")),
              QStringLiteral("Comments: [Title] [PAGE#"));
}

} // namespace
