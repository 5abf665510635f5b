#include "app/ui/program.h"

#include "app/ui/about_window.h"
#include "app/ui/main_window.h"
#include "app/ui/single_instance.h"
#include "beasts/ui/beast_hp_window.h"
#include "beasts/ui/child_windows.h"
#include "beasts/ui/pet_level_exp_window.h"
#include "beasts/ui/pet_prediction_window.h"
#include "calc/ui/beast_shop_window.h"
#include "calc/ui/cultivation_steps_window.h"
#include "calc/ui/gem_window.h"
#include "calc/ui/guild_research_window.h"
#include "calc/ui/potential_fruit_window.h"
#include "calc/ui/sect_skill_window.h"
#include "calc/ui/total_experience_window.h"
#include "clock/ui/clock_window.h"
#include "clock/ui/compact_clock_window.h"
#include "clock/ui/hotkey_window.h"
#include "clock/ui/time_setting_window.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "exam/ui/mini_lookup_window.h"
#include "puzzles/ui/chest_quest_window.h"
#include "puzzles/ui/poem_window.h"
#include "reference/skills/ui/formation_window.h"
#include "reference/skills/ui/skill_window.h"
#include "reference/tables/ui/card_window.h"
#include "reference/tables/ui/furniture_window.h"
#include "reference/tables/ui/story_window.h"
#include "reference/tables/ui/table_windows.h"
#include "reference/tables/ui/treasure_window.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <QTimer>

namespace app::ui {

void setUpApplication(QApplication& app)
{
    app.setApplicationName(QStringLiteral("baibao"));
    app.setApplicationDisplayName(QString());
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    QFont f = app.font();
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("SimSun"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    f.setPointSize(9);
    app.setFont(f);
}

void registerForms()
{
    ::ui::Forms& f = ::ui::forms();
    f.registerForm(::ui::kMainForm, [] { return new MainWindow; });
    f.registerForm(2, [] { return new calc::ui::SectSkillDetailWindow; });
    f.registerForm(7, [] { return new calc::ui::PotentialFruitWindow; });
    f.registerForm(25, [] { return new calc::ui::TotalExperienceWindow; });
    f.registerForm(26, [] { return new calc::ui::CultivationStepsWindow; });
    f.registerForm(19, [] { return new calc::ui::BeastShopWindow; });
    f.registerForm(29, [] { return new calc::ui::GuildResearchWindow; });
    f.registerForm(31, [] { return new calc::ui::GemWindow; });
    f.registerForm(5, [] { return new beasts::ui::BeastHpWindow; });
    f.registerForm(13, [] { return new beasts::ui::PetLevelExpWindow; });
    f.registerForm(4, [] { return new beasts::ui::PetPredictionWindow; });
    f.registerForm(9, [] { return new beasts::ui::TeachingWindow; });
    f.registerForm(24, [] { return new beasts::ui::AptitudeGradeWindow; });
    f.registerForm(30, [] { return new beasts::ui::CostTallyWindow; });
    f.registerForm(34, [] { return new beasts::ui::RaisingPlanWindow; });
    f.registerForm(10, [] { return new AboutWindow; });
    f.registerForm(20, [] { return new tradeclock::ui::ClockWindow; });
    f.registerForm(12, [] { return new tradeclock::ui::CompactClockWindow; });
    f.registerForm(21, [] { return new tradeclock::ui::TimeSettingWindow; });
    f.registerForm(22, [] { return new tradeclock::ui::ClockHelpWindow; });
    f.registerForm(16, [] { return new tradeclock::ui::HotkeyWindow; });
    f.registerForm(8, [] { return new exam::ui::MiniLookupWindow; });
    f.registerForm(28, [] { return new tables::ui::TreasureWindow; });
    f.registerForm(15, [] { return new skills::ui::SkillWindow; });
    f.registerForm(23, [] { return new skills::ui::FormationWindow; });
    f.registerForm(32, [] { return new tables::ui::CardWindow; });
    f.registerForm(11, [] { return new tables::ui::FurnitureWindow; });
    f.registerForm(18, [] { return new tables::ui::StoryWindow; });
    f.registerForm(6, [] { return new tables::ui::RankWindow; });
    f.registerForm(17, [] { return new tables::ui::EquipmentWindow; });
    f.registerForm(33, [] { return new tables::ui::ForgeWindow; });
    f.registerForm(3, [] { return new puzzles::ui::PoemWindow; });
    f.registerForm(14, [] { return new puzzles::ui::ChestQuestWindow(puzzles::ChestLayout::Tall); });
    f.registerForm(27, [] { return new puzzles::ui::ChestQuestWindow(puzzles::ChestLayout::Wide); });
}

int runProgram(QApplication& app, const StartupHooks& hooks)
{
    setUpApplication(app);
    SingleInstance instance;
    if (!instance.acquire()) {
        instance.activateRunning();
        ::ui::warningBox(nullptr, QStringLiteral("程序已经在运行中，请不要重复运行！"));
        return 0;
    }
    registerForms();
    app.setQuitOnLastWindowClosed(false);
    ::ui::forms().setAfterShutDown([] { QCoreApplication::quit(); });

    ::ui::FormWindow* main = ::ui::forms().form(::ui::kMainForm);
    QObject::connect(&instance, &SingleInstance::activationRequested, main, [] {
        if (::ui::FormWindow* w = ::ui::forms().loaded(::ui::kMainForm)) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->show();
            w->raise();
            w->activateWindow();
        }
    });
    main->show();
    if (hooks.mainWindowShown)
        QTimer::singleShot(0, main, hooks.mainWindowShown);
    return app.exec();
}

} // namespace app::ui
