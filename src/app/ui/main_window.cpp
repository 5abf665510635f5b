#include "app/ui/main_window.h"

#include "app/ui/launchers.h"
#include "app/ui/npc_finder_frame.h"
#include "beasts/ui/beast_frames.h"
#include "beasts/ui/child_calculator_frame.h"
#include "beasts/ui/child_tables_frame.h"
#include "beasts/ui/scene_frames.h"
#include "calc/ui/auxiliary_skill_frame.h"
#include "calc/ui/cultivation_frame.h"
#include "calc/ui/demon_sealing_frame.h"
#include "calc/ui/experience_frames.h"
#include "calc/ui/forging_frame.h"
#include "calc/ui/guild_upkeep_frame.h"
#include "calc/ui/money_limit_frame.h"
#include "calc/ui/sect_skill_frame.h"
#include "calc/ui/sworn_title_frame.h"
#include "calc/ui/task_frames.h"
#include "common/shared_state.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/tray_service.h"
#include "common/ui/twips.h"
#include "exam/bank_state.h"
#include "exam/bank_warnings.h"
#include "exam/ui/bank_panel.h"
#include "exam/ui/exam_panel.h"
#include "exam/ui/mini_lookup_window.h"

#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>

namespace app::ui {

using ::ui::CaptionFrame;
using ::ui::DcButton;
namespace colours = ::ui::colours;

namespace {

const char* const kTabCaptions[8] = {"角色", "帮派", "任务", "召唤兽", "孩子", "科举", "其它", "关于"};

// The first input of each panel, given the focus when its tab opens (关于 has none).
const char* const kTabFocus[8] = {"Text1_0", "Text5_0", "Text7_0", "Text15_0", "Text37", "Text17", "Text24", nullptr};

constexpr int kExamOverlay = 8;
constexpr int kAddOverlay = 9;
constexpr int kEditOverlay = 10;
constexpr int kBankTab = 5;

const char* const kVersionHistory =
    "百宝算匣 v4.08\n"
    "\n"
    "1. 角色页：等级与经验互算，结果框的提示以亿、万为单位复述数额。\n"
    "2. 角色页：门派技能、携带金钱上限计算。\n"
    "3. 帮派页：辅助技能、角色修炼与帮派维护资金计算。\n"
    "4. 任务页：帮派任务、任务链、门派任务与封妖任务奖励计算。\n"
    "5. 召唤兽页：召唤兽资料、成长率换算与宝宝判别。\n"
    "6. 孩子页：孩子属性、门派、特殊书籍与物品一览。\n"
    "7. 科举页：题库浏览、分类查看、关键字查找与模拟考试。\n"
    "8. 其它页：NPC位置查询、结拜称谓与各类资料窗口。\n"
    "9. 所有数字输入框只接受数字，回车跳到下一项，获得焦点时全选。\n"
    "10. 最小化时隐藏到系统托盘，双击托盘图标恢复。\n"
    "11. 程序只允许运行一个，重复启动时给出提示。\n";

const char* const kIntroLines[17] = {
    "百宝算匣是一款梦幻西游的辅助工具箱，",
    "把游戏中常用的计算和查询集中在一处。",
    "",
    "玩家在游戏里读出数值，填入对应的窗口，",
    "即可得到结果；程序不连接游戏，也不联网。",
    "",
    "主要功能：经验、技能、修炼、金钱等计算，",
    "召唤兽与孩子的资料和属性，科举题库与",
    "模拟考试，宝箱与密道答案查询，跑商时钟，",
    "热键发送，以及各类资料参考。",
    "",
    "感谢各位玩家的建议与反馈，",
    "使这个小工具一点点完善起来。",
    "",
    "欢迎继续提出意见，祝游戏愉快！",
    "",
    "—— 百宝算匣 开发组",
};

} // namespace

MainWindow::MainWindow() : FormWindow(::ui::kMainForm)
{
    setWindowTitle(QString::fromUtf8(kMainCaption));
    setClientSizeTw(7905, 4770);

    auto* frame1 = new CaptionFrame(this, {}, colours::PanelBack);
    frame1->setObjectName("Frame1");
    frame1->setBorder(false);
    ::ui::placeTw(frame1, 0, 0, 7935, 4815);

    buildTabRow(frame1);
    buildPanels(frame1);
    buildTray();
    startUp();
}

void MainWindow::buildTray()
{
    // The tray menu "显示窗体"; it never shows as a menu bar.
    auto* menu = new QMenu(QStringLiteral("显示窗体"), this);
    menu->setObjectName("Menu_Show");
    auto addItem = [&](const char* name, const char* caption, void (MainWindow::*handler)()) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
    };
    addItem("Menu_count", "计算器", &MainWindow::menuCountClick);
    addItem("Menu_Pet", "召唤兽加点", &MainWindow::menuPetClick);
    menu->addSeparator()->setObjectName("cut");
    addItem("Menu_Exit", "关闭", &MainWindow::menuExitClick);
    m_tray = new ::ui::TrayService(this, menu, [this] { menuCountClick(); });
}

