#pragma once
// What the save and modify dialogs share: the probe list and the layout of
// the three editors (time, probe, comment) over the Save and Quit buttons,
// with Quit first in the tab order and holding the focus.

#include <QString>

class QComboBox;
class QDialog;
class QLineEdit;
class QPushButton;

namespace quorvel {

class GroupTimeEdit;

struct GroupEditors {
    QPushButton* btnQuit = nullptr;
    GroupTimeEdit* edtTime = nullptr;
    QComboBox* edtSen = nullptr;
    QLineEdit* edtRem = nullptr;
    QPushButton* btnSave = nullptr;
};

// Fills the list with the probe names (number as item data) and selects `selected`.
void fillProbeBox(QComboBox* box, int selected);

// Names the editors, lays them out with their labels and sets the tab order.
// buttonsRight pushes the two buttons to the right edge.
void layOutGroupEditors(QDialog* dialog, const GroupEditors& e, const QString& remLabel, bool buttonsRight);

} // namespace quorvel
