#pragma once
// A data report over a group of its own, with a point locale and a fixed
// print time.

#include "report/DataReport.h"
#include <gtest/gtest.h>
#include <memory>

namespace quorvel::test {

inline const QString kCaption = QStringLiteral("Quorvel  For Coating Thickness Gauge ");

class ReportFixture : public ::testing::Test {
protected:
    ReportFixture() { report.setLocale(QLocale::c()); }

    void fill(int count, uint8_t source = 1)
    {
        data->Source = source;
        data->Count = uint16_t(count);
        for (int i = 1; i <= count; ++i)
            data->Data[size_t(i)] = float(i % 1000) + 0.1f * float(i % 10);
    }

    PreparedReport print(const QDateTime& at = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))
    {
        report.setUp(*data, kCaption, at);
        auto prepared = report.prepare();
        EXPECT_TRUE(prepared.has_value());
        return prepared ? std::move(*prepared) : PreparedReport{};
    }

    static std::vector<const PageObject*> named(const ReportPage& page, const QString& name)
    {
        std::vector<const PageObject*> found;
        for (const PageObject& o : page.objects)
            if (o.name == name)
                found.push_back(&o);
        return found;
    }

    static QString textOf(const ReportPage& page, const QString& name)
    {
        const auto found = named(page, name);
        return found.empty() ? QStringLiteral("<missing>") : found.front()->text;
    }

    ReportVariables variables;
    DataReport report{variables};
    std::unique_ptr<TDataRec> data = std::make_unique<TDataRec>();
};

} // namespace quorvel::test
