#include "report/ReportVariables.h"

namespace quorvel {

void ReportVariables::set(const QString& name, const QString& value)
{
    values_.insert(name.toCaseFolded(), value);
}

std::optional<QString> ReportVariables::value(const QString& name) const
{
    const auto it = values_.constFind(name.toCaseFolded());
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace quorvel
