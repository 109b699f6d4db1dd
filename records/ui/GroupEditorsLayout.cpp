#include "records/ui/GroupEditorsLayout.h"

#include "measure/ProbeTypes.h"
#include "records/ui/GroupTimeEdit.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

void fillProbeBox(QComboBox* box, int selected)
{
    for (int n = 1; n <= probeNames().size(); ++n)
        box->addItem(probeName(n), n);
    box->setCurrentIndex(box->findData(selected));
    box->setMaxVisibleItems(8);
}

void layOutGroupEditors(QDialog* dialog, const GroupEditors& e, const QString& remLabel, bool buttonsRight)
{
    e.btnQuit->setObjectName(QStringLiteral("btnQuit"));
    e.edtTime->setObjectName(QStringLiteral("edtTime"));
    e.edtSen->setObjectName(QStringLiteral("edtSen"));
    e.edtRem->setObjectName(QStringLiteral("edtRem"));
    e.btnSave->setObjectName(QStringLiteral("btnSave"));

    auto* grid = new QGridLayout(dialog);
    grid->addWidget(new QLabel(QStringLiteral("Time:"), dialog), 0, 0);
    grid->addWidget(e.edtTime, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sensor:"), dialog), 1, 0);
    grid->addWidget(e.edtSen, 1, 1);
    grid->addWidget(new QLabel(remLabel, dialog), 2, 0);
    grid->addWidget(e.edtRem, 2, 1);
    auto* buttons = new QHBoxLayout;
    if (buttonsRight)
        buttons->addStretch();
    buttons->addWidget(e.btnSave);
    buttons->addWidget(e.btnQuit);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(e.btnQuit, e.edtTime);
    QWidget::setTabOrder(e.edtTime, e.edtSen);
    QWidget::setTabOrder(e.edtSen, e.edtRem);
    QWidget::setTabOrder(e.edtRem, e.btnSave);
    e.btnQuit->setFocus();
}

} // namespace quorvel
