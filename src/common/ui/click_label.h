#pragma once
// A label that answers clicks and double clicks (the layouts' Label_Click and
// Label_DblClick).

#include <QLabel>

namespace ui {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace ui
