#pragma once
// The main window Form1: the tab row over eight category panels.

#include "common/ui/forms.h"

#include <array>

namespace ui {
class CaptionFrame;
class DcButton;
} // namespace ui

namespace app::ui {

inline constexpr const char* kMainCaption = "百宝算匣v4.08版";

class MainWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    MainWindow();

    // Button0_Click: switches to panel `index` (0 角色 … 7 关于).
    void tabClick(int index);
    int currentTab() const { return m_currentTab; }
    ::ui::CaptionFrame* panel(int index) const { return m_panels[static_cast<std::size_t>(index)]; }

private:
    void buildTabRow(QWidget* frame1);
    void buildPanels(QWidget* frame1);
    void buildAboutPanel(::ui::CaptionFrame* panel);
    ::ui::CaptionFrame* addFrame(int panel, const char* base, int index, const QString& caption, int left, int top,
                                 int width, int height);
    void startUp();
    void loadQuestionBank();

    std::array<::ui::DcButton*, 8> m_tabs{};
    std::array<::ui::CaptionFrame*, 11> m_panels{};
    int m_currentTab = 0;
};

} // namespace app::ui
