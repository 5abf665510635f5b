#pragma once
// Form5 "召唤兽血量值": the wild beasts of 49 scenes with their HP values. A click on a
// scene marks it red and lists its beasts below the grid.

#include "common/ui/forms.h"

#include <array>

class QLabel;
class QLineEdit;

namespace ui {
class DcButton;
}

namespace beasts::ui {

class SceneLabel;

class BeastHpWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 5;
    static constexpr int kSentinel = 49; // Label2(49): no scene

    BeastHpWindow();

    void label2Click(int index);  // choose a scene
    void command2Click();         // 清空 (hidden)
    void command1Click();         // 关闭 (hidden)
    int currentScene() const { return m_currentScene; }

    void queryUnload() override;

private:
    std::array<SceneLabel*, 50> m_labels{};
    std::array<QLineEdit*, 7> m_lines{}; // Text2(0 … 6)
    int m_currentScene = kSentinel;
};

} // namespace beasts::ui
