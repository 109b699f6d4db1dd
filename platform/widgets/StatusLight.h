#pragma once
// A 10 x 10 lamp of the status bar: red while lit, green while out.

#include <QWidget>

namespace quorvel {

class StatusLight : public QWidget {
    Q_OBJECT
public:
    explicit StatusLight(QWidget* parent = nullptr);

    bool isLit() const { return m_lit; }
    void setLit(bool lit);

    QSize sizeHint() const override { return {10, 10}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_lit = false;
};

} // namespace quorvel
