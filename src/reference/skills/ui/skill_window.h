#pragma once
// Form15 "技能特技": the game's skills on five pages chosen by a row of category buttons:
// life skills, equipment special skills, story skills with the story-point counter,
// summoned-beast skills, and the sects' skills with the spells each teaches.

#include "common/ui/forms.h"
#include "reference/skills/skill_catalogue.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class CaptionFrame;
class DcButton;
} // namespace ui

namespace skills::ui {

class SkillTile;
class ClickLabel;

class SkillWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 15;
    static constexpr int kEmptySpellFrame = 999;

    SkillWindow();

    // The handlers, by the controls that raise them.
    void categoryClick(int index);       // dcButton1(0..4)
    void specialSkillClick(int index);   // Image1 / Label1 (0..49)
    void displayModeClick(int index);    // dcButton3: 0 图片显示, 1 文字显示
    void lifeSkillClick(int index);      // Image2 (0..12)
    void storySkillClick(int index);     // Image3 (0..10)
    void storyLevelPicked();             // Combo1 (any)
    void clearStoryLevels();             // dcButton4 清零
    void beastSkillClick(int index);     // Image4 (0..87)
    void beastPageClick(int index);      // dcButton5: 0 初级技能, 1 高级技能
    void sectClick(int index);           // dcButton2 (0..11)
    void sectSkillClick(int index);      // Image5 (0..83)
    void spellClick(int index);          // Image6 (0..155)
    void spellPageClick(int index);      // Command1 (0..3)

    int currentCategory() const { return m_category; }
    int currentSect() const { return m_sect; }
    int currentSpellFrame() const { return m_spellFrame; }
    std::int64_t storyPointsUsed() const { return m_storyPoints; }

    void queryUnload() override;

private:
    void buildCategories();
    void buildLifePage(QWidget* page);
    void buildSpecialPage(QWidget* page);
    void buildStoryPage(QWidget* page);
    void buildBeastPage(QWidget* page);
    void buildSectPage(QWidget* page);

    int m_category = 4;
    std::array<::ui::CaptionFrame*, 5> m_pages{};

    // 装备特技
    SelectionHighlight m_special;
    std::array<SkillTile*, kSpecialSkillCount> m_specialIcons{};
    std::array<ClickLabel*, kSpecialSkillCount> m_specialLabels{};
    std::array<::ui::DcButton*, 2> m_modeButtons{};
    QPlainTextEdit* m_specialText = nullptr; // Text1

    // 生活技能
    SelectionHighlight m_life;
    std::array<SkillTile*, kLifeSkillCount> m_lifeIcons{};
    std::array<QPlainTextEdit*, 2> m_lifeTexts{}; // Text2(0..1)

    // 剧情技能
    SelectionHighlight m_story;
    std::array<SkillTile*, kStorySkillCount> m_storyIcons{};
    std::array<QComboBox*, kStorySkillCount> m_levels{}; // Combo1(0..10)
    QLineEdit* m_used = nullptr;                         // Text3(0)
    std::array<QPlainTextEdit*, 2> m_storyTexts{};       // Text4(0..1)
    std::int64_t m_storyPoints = 0;

    // 召唤兽技能
    SelectionHighlight m_beast;
    std::array<SkillTile*, kBeastSkillCount> m_beastIcons{};
    std::array<::ui::CaptionFrame*, 2> m_beastPages{}; // Frame3(0..1)
    std::array<::ui::DcButton*, 2> m_beastPageButtons{};
    QPlainTextEdit* m_beastText = nullptr; // Text5

    // 门派技能
    int m_sect = 0;
    int m_spellFrame = kEmptySpellFrame;
    std::array<::ui::CaptionFrame*, kSectCount> m_sectFrames{};      // Frame2(0..11)
    std::array<::ui::CaptionFrame*, kSectSkillCount> m_spellFrames{}; // Frame4(0..83)
    ::ui::CaptionFrame* m_emptySpellFrame = nullptr;                  // Frame4(999)
    std::array<SkillTile*, kSpellCount> m_spellIcons{};               // Image6(0..155)
    std::array<QPushButton*, 4> m_spellPageButtons{};                 // Command1(0..3)
    std::array<QPlainTextEdit*, 2> m_sectTexts{};                     // Text6(0..1)
};

} // namespace skills::ui
