#pragma once
// The forging requirement calculator of the 其它 panel ("打造/裁缝/炼金") and the two
// launchers that share its frame.

#include <QObject>
#include <array>

class QLabel;

namespace ui {
class CaptionFrame;
}

namespace calc::ui {

class ForgingFrame : public QObject {
    Q_OBJECT
public:
    explicit ForgingFrame(::ui::CaptionFrame* frame);

    // Combo4 picked the entry at this list position.
    void levelPicked(int position);
    // Button16(index): 0 属性列表, 1 宝石计算.
    void launcherClick(int index);

private:
    std::array<QLabel*, 4> m_values{}; // Label16(0..3)
};

} // namespace calc::ui
