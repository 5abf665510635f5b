#pragma once
// The main window Form1: the tab row over eight category panels.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class CaptionFrame;
class DcButton;
class TrayService;
} // namespace ui

namespace exam::ui {
class ExamPanel;
}

namespace app::ui {

inline constexpr const char* kMainCaption = "百宝算匣v4.08版";
inline constexpr int kBeastAttributeForm = 4;

class MainWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    MainWindow();

    // Button0_Click: switches to panel `index` (0 角色 … 7 关于).
    void tabClick(int index);
    int currentTab() const { return m_currentTab; }
    // Builds panel i (0..7) if it is not built yet; panels are built on first opening.
    void ensurePanel(int i);
    void ensureAllPanels();
    ::ui::CaptionFrame* panel(int index) const { return m_panels[static_cast<std::size_t>(index)]; }

    // The bank toolbar's 考试 and 迷你: the practice exam in place of the 科举 panel, and the
    // mini look-up window beside this one.
    void openExam();
    void openMiniLookup();
    exam::ui::ExamPanel* examPanel() const { return m_examPanel; }

    // The tray: minimising hides the window behind its icon where the desktop has a tray.
    ::ui::TrayService* tray() const { return m_tray; }
    void menuCountClick(); // "计算器": this window back, normal and visible
    void menuPetClick();   // "召唤兽加点": the beast attribute window instead
    void menuExitClick();  // "关闭": the program's shut-down

private:
    void buildTabRow(QWidget* frame1);
    void buildPanels(QWidget* frame1);
    void buildTray();
    void buildAboutPanel(::ui::CaptionFrame* panel);
    ::ui::CaptionFrame* addFrame(int panel, const char* base, int index, const QString& caption, int left, int top,
                                 int width, int height);
    void startUp();
    void loadQuestionBank();

    std::array<::ui::DcButton*, 8> m_tabs{};
    std::array<::ui::CaptionFrame*, 11> m_panels{};
    int m_currentTab = 0;
    std::array<bool, 8> m_panelBuilt{};
    ::ui::TrayService* m_tray = nullptr;
    exam::ui::ExamPanel* m_examPanel = nullptr;
};

} // namespace app::ui
