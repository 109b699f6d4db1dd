#pragma once
// The layout the port dialog and the file picker share: a label, a
// choose-only list, and OK (the default button) and Cancel below.

#include <QString>

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;

namespace quorvel {

struct ChoiceDialogWidgets {
    QLabel* label = nullptr;
    QComboBox* list = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

ChoiceDialogWidgets buildChoiceDialog(QDialog* dialog, const QString& labelText, const QString& listName);

} // namespace quorvel