void MainWindow::menuCountClick()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    setVisible(true);
    raise();
    activateWindow();
    m_tray->removeIcon();
}

void MainWindow::menuPetClick()
{
    // The beast attribute window; while its class is not there the main window stays in
    // the tray with its icon, so it can still be brought back.
    ::ui::FormWindow* pet = ::ui::forms().form(kBeastAttributeForm);
    if (!pet)
        return;
    pet->setWindowState(pet->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    pet->setVisible(true);
    pet->raise();
    pet->activateWindow();
    m_tray->removeIcon();
}

void MainWindow::menuExitClick()
{
    m_tray->removeIcon();
    ::ui::forms().unload(::ui::kMainForm); // the program's shut-down
}

void MainWindow::buildTabRow(QWidget* frame1)
{
    QFont tabFont = font();
    tabFont.setPointSize(9);
    for (int i = 0; i < 8; ++i) {
        auto* b = (new DcButton(frame1, "Button0", QString::fromUtf8(kTabCaptions[i]), i))->at(120 + 960 * i, 80, 975, 255);
        b->setFont(tabFont);
        b->setTabStop(false);
        b->setBackColour(i == 0 ? colours::ActiveTab : colours::InactiveTab);
        connect(b, &DcButton::click, this, &MainWindow::tabClick);
        m_tabs[static_cast<std::size_t>(i)] = b;
    }
}

CaptionFrame* MainWindow::addFrame(int panel, const char* base, int index, const QString& caption, int left, int top,
                                   int width, int height)
{
    auto* f = new CaptionFrame(m_panels[static_cast<std::size_t>(panel)], caption, colours::PanelBack, colours::Blue);
    f->setObjectName(::ui::controlName(base, index));
    ::ui::placeTw(f, left, top, width, height);
    return f;
}

void MainWindow::buildPanels(QWidget* frame1)
{
    for (int i = 0; i <= kEditOverlay; ++i) {
        auto* p = new CaptionFrame(frame1, i == kExamOverlay ? QStringLiteral("模拟科举考试") : QString(),
                                   colours::PanelBack, colours::Blue);
        p->setObjectName(::ui::controlName("Frame2", i));
        if (i == kExamOverlay)
            ::ui::placeTw(p, 120, 480, 7695, 4215);
        else
            ::ui::placeTw(p, 120, 360, 7695, 4335);
        p->setVisible(i == 0);
        m_panels[static_cast<std::size_t>(i)] = p;
    }
    // Only the panel on screen is built at start; the others when their tab first opens.
    ensurePanel(0);
}

void MainWindow::ensurePanel(int i)
{
    if (i < 0 || i > 7 || m_panelBuilt[static_cast<std::size_t>(i)])
        return;
    m_panelBuilt[static_cast<std::size_t>(i)] = true;
    // Frames are filled in panel order, so the tab order runs top to bottom.
    switch (i) {
    case 0: { // 角色
        auto* levelToExp = addFrame(0, "Frame3", 0, "等级->经验", 120, 240, 7455, 735);
        auto* expToLevel = addFrame(0, "Frame3", 1, "经验->等级", 120, 1080, 7455, 1095);
        new calc::ui::ExperienceFrames(levelToExp, expToLevel);
        new calc::ui::SectSkillFrame(addFrame(0, "Frame3", 2, "门派技能", 120, 2280, 7455, 1095));
        new calc::ui::MoneyLimitFrame(addFrame(0, "Frame3", 3, "携带金钱", 120, 3360, 7455, 855));
        break;
    }
    case 1: // 帮派
        new calc::ui::AuxiliarySkillFrame(addFrame(1, "Frame4", 0, "辅助技能", 120, 120, 7455, 1335));
        new calc::ui::CultivationFrame(addFrame(1, "Frame4", 1, "角色修炼", 120, 1440, 7455, 1695));
        new calc::ui::GuildUpkeepFrame(addFrame(1, "Frame4", 2, "帮派维护资金消耗", 120, 3120, 7455, 1095));
        // The guild upkeep starts at level 0, run as a player's pick would.
        if (auto* guildLevel = findChild<QComboBox*>("Combo7_0"))
            ::ui::pickEntry(guildLevel, QStringLiteral("0"));
        break;
    case 2: // 任务
        new calc::ui::GuildTaskFrame(addFrame(2, "Frame5", 0, "帮派任务", 120, 240, 2535, 1695));
        new calc::ui::SectTaskFrame(addFrame(2, "Frame5", 2, "门派任务", 120, 2040, 2535, 2175));
        new calc::ui::DemonSealingFrame(addFrame(2, "Frame5", 3, "封妖任务", 2760, 120, 4815, 2620));
        new calc::ui::RingQuestFrame(addFrame(2, "Frame5", 1, "任务链", 2760, 2760, 4815, 1455));
        break;
    case 3: { // 召唤兽
        auto* bornBaby = addFrame(3, "Frame7", 1, "宝宝判别", 120, 120, 7455, 1215);
        auto* growth = addFrame(3, "Frame7", 0, "成长率换算", 120, 1320, 7455, 615);
        auto* beastCatalogue = addFrame(3, "Frame7", 2, "其它", 120, 1920, 7455, 2320);
        new beasts::ui::BeastFrames(bornBaby, growth, beastCatalogue);
        // The catalogue shows its first beast, as a player's pick would.
        if (auto* beasts = findChild<QComboBox*>("Combo1"))
            ::ui::pickEntry(beasts, QStringLiteral("大海龟"));
        break;
    }
    case 4: { // 孩子
        auto* childFrame = addFrame(4, "Frame14", -1, {}, 120, 120, 3375, 4095);
        new beasts::ui::ChildCalculatorFrame(childFrame);
        new beasts::ui::ChildTablesFrame(addFrame(4, "Frame15", -1, {}, 3600, 120, 3975, 3615));
        new Launchers(this, nullptr, m_panels[4], childFrame);
        break;
    }
    case 5: // 科举 with its add and edit panels, and the practice exam that takes its place
        new exam::ui::BankPanel(
            m_panels[kBankTab], m_panels[kAddOverlay], m_panels[kEditOverlay], [this] { openExam(); },
            [this] { openMiniLookup(); });
        m_examPanel = new exam::ui::ExamPanel(m_panels[kExamOverlay]);
        connect(m_examPanel, &exam::ui::ExamPanel::givenUp, this, [this] {
            m_panels[kBankTab]->setVisible(true);
            m_panels[kExamOverlay]->setVisible(false);
        });
        break;
    case 6: { // 其它
        auto* fullExpScenes = addFrame(6, "Frame9", 3, "召唤兽满经验场景", 120, 120, 4215, 975);
        auto* legendScenes = addFrame(6, "Frame9", 4, "人物传说场景", 4440, 120, 3135, 975);
        new beasts::ui::SceneFrames(fullExpScenes, legendScenes);
        new calc::ui::ForgingFrame(addFrame(6, "Frame9", 6, "打造/裁缝/炼金", 120, 1200, 4215, 1335));
        new calc::ui::SwornTitleFrame(addFrame(6, "Frame9", 0, "结拜称谓", 4440, 1200, 3135, 1095));
        new NpcFinderFrame(addFrame(6, "Frame9", 5, "NPC位置查询", 120, 2640, 4215, 1620));
        new Launchers(this, m_panels[6], nullptr, nullptr);
        break;
    }
    case 7:
        buildAboutPanel(m_panels[7]);
        break;
    }
}

void MainWindow::openExam()
{
    ensurePanel(kBankTab);
    exam::bankState().bankItemChosen = false;
    m_panels[kExamOverlay]->setVisible(true);
    m_panels[kBankTab]->setVisible(false);
    m_examPanel->opened();
}

void MainWindow::openMiniLookup()
{
    exam::bankState().bankItemChosen = false;
    if (::ui::FormWindow* mini = ::ui::forms().showModeless(exam::ui::MiniLookupWindow::kNumber))
        if (auto* keyword = mini->findChild<QWidget*>(QStringLiteral("Text1")))
            keyword->setFocus();
}

void MainWindow::ensureAllPanels()
{
    for (int i = 0; i < 8; ++i)
        ensurePanel(i);
}

void MainWindow::buildAboutPanel(CaptionFrame* panel)
{
    ::ui::makeLabel(panel, "Label20", "各版本更新历程：", 120, 200);
    auto* history = new QPlainTextEdit(panel);
    history->setObjectName("Text27");
    history->setReadOnly(true);
    history->setPlainText(QString::fromUtf8(kVersionHistory));
    ::ui::placeTw(history, 120, 480, 3735, 3735);
    for (int i = 0; i < 17; ++i)
        ::ui::makeLabel(panel, ::ui::controlName("Label21", i).toLatin1().constData(),
                        QString::fromUtf8(kIntroLines[i]), 4080, 240 + 225 * i);
    auto* about = (new DcButton(panel, "dcButton1", {}))->at(7080, 3800, 225, 225);
    about->setBackColour(0x0080FF);
    about->setToolTip("版权说明");
    about->setTabStop(false);
    connect(about, &DcButton::click, this, [] { ::ui::forms().showModal(10); });
}

void MainWindow::startUp()
{
    common::PetShopOpen = false;
    exam::resetBankState(); // answer letters A..D, nothing chosen, no bank read
    m_currentTab = 0;
    // The beast catalogue's first pick (大海龟) and the guild upkeep's level 0 are made
    // when their panels are built (ensurePanel), before the player can see them.
}

void MainWindow::tabClick(int i)
{
    if (i < 0 || i > 7)
        return;
    if (i == kBankTab)
        if (const std::string missing = exam::missingBankWarning(); !missing.empty()) {
            ::ui::warningBox(this, ::ui::qs(missing));
            return;
        }
    if (i == m_currentTab || m_panels[kExamOverlay]->isVisible() || m_panels[kAddOverlay]->isVisible() ||
        m_panels[kEditOverlay]->isVisible())
        return;
    ensurePanel(i);
    m_tabs[static_cast<std::size_t>(m_currentTab)]->setBackColour(colours::InactiveTab);
    m_tabs[static_cast<std::size_t>(i)]->setBackColour(colours::ActiveTab);
    m_panels[static_cast<std::size_t>(i)]->setVisible(true);
    m_panels[static_cast<std::size_t>(m_currentTab)]->setVisible(false);
    m_currentTab = i;
    if (i == kBankTab && !exam::bankState().bankLoaded)
        loadQuestionBank();
    if (const char* name = kTabFocus[i])
        if (auto* w = m_panels[static_cast<std::size_t>(i)]->findChild<QWidget*>(QLatin1String(name)))
            w->setFocus();
    // A panel without a field to take the focus leaves none on the panel just hidden.
    if (QWidget* f = focusWidget(); f && !f->isVisibleTo(this))
        f->clearFocus();
}

void MainWindow::loadQuestionBank()
{
    exam::BankLoadResult r = exam::loadQuestionBankFile(std::string(exam::kBankFileName));
    for (const std::string& warning : exam::bankLoadWarnings(r))
        ::ui::warnIfAny(this, warning);
    if (!r.readable)
        return;
    exam::BankState& s = exam::bankState();
    s.bank = std::move(r.bank);
    s.skippedLines = r.badLines.size();
    s.bankLoaded = true;
    exam::ui::stampBankFile();
}

} // namespace app::ui
