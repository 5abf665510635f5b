#include "reference/skills/ui/skill_window.h"

#include "common/numbers.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"
#include "reference/skills/ui/skill_tiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace skills::ui {

namespace colours = ::ui::colours;
using ::ui::CaptionFrame;
using ::ui::DcButton;
using ::ui::qs;

namespace {

constexpr std::uint32_t kWindowText = 0x80000008;
constexpr std::uint32_t kLabelBack = 0xC0FFFF;

// Tile colours of the catalogues.
constexpr std::uint32_t kSpecialTile = 0x4AA8E8;
constexpr std::uint32_t kLifeTile = 0x70C890;
constexpr std::uint32_t kStoryTile = 0xD890B8;
constexpr std::uint32_t kBeastTile = 0x68B0D0;
constexpr std::uint32_t kAdvancedBeastTile = 0x5070E0;
constexpr std::uint32_t kSectTile = 0xE0B070;
constexpr std::uint32_t kSpellTile = 0xD0C060;

// The two spell frames whose eleven spells stand on two pages, with their page buttons.
struct CrowdedFrame {
    int skill;
    int down; // Command1 index of "↓"; "↑" is the next one
};
constexpr CrowdedFrame kCrowded[] = {{12, 0}, {17, 2}};

struct Category {
    const char* button;
    const char* page;
    int left;
};
constexpr Category kCategories[] = {
    {"生活技能", "生活技能", 1080}, {"装备特技", "装备特技", 2040}, {"剧情技能", "剧情技能", 3000},
    {"唤兽技能", "召唤兽技能", 3960}, {"门派技能", "门派技能", 120},
};

constexpr int kSectButtonTops[kSectCount] = {240, 480, 720, 960, 1800, 2040, 2280, 2520, 3360, 3600, 3840, 4080};

std::size_t at(int i) { return static_cast<std::size_t>(i); }

CaptionFrame* makeFrame(QWidget* parent, const char* base, int index, const QString& caption, int left, int top,
                        int width, int height, std::uint32_t back = colours::PanelBack)
{
    auto* f = new CaptionFrame(parent, caption, back);
    f->setObjectName(::ui::controlName(base, index));
    ::ui::placeTw(f, left, top, width, height);
    return f;
}

// Moves the mark of a catalogue as a choice tells it to.
template <typename Icons>
void applyMark(const SelectionHighlight::Change& c, Icons& icons)
{
    if (c.unmark)
        icons[at(*c.unmark)]->setBordered(false);
    if (c.mark)
        icons[at(*c.mark)]->setBordered(true);
}

} // namespace

SkillWindow::SkillWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("技能特技"));
    setClientSizeTw(7545, 5130);
    ::ui::setBackColour(this, colours::PanelBack);
    buildCategories();
    // The window itself takes the first focus: a focus frame on a category button would
    // read as the page in use.
    setFocus();
}

void SkillWindow::buildCategories()
{
    for (int i = 0; i < 5; ++i) {
        const Category& c = kCategories[i];
        auto* b = (new DcButton(this, "dcButton1", QString::fromUtf8(c.button), i))->at(c.left, 120, 855, 255);
        b->setBackColour(colours::ButtonBack);
        connect(b, &DcButton::click, this, &SkillWindow::categoryClick);
        m_pages[at(i)] = makeFrame(this, "Frame1", i, QString::fromUtf8(c.page), 120, 480, 7335, 4575);
        m_pages[at(i)]->setVisible(i == 4);
    }
    QLabel* signature = ::ui::makeLabel(this, "Label4", QStringLiteral("听雨轩"), 6240, 165, 1080, 180);
    ::ui::setForeColour(signature, colours::Blue);

    buildLifePage(m_pages[0]);
    buildSpecialPage(m_pages[1]);
    buildStoryPage(m_pages[2]);
    buildBeastPage(m_pages[3]);
    buildSectPage(m_pages[4]);
}

// ---- 生活技能 ----

void SkillWindow::buildLifePage(QWidget* page)
{
    for (int i = 0; i < kLifeSkillCount; ++i) {
        const LifeSkillRecord& r = lifeSkills()[at(i)];
        auto* t = new SkillTile(page, "Image2", i, qs(r.name), kLifeTile);
        const GridCell g = lifeSkillCell(i);
        ::ui::placeTw(t, 120 + 840 * g.column, 360 + 840 * g.row, 600, 600);
        t->setToolTip(qs(r.tooltip));
        connect(t, &SkillTile::clicked, this, &SkillWindow::lifeSkillClick);
        m_lifeIcons[at(i)] = t;
    }
    m_lifeTexts[0] = makeTextBox(page, "Text2_0", 2760, 240, 4335, 2415, colours::Blue);
    m_lifeTexts[1] = makeTextBox(page, "Text2_1", 2760, 2880, 4335, 1455, colours::Magenta);
}

