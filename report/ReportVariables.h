#pragma once
// The report variables: one list for all reports, kept between PRINTs.
// Names are matched without regard to case.

#include <QHash>
#include <QString>
#include <optional>

namespace quorvel {

class ReportVariables {
public:
    // A name already present, in any case, is overwritten.
    void set(const QString& name, const QString& value);
    std::optional<QString> value(const QString& name) const;
    int size() const { return values_.size(); }

private:
    QHash<QString, QString> values_;   // keyed by the case-folded name
};

} // namespace quorvel
