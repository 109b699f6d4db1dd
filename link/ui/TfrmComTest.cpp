#include "link/ui/TfrmComTest.h"

#include "platform/widgets/Fonts.h"

#include <QLabel>

namespace quorvel {

TfrmComTest::TfrmComTest(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmComTest"));
    setWindowTitle(QStringLiteral("Connecting"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    setFont(fonts::smallSans());
    setFixedSize(330, 64);

    auto* label = new QLabel(QStringLiteral("Trying to connect the instrument via serial interface..."), this);
    label->setObjectName(QStringLiteral("LMDLabel1"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, width(), height());
}

void TfrmComTest::showNotice()
{
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->geometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
}

} // namespace quorvel
