#pragma once
// The 召唤兽 panel of the main window: the born-baby test (宝宝判别), the growth-scale
// converter (成长率换算) and the beast catalogue with its tool buttons (其它).

#include <QObject>
#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ui {
class CaptionFrame;
class DcButton;
class NumericField;
} // namespace ui

namespace beasts::ui {

class BeastFrames : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside the panel's three frames, top to bottom.
    BeastFrames(::ui::CaptionFrame* bornBaby, ::ui::CaptionFrame* growth, ::ui::CaptionFrame* catalogue);

    void button12Click(int index);   // 宝宝判别: 0 计算, 1 重置
    void growthInputChanged();       // 成长率换算: Text13(0) changed
    void button11Click();            // 成长率换算: 重置
    void combo1Click();              // the catalogue's pick
    void dcButton14Click(int index); // 0 新, 1 旧
    void button14Click(int index);   // 0 血量表, 1 家训等级, 2 升级经验
    void button13Click();            // 唤兽加点

private:
    void buildBornBaby(::ui::CaptionFrame* f);
    void buildGrowth(::ui::CaptionFrame* f);
    void buildCatalogue(::ui::CaptionFrame* f);

    std::array<::ui::NumericField*, 7> m_text15{};
    QLineEdit* m_verdict = nullptr; // Text15(7)
    ::ui::NumericField* m_growthIn = nullptr;  // Text13(0)
    ::ui::NumericField* m_growthOut = nullptr; // Text13(1)
    QComboBox* m_combo1 = nullptr;
    std::array<QLineEdit*, 12> m_text16{}; // 0 … 9 and 11 (8 and 10 unused here)
    QPlainTextEdit* m_newGrowth = nullptr;  // Text16(10)
    QPlainTextEdit* m_oldGrowth = nullptr;  // Text16(12)
    std::array<::ui::DcButton*, 2> m_scaleButtons{};
    QWidget* m_main = nullptr;
};

} // namespace beasts::ui
