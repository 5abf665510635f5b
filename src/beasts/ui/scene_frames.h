#pragma once
// The scene look-ups of the 其它 panel: 召唤兽满经验场景 (a beast's level to the scene
// where it reaches full experience) and 人物传说场景 (a character's level to its places).

#include <QObject>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {
class CaptionFrame;
class NumericField;
} // namespace ui

namespace beasts::ui {

class SceneFrames : public QObject {
    Q_OBJECT
public:
    SceneFrames(::ui::CaptionFrame* fullExp, ::ui::CaptionFrame* legend);

    void combo10Click();   // a beast level picked
    void text33Changed();  // the character level typed

private:
    QComboBox* m_combo10 = nullptr;
    std::array<QLabel*, 3> m_values{}; // Label14(0) scene, (1) double, (2) triple
    QLabel* m_closing = nullptr;       // Label6(1) "】", follows the scene
    ::ui::NumericField* m_level = nullptr; // Text33
    QLineEdit* m_places = nullptr;         // Text22
};

} // namespace beasts::ui
