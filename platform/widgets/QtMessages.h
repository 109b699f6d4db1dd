#pragma once
// Message boxes and questions over QMessageBox. The boxes are modal with a
// nested event loop, so serial events keep arriving while one is open.

#include "platform/Messages.h"

#include <QPointer>
#include <QWidget>

namespace quorvel {

class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : m_parent(parent) {}

    // The window the boxes are centred on.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void show(const QString& caption, const QString& text, MsgIcon icon) override;
    bool askYesNo(const QString& caption, const QString& text) override;

    // The texts carry CR LF line ends; a box wants plain LF.
    static QString boxText(const QString& text);

private:
    QPointer<QWidget> m_parent;
};

} // namespace quorvel
