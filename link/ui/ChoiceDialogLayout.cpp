#include "link/ui/ChoiceDialogLayout.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

namespace {
QPushButton* makeButton(QDialog* dialog, const QString& text, const QString& name, int x)
{
    auto* b = new QPushButton(text, dialog);
    b->setObjectName(name);
    b->setGeometry(x, 72, 75, 25);
    return b;
}
} // namespace

ChoiceDialogWidgets buildChoiceDialog(QDialog* dialog, const QString& labelText, const QString& listName)
{
    dialog->setFixedSize(226, 112);
    ChoiceDialogWidgets w;
    w.label = new QLabel(labelText, dialog);
    w.label->setObjectName(QStringLiteral("Label1"));
    w.label->setGeometry(16, 12, 194, 16);

    w.list = new QComboBox(dialog);   // not editable: choose only
    w.list->setObjectName(listName);
    w.list->setGeometry(16, 34, 194, 22);

    w.btnOK = makeButton(dialog, QStringLiteral("OK"), QStringLiteral("btnOK"), 30);
    w.btnOK->setDefault(true);
    w.btnCancel = makeButton(dialog, QStringLiteral("Cancel"), QStringLiteral("btnCancel"), 121);

    QWidget::setTabOrder(w.list, w.btnOK);
    QWidget::setTabOrder(w.btnOK, w.btnCancel);
    return w;
}

} // namespace quorvel
