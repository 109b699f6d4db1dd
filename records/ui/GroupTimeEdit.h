#pragma once
// The date-time editor of the save and modify dialogs: calendar popup, and a
// year typed with two digits is read from 1950 (50..99 -> 1950..1999,
// 00..49 -> 2000..2049).

#include <QDateTimeEdit>

namespace quorvel {

class GroupTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit GroupTimeEdit(QWidget* parent = nullptr);

    static int fullYear(int year);
    // The date-time shown, in whole seconds, with a two-digit year already read from 1950.
    QDateTime fullDateTime() const;

private:
    void expandShortYear();
};

} // namespace quorvel