void SkillWindow::lifeSkillClick(int index)
{
    if (index < 0 || index >= kLifeSkillCount)
        return;
    const SkillTexts t = lifeSkillTexts(index);
    setBoxText(m_lifeTexts[0], t.first);
    setBoxText(m_lifeTexts[1], t.second);
    applyMark(m_life.choose(index), m_lifeIcons);
}

// ---- 装备特技 ----

void SkillWindow::buildSpecialPage(QWidget* page)
{
    for (int i = 0; i < kSpecialSkillCount; ++i) {
        const GridCell g = specialSkillCell(i);
        const int left = 120 + 720 * g.column;
        const int top = 240 + 720 * g.row;
        auto* label = new ClickLabel(page, "Label1", i, qs(specialSkillLabel(i)));
        label->setFont(songFont(14.25, true));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        ::ui::setBackColour(label, kLabelBack);
        ::ui::setForeColour(label, colours::Blue);
        ::ui::placeTw(label, left, top, 615, 615);
        connect(label, &ClickLabel::clicked, this, &SkillWindow::specialSkillClick);
        m_specialLabels[at(i)] = label;

        auto* icon = new SkillTile(page, "Image1", i, qs(specialSkills()[at(i)].name), kSpecialTile);
        ::ui::placeTw(icon, left, top, 615, 615);
        icon->setToolTip(qs(specialSkills()[at(i)].name));
        connect(icon, &SkillTile::clicked, this, &SkillWindow::specialSkillClick);
        m_specialIcons[at(i)] = icon; // created after its label, so it covers it
    }
    m_specialText = makeTextBox(page, "Text1", 2280, 1680, 2775, 1335, colours::Magenta);
    m_modeButtons[0] = (new DcButton(page, "dcButton3", QStringLiteral("图片显示"), 0))->at(1560, 1680, 615, 615);
    m_modeButtons[1] = (new DcButton(page, "dcButton3", QStringLiteral("文字显示"), 1))->at(1560, 2400, 615, 615);
    m_modeButtons[0]->setEnabled(false);
    for (DcButton* b : m_modeButtons)
        connect(b, &DcButton::click, this, &SkillWindow::displayModeClick);
}

void SkillWindow::specialSkillClick(int index)
{
    if (index < 0 || index >= kSpecialSkillCount)
        return;
    const SelectionHighlight::Change c = m_special.choose(index);
    if (!c.mark)
        return; // the chosen skill again: nothing changes, not even the text's scroll position
    setBoxText(m_specialText, specialSkillText(index));
    applyMark(c, m_specialIcons);
    if (c.unmark)
        ::ui::setForeColour(m_specialLabels[at(*c.unmark)], colours::Blue);
    ::ui::setForeColour(m_specialLabels[at(*c.mark)], colours::Red);
}

void SkillWindow::displayModeClick(int index)
{
    if (index != 0 && index != 1)
        return;
    m_modeButtons[at(index)]->setEnabled(false);
    m_modeButtons[at(1 - index)]->setEnabled(true);
    for (SkillTile* icon : m_specialIcons)
        icon->setVisible(index == 0);
}

// ---- 剧情技能 ----

void SkillWindow::buildStoryPage(QWidget* page)
{
    for (int i = 0; i < kStorySkillCount; ++i) {
        const StorySkillRecord& r = storySkills()[at(i)];
        const GridCell g = storySkillCell(i);
        const int left = 120 + 840 * g.column;
        const int top = 240 + 1080 * g.row;
        auto* t = new SkillTile(page, "Image3", i, qs(r.name), kStoryTile);
        ::ui::placeTw(t, left, top, 600, 600);
        t->setToolTip(qs(r.name));
        connect(t, &SkillTile::clicked, this, &SkillWindow::storySkillClick);
        m_storyIcons[at(i)] = t;

        auto* picker = new QComboBox(page);
        picker->setObjectName(::ui::controlName("Combo1", i));
        for (int level = 0; level <= r.topLevel; ++level)
            picker->addItem(QString::number(level));
        picker->setCurrentIndex(0);
        ::ui::placeTw(picker, left, top + 600, 615, 300);
        connect(picker, &QComboBox::activated, this, &SkillWindow::storyLevelPicked);
        m_levels[at(i)] = picker;
    }
    m_used = new QLineEdit(QStringLiteral("0"), page);
    m_used->setObjectName("Text3_0");
    m_used->setReadOnly(true);
    m_used->setAlignment(Qt::AlignCenter);
    ::ui::placeTw(m_used, 1920, 3360, 495, 270);
    ::ui::setForeColour(m_used, kWindowText);
    auto* budget = new QLineEdit(QString::number(kStoryPointBudget), page);
    budget->setObjectName("Text3_1");
    budget->setReadOnly(true);
    budget->setAlignment(Qt::AlignCenter);
    ::ui::placeTw(budget, 1920, 3720, 495, 270);
    ::ui::makeLabel(page, "Label2_0", QStringLiteral("用"), 1680, 3390);
    ::ui::makeLabel(page, "Label2_1", QStringLiteral("总"), 1680, 3750);
    auto* clear = (new DcButton(page, "dcButton4", QStringLiteral("清零")))->at(1920, 4080, 495, 255);
    connect(clear, &DcButton::click, this, &SkillWindow::clearStoryLevels);
    m_storyTexts[0] = makeTextBox(page, "Text4_0", 2640, 240, 4455, 1935, colours::Blue);
    m_storyTexts[1] = makeTextBox(page, "Text4_1", 2640, 2400, 4455, 1935, colours::Blue);
}

