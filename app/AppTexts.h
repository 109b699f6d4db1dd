#pragma once
// The program's own name as its windows show it.

#include <QString>

namespace quorvel::texts {

// The application title; the caption and the banner start with it.
inline const QString kApplicationTitle = QStringLiteral("Quorvel ");
inline const QString kWelcome = QStringLiteral("Welcome to use ");

} // namespace quorvel::texts
