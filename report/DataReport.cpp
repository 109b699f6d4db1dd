#include "report/DataReport.h"

#include "measure/ProbeTypes.h"
#include "platform/DateTimeText.h"

namespace quorvel {

DataReport::DataReport(ReportVariables& variables) : variables_(variables)
{
    spDs.OnFirst = [this] { spDsFirst(); };
    spDs.OnNext = [this] { spDsNext(); };
    spDs.OnPrior = [this] { spDsPrior(); };
}

void DataReport::setUp(const TDataRec& curData, const QString& windowCaption, const QDateTime& now)
{
    curData_ = &curData;
    spDs.RangeEndCount = curData.Count;
    ReportRow = 1;
    variables_.set(QStringLiteral("Title"), QStringLiteral("Data Report"));
    variables_.set(QStringLiteral("Describ1"), windowCaption);
    setHeaderTexts(curData, now);
    title_ = windowCaption;
}

void DataReport::setHeaderTexts(const TDataRec& curData, const QDateTime& now)
{
    const QString printed = dateTimeText(now, locale_);
    if (curData.Source != 2) {
        variables_.set(QStringLiteral("Describ2"), QStringLiteral("Sensor: "));
        variables_.set(QStringLiteral("Describ4"), QStringLiteral("Comments: "));
        variables_.set(QStringLiteral("Describ5"), QStringLiteral("Time:     Print: ") + printed);
        return;
    }
    // A probe type outside the list (a database edited elsewhere) shows its number.
    const QString probe = curData.Sensor > probeNames().size() ? QString::number(curData.Sensor)
                                                                : probeName(curData.Sensor);
    variables_.set(QStringLiteral("Describ2"), QStringLiteral("Sensor: ") + probe);
    variables_.set(QStringLiteral("Describ4"), QStringLiteral("Comments: ") + curData.Rem);
    variables_.set(QStringLiteral("Describ5"), QStringLiteral("Time: ")
                   + dateTimeText(dateTimeFromDays(curData.Time), locale_)
                   + QStringLiteral("    Print: ") + printed);
}

std::optional<PreparedReport> DataReport::prepare(const ProgressCallback& progress)
{
    BandEngine engine(template_, spDs, variables_,
                      [this](const QString& name, QVariant& value) { ReportGetValue(name, value); });
    return engine.prepare(progress);
}

void DataReport::ReportGetValue(const QString& ParName, QVariant& ParValue) const
{
    if (ParName != QLatin1String("Data") || !curData_)
        return;
    ParValue = rowText(ReportRow, curData_->Data[ReportRow]);
}

QString DataReport::rowText(int index, float value) const
{
    QString number = QString::asprintf("%8.1f", double(value));
    number.replace(QLatin1Char('.'), locale_.decimalPoint());
    return QLatin1Char('[') + QString::number(index) + QLatin1Char(']') + number
        + QStringLiteral("  \u03BCm");   // Greek small mu
}

} // namespace quorvel