void SkillWindow::storySkillClick(int index)
{
    if (index < 0 || index >= kStorySkillCount)
        return;
    const SkillTexts t = storySkillTexts(index);
    setBoxText(m_storyTexts[0], t.first);
    setBoxText(m_storyTexts[1], t.second);
    applyMark(m_story.choose(index), m_storyIcons);
}

void SkillWindow::storyLevelPicked()
{
    std::array<std::int64_t, kStorySkillCount> levels{};
    for (int i = 0; i < kStorySkillCount; ++i)
        levels[at(i)] = common::readWholeNumber(m_levels[at(i)]->currentText().toStdString());
    const StoryPoints p = countStoryPoints(levels);
    m_storyPoints = p.used;
    m_used->setText(QString::number(p.used));
    ::ui::setForeColour(m_used, p.overBudget ? colours::Red : kWindowText);
}

void SkillWindow::clearStoryLevels()
{
    for (QComboBox* picker : m_levels)
        picker->setCurrentIndex(0);
    storyLevelPicked(); // counts again, so no red total of the old levels stays behind
}

// ---- 召唤兽技能 ----

void SkillWindow::buildBeastPage(QWidget* page)
{
    m_beastPages[0] = makeFrame(page, "Frame3", 0, {}, 120, 240, 6615, 2535);
    m_beastPages[1] = makeFrame(page, "Frame3", 1, {}, 120, 240, 6615, 2415);
    for (CaptionFrame* f : m_beastPages)
        f->setBorder(false);
    m_beastPages[1]->setVisible(false);
    for (int i = 0; i < kBeastSkillCount; ++i) {
        const BeastSkillRecord& r = beastSkills()[at(i)];
        const int pageIndex = beastSkillPage(i);
        auto* t = new SkillTile(m_beastPages[at(pageIndex)], "Image4", i, qs(r.name),
                                pageIndex == 0 ? kBeastTile : kAdvancedBeastTile);
        const GridCell g = beastSkillCell(i);
        const int size = i == 87 ? 620 : 600;
        ::ui::placeTw(t, 600 * g.column, 600 * g.row, size, size);
        if (beastSkillHasTooltip(i))
            t->setToolTip(qs(r.name));
        connect(t, &SkillTile::clicked, this, &SkillWindow::beastSkillClick);
        m_beastIcons[at(i)] = t;
    }
    m_beastText = makeTextBox(page, "Text5", 120, 2760, 7095, 1695, colours::Blue);
    m_beastPageButtons[0] = (new DcButton(page, "dcButton5", QStringLiteral("初级技能"), 0))->at(6840, 240, 375, 1095);
    m_beastPageButtons[1] = (new DcButton(page, "dcButton5", QStringLiteral("高级技能"), 1))->at(6840, 1560, 375, 1095);
    m_beastPageButtons[0]->setEnabled(false);
    for (DcButton* b : m_beastPageButtons)
        connect(b, &DcButton::click, this, &SkillWindow::beastPageClick);
}

void SkillWindow::beastSkillClick(int index)
{
    if (index < 0 || index >= kBeastSkillCount)
        return;
    setBoxText(m_beastText, beastSkillText(index));
    applyMark(m_beast.choose(index), m_beastIcons);
}

void SkillWindow::beastPageClick(int index)
{
    if (index != 0 && index != 1)
        return;
    m_beastPages[at(index)]->setVisible(true);
    m_beastPages[at(1 - index)]->setVisible(false);
    m_beastPageButtons[at(index)]->setEnabled(false);
    m_beastPageButtons[at(1 - index)]->setEnabled(true);
}

// ---- 门派技能 ----

