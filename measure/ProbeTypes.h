#pragma once
// Probe types are numbered 1 to 10; the number is stored, the name is shown.
// Every list of probe types in the program uses this order.

#include <QString>
#include <QStringList>

namespace quorvel {

inline const QStringList& probeNames()
{
    static const QStringList names = {
        QStringLiteral("KA7"), QStringLiteral("KB"),  QStringLiteral("MB"),  QStringLiteral("CQ5"),
        QStringLiteral("KB-R"), QStringLiteral("KC"), QStringLiteral("KD"),  QStringLiteral("MA7"),
        QStringLiteral("MB-R"), QStringLiteral("MC"),
    };
    return names;
}

// The name of probe type n, or an empty text outside 1..10.
inline QString probeName(int n)
{
    return (n >= 1 && n <= probeNames().size()) ? probeNames().at(n - 1) : QString();
}

} // namespace quorvel
