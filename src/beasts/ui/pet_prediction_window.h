#pragma once
// Form4 "召唤兽属性预测", the second main window: a beast's figures in, its six battle
// attributes and a born-baby verdict out (确定), then a point-allocation simulator with
// press-and-hold steppers. Minimises into the tray with its own icon and menu.

#include "beasts/pet_prediction.h"
#include "common/ui/forms.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace ui {
class DcButton;
class HoldRepeat;
class NumericField;
class TrayService;
} // namespace ui

namespace beasts::ui {

class PetPredictionWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 4;
    PetPredictionWindow();

    void queryUnload() override;

    void command1Click();         // 确定
    void command2Click();         // 重设
    void command4Click(int index); // 0 保存, 1 读取
    void command8Click();         // 加点
    void command3Click();         // 取消

    // The tray and its menu "显示计算器".
    ::ui::TrayService* tray() const { return m_tray; }
    void menuCountClick(); // 计算器: the main window back; this one stays hidden
    void menuPetClick();   // 召唤兽加点: this window back
    void menuExitClick();  // 关闭: the program ends at once

    // The press-and-hold timer of every stepper (70 ms).
    ::ui::HoldRepeat* holdRepeat() const { return m_hold; }
    const PetSimulator& simulator() const { return m_sim; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTop();
    void buildRows();
    void buildTray();
    LiveInputs live() const;
    void showState();
    void pressed(QWidget* button, int button_);
    void released(int button);

    PetSimulator m_sim;
    QComboBox* m_species = nullptr; // Combo2
    QComboBox* m_level = nullptr;   // Combo1
    std::array<::ui::NumericField*, 6> m_aptitudes{}; // Text5
    std::array<::ui::NumericField*, 5> m_points{};    // Text4
    std::array<::ui::NumericField*, 2> m_potential{}; // Text1: 0 committed, 1 free
    std::array<::ui::NumericField*, 2> m_growth{};    // Text2: 0 new scale, 1 old
    std::array<QLineEdit*, 6> m_outputs{};            // Text3
    std::array<QLineEdit*, 6> m_shares{};             // Text6, 5 the pool
    QLineEdit* m_verdict = nullptr;                   // Text7
    ::ui::DcButton* m_confirm = nullptr;              // Command1
    ::ui::DcButton* m_reset = nullptr;                // Command2
    std::array<::ui::DcButton*, 2> m_snapshot{};      // Command4
    ::ui::DcButton* m_commit = nullptr;               // Command8
    ::ui::DcButton* m_cancel = nullptr;               // Command3
    ::ui::DcButton* m_split = nullptr;                // Command6(10)
    ::ui::HoldRepeat* m_hold = nullptr;
    ::ui::TrayService* m_tray = nullptr;
};

} // namespace beasts::ui