void SkillWindow::buildSectPage(QWidget* page)
{
    for (int s = 0; s < kSectCount; ++s) {
        const QString name = qs(sectNames()[at(s)]);
        auto* b = (new DcButton(page, "dcButton2", name, s))->at(120, kSectButtonTops[s], 855, 255);
        connect(b, &DcButton::click, this, &SkillWindow::sectClick);
        CaptionFrame* frame = makeFrame(page, "Frame2", s, name, 1080, 120, 3015, 3135);
        frame->setVisible(s == 0);
        m_sectFrames[at(s)] = frame;
        for (int k = 0; k < 7; ++k) {
            const int i = 7 * s + k;
            const SectSkillRecord& r = sectSkills()[at(i)];
            auto* t = new SkillTile(frame, "Image5", i, qs(r.name), kSectTile);
            const GridCell p = iconPlaceTwips(r.place);
            ::ui::placeTw(t, p.column, p.row, 585, 585);
            t->setToolTip(qs(r.name));
            connect(t, &SkillTile::clicked, this, &SkillWindow::sectSkillClick);
        }
    }
    m_sectTexts[0] = makeTextBox(page, "Text6_0", 4200, 240, 3015, 1215, colours::Blue);
    m_sectTexts[1] = makeTextBox(page, "Text6_1", 4200, 1560, 3015, 1695, colours::Magenta);

    m_emptySpellFrame = makeFrame(page, "Frame4", kEmptySpellFrame, {}, 1080, 3360, 6135, 975);
    for (int i = 0; i < kSectSkillCount; ++i) {
        CaptionFrame* frame = makeFrame(page, "Frame4", i, qs(sectSkills()[at(i)].name), 1080, 3360, 6135, 975);
        frame->setVisible(false);
        m_spellFrames[at(i)] = frame;
        const bool crowded = i == kCrowded[0].skill || i == kCrowded[1].skill;
        for (const int spell : spellsOfSkill(i)) {
            const SpellRecord& r = spells()[at(spell)];
            auto* t = new SkillTile(frame, "Image6", spell, qs(r.name), kSpellTile);
            ::ui::placeTw(t, (crowded ? 240 : 120) + 720 * r.place, 240, 615, 615);
            t->setToolTip(qs(r.name));
            t->setVisible(r.page == 1);
            connect(t, &SkillTile::clicked, this, &SkillWindow::spellClick);
            m_spellIcons[at(spell)] = t;
        }
    }
    for (const CrowdedFrame& c : kCrowded) {
        for (int k = 0; k < 2; ++k) {
            const int index = c.down + k;
            auto* b = new QPushButton(k == 0 ? QStringLiteral("↓") : QStringLiteral("↑"), m_spellFrames[at(c.skill)]);
            b->setObjectName(::ui::controlName("Command1", index));
            b->setFont(songFont(9, true));
            ::ui::placeTw(b, k == 0 ? 40 : 5910, k == 0 ? 240 : 440, 160, 400);
            b->setEnabled(k == 0);
            connect(b, &QPushButton::clicked, this, [this, index] { spellPageClick(index); });
            m_spellPageButtons[at(index)] = b;
        }
    }
}

void SkillWindow::sectClick(int index)
{
    if (index < 0 || index >= kSectCount || index == m_sect)
        return;
    m_sectFrames[at(index)]->setVisible(true);
    m_sectFrames[at(m_sect)]->setVisible(false);
    m_sect = index;
}

void SkillWindow::sectSkillClick(int index)
{
    if (index < 0 || index >= kSectSkillCount)
        return;
    const SkillTexts t = sectSkillTexts(index);
    setBoxText(m_sectTexts[0], t.first);
    setBoxText(m_sectTexts[1], t.second);
    if (index == m_spellFrame)
        return;
    m_spellFrames[at(index)]->setVisible(true);
    if (m_spellFrame == kEmptySpellFrame)
        m_emptySpellFrame->setVisible(false);
    else
        m_spellFrames[at(m_spellFrame)]->setVisible(false);
    m_spellFrame = index;
}

void SkillWindow::spellClick(int index)
{
    if (index < 0 || index >= kSpellCount)
        return;
    const SkillTexts t = spellTexts(index);
    setBoxText(m_sectTexts[0], t.first);
    setBoxText(m_sectTexts[1], t.second);
}

void SkillWindow::spellPageClick(int index)
{
    if (index < 0 || index > 3)
        return;
    const CrowdedFrame& c = kCrowded[index / 2];
    const bool down = index == c.down;
    m_spellPageButtons[at(index)]->setEnabled(false);
    m_spellPageButtons[at(down ? index + 1 : index - 1)]->setEnabled(true);
    for (const int spell : spellsOfSkill(c.skill))
        m_spellIcons[at(spell)]->setVisible((spells()[at(spell)].page == 2) == down);
}

// ---- the window ----

void SkillWindow::categoryClick(int index)
{
    if (index < 0 || index >= 5 || index == m_category)
        return;
    m_pages[at(index)]->setVisible(true);
    m_pages[at(m_category)]->setVisible(false);
    m_category = index;
}

void SkillWindow::queryUnload()
{
    hide();
    ::ui::forms().setMainVisible(); // nothing while the program shuts down
}

} // namespace skills::ui
