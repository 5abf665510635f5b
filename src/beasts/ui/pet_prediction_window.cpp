#include "beasts/ui/pet_prediction_window.h"

#include "beasts/ui/drawn_card.h"
#include "beasts/ui/growth_box.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/hold_repeat.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/tray_service.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace beasts::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;
using ::ui::qs;
namespace colours = ::ui::colours;

namespace {

constexpr int kRepeatMs = 70;
constexpr int kRowTop = 1920;
constexpr int kRowStep = 375;

const char* const kOutputCaptions[6] = {"气血", "魔法", "攻击", "防御", "速度", "灵力"};
const char* const kPointCaptions[6] = {"体质", "法力", "力量", "耐力", "敏捷", "潜能"};
const char* const kAptitudeCaptions[6] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质"};

// The window's own icon: a green seal with 兽.
QIcon beastIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x2E, 0x8B, 0x57));
        p.setPen(QPen(QColor(0x1B, 0x5E, 0x20), std::max(1, side / 16)));
        p.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), side / 5.0, side / 5.0);
        QFont f = p.font();
        f.setPixelSize(side * 3 / 4);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0xFF, 0xF5, 0xC0));
        p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("兽"));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QLineEdit* lockedBox(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* e = (new NumericField(parent, name, common::kDigits, 0))->at(left, top, width, 300)->asResult();
    ::ui::setBackColour(e, colours::ActiveTab);
    return e;
}

void lock(QLineEdit* box, bool locked)
{
    box->setReadOnly(locked);
    ::ui::setBackColour(box, locked ? colours::ActiveTab : colours::WindowBack);
}

DcButton* stepper(QWidget* parent, const char* base, const char* caption, int index, const char* tip, int left,
                  int top, int width = 330)
{
    auto* b = (new DcButton(parent, base, QString::fromUtf8(caption), index))->at(left, top, width, 300);
    b->setToolTip(QString::fromUtf8(tip));
    b->setFocusPolicy(Qt::ClickFocus); // not on the Tab path; holds the focus while pressed
    return b;
}

} // namespace

PetPredictionWindow::PetPredictionWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("召唤兽属性预测"));
    setWindowIcon(beastIcon());
    setClientSizeTw(7260, 4740);
    ::ui::setBackColour(this, colours::PanelBack);

    m_hold = new ::ui::HoldRepeat(this, kRepeatMs, [this] {
        const bool goOn = m_sim.tick(live());
        showState();
        return goOn;
    });
    connect(m_hold, &::ui::HoldRepeat::stopped, this, [this] { m_sim.stopRepeat(); });

    buildTop();
    buildRows();
    buildTray();

    // Tab order: the points, 潜能, the growth, the aptitudes, 确定, the level.
    QList<QWidget*> order;
    for (auto* b : m_points)
        order << b;
    order << m_potential[0] << m_growth[0];
    for (auto* b : m_aptitudes)
        order << b;
    order << m_confirm << m_level;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Load: nothing confirmed, level 0, species 超级泡泡.
    m_level->setCurrentIndex(0);
    m_species->setCurrentText(qs(kPredictionStartSpecies));
    m_points[0]->setFocus();
}

void PetPredictionWindow::buildTop()
{
    auto* picture1 = new QLabel(this);
    picture1->setObjectName("Picture1");
    ::ui::placeTw(picture1, 120, 120, 1200, 1200);
    picture1->setPixmap(drawnCard(picture1->size(), QStringLiteral("召唤兽"), QColor(0x7C, 0xB3, 0x42),
                                  QColor(0x33, 0x69, 0x1E)));

    m_confirm = (new DcButton(this, "Command1", QStringLiteral("确定")))->at(1440, 120, 900, 345);
    m_reset = (new DcButton(this, "Command2", QStringLiteral("重设")))->at(2400, 120, 900, 345);
    m_snapshot[0] = (new DcButton(this, "Command4", QStringLiteral("保存"), 0))->at(1440, 540, 900, 345);
    m_snapshot[1] = (new DcButton(this, "Command4", QStringLiteral("读取"), 1))->at(2400, 540, 900, 345);
    for (DcButton* b : {m_reset, m_snapshot[0], m_snapshot[1]})
        b->setTabStop(false);
    m_verdict = lockedBox(this, "Text7", 1440, 990, 1860);
    m_verdict->setAlignment(Qt::AlignCenter);
    ::ui::setForeColour(m_verdict, colours::Red);
    m_verdict->setText(qs(kVerdictPending));

    auto* picture2 = new QLabel(this);
    picture2->setObjectName("Picture2");
    ::ui::placeTw(picture2, 3420, 120, 3720, 1200);
    picture2->setPixmap(drawnCard(picture2->size(), QStringLiteral("属性预测 · 加点模拟"), QColor(0x64, 0xB5, 0xF6),
                                  QColor(0x15, 0x65, 0xC0)));

    makeLabel(this, "Label1_0", "名称", 120, 1485);
    m_species = new QComboBox(this);
    m_species->setObjectName("Combo2");
    for (const std::string& name : predictionSpeciesList())
        m_species->addItem(qs(name));
    m_species->setFocusPolicy(Qt::ClickFocus);
    ::ui::placeTw(m_species, 720, 1440, 1800, 300);

    makeLabel(this, "Label1_1", "等级", 3480, 1485);
    m_level = new QComboBox(this);
    m_level->setObjectName("Combo1");
    for (int n = 0; n <= kSimMaxLevel; ++n)
        m_level->addItem(QString::number(n));
    ::ui::placeTw(m_level, 3960, 1440, 840, 300);
    auto* levelUp = stepper(this, "Command7", "+1", 1, "按住左键连续+1级,右键一次+10级", 4920, 1440, 540);
    auto* levelDown = stepper(this, "Command7", "-1", 0, "按住左键连续-1级,右键一次-10级", 5520, 1440, 540);
    for (DcButton* b : {levelUp, levelDown}) {
        connect(b, &DcButton::mouseDown, this, [this, b](int index, int button) {
            m_sim.levelPress(index, button, live());
            pressed(b, button);
        });
        connect(b, &DcButton::mouseUp, this, [this](int, int button) { released(button); });
    }

    connect(m_confirm, &DcButton::click, this, &PetPredictionWindow::command1Click);
    connect(m_reset, &DcButton::click, this, &PetPredictionWindow::command2Click);
    for (DcButton* b : m_snapshot)
        connect(b, &DcButton::click, this, &PetPredictionWindow::command4Click);
}

void PetPredictionWindow::buildRows()
{
    for (int i = 0; i < 6; ++i) {
        const int y = kRowTop + kRowStep * i;
        const std::size_t k = static_cast<std::size_t>(i);
        // Left: the output.
        makeLabel(this, ::ui::controlName("Label1", 2 + i), kOutputCaptions[i], 120, y + 45);
        m_outputs[k] = lockedBox(this, ::ui::controlName("Text3", i), 600, y, 1020);
        m_outputs[k]->setText("0");
        // Middle: the point with its steppers, or 潜能 free / committed.
        makeLabel(this, ::ui::controlName("Label1", 8 + i), kPointCaptions[i], 1800, y + 45);
        if (i < 5) {
            m_points[k] = (new NumericField(this, ::ui::controlName("Text4", i), common::kDigits, 4))->at(2280, y, 780);
            ::ui::setBackColour(m_points[k], colours::WindowBack);
            auto* up = stepper(this, "Command5", "+", i, "按住左键连续+1点,右键一次+50点", 3120, y);
            auto* down = stepper(this, "Command5", "-", i + 5, "按住左键连续-1点,右键一次-50点", 3480, y);
            for (DcButton* b : {up, down}) {
                connect(b, &DcButton::mouseDown, this, [this, b](int index, int button) {
                    m_sim.pointPress(index, button);
                    pressed(b, button);
                });
                connect(b, &DcButton::mouseUp, this, [this](int, int button) { released(button); });
            }
        } else {
            m_potential[1] = static_cast<NumericField*>(lockedBox(this, "Text1_1", 2280, y, 660));
            m_potential[1]->setText("0");
            makeLabel(this, "Label2", "/", 2985, y + 45);
            m_potential[0] = (new NumericField(this, "Text1_0", common::kDigits, 4))->at(3120, y, 690);
            ::ui::setBackColour(m_potential[0], colours::WindowBack);
        }
        // Right: the share with its steppers, or the pool with 分配.
        m_shares[k] = lockedBox(this, ::ui::controlName("Text6", i), 3960, y, 600);
        m_shares[k]->setText(i < 5 ? "0" : "5");
        if (i < 5) {
            auto* up = stepper(this, "Command6", "+", i, "左键+0.1,右键+0.5", 4620, y);
            auto* down = stepper(this, "Command6", "-", i + 5, "左键-0.1,右键-0.5", 4980, y);
            for (DcButton* b : {up, down}) {
                connect(b, &DcButton::mouseDown, this, [this, b](int index, int button) {
                    m_sim.sharePress(index, button);
                    pressed(b, button);
                });
                connect(b, &DcButton::mouseUp, this, [this](int, int button) { released(button); });
            }
        } else {
            m_split = stepper(this, "Command6", "分配", PetSimulator::kShareSplit, "确认百分比加点", 4620, y, 690);
            m_split->setTabStop(false);
            connect(m_split, &DcButton::mouseDown, this, [this](int index, int button) {
                m_sim.sharePress(index, button);
                if (m_sim.computed())
                    showState();
            });
        }
        // Far right: the aptitude.
        makeLabel(this, ::ui::controlName("Label1", 14 + i), kAptitudeCaptions[i], 5640, y + 45);
        m_aptitudes[k] = (new NumericField(this, ::ui::controlName("Text5", i), common::kDigits, 4))->at(6420, y, 720);
        ::ui::setBackColour(m_aptitudes[k], colours::WindowBack);
    }

    const int y = kRowTop + kRowStep * 6 + 90;
    makeLabel(this, "Label3_2", "成长率：", 120, y + 45);
    makeLabel(this, "Label3_0", "新", 840, y + 45);
    m_growth[0] = (new NumericField(this, "Text2_0", common::kDigitsAndPoint, 5))->at(1080, y, 780);
    ::ui::setBackColour(m_growth[0], colours::WindowBack);
    makeLabel(this, "Label3_1", "旧", 1980, y + 45);
    m_growth[1] = static_cast<NumericField*>(lockedBox(this, "Text2_1", 2220, y, 780));
    m_growth[1]->setText("0");
    m_commit = (new DcButton(this, "Command8", QStringLiteral("加点")))->at(3960, y - 30, 900, 345);
    m_commit->setToolTip(QStringLiteral("加点确认"));
    m_cancel = (new DcButton(this, "Command3", QStringLiteral("取消")))->at(4980, y - 30, 900, 345);
    m_cancel->setToolTip(QStringLiteral("加点返还"));
    for (DcButton* b : {m_commit, m_cancel})
        b->setTabStop(false);

    connect(m_growth[0], &QLineEdit::textChanged, this, [this] { applyGrowthConversion(m_growth[0], m_growth[1]); });
    connect(m_commit, &DcButton::click, this, &PetPredictionWindow::command8Click);
    connect(m_cancel, &DcButton::click, this, &PetPredictionWindow::command3Click);

    // Box clicks of the simulator.
    for (QLineEdit* b : m_points)
        b->installEventFilter(this);
    for (QLineEdit* b : m_potential)
        b->installEventFilter(this);
    for (QLineEdit* b : m_shares)
        b->installEventFilter(this);

    for (DcButton* b : {m_reset, m_snapshot[0], m_snapshot[1], m_commit, m_cancel, m_split})
        b->setEnabled(false);
}

void PetPredictionWindow::buildTray()
{
    auto* menu = new QMenu(QStringLiteral("显示计算器"), this);
    menu->setObjectName("menu_show");
    auto addItem = [&](const char* name, const char* caption, void (PetPredictionWindow::*handler)()) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
    };
    addItem("menu_count", "计算器", &PetPredictionWindow::menuCountClick);
    addItem("menu_pet", "召唤兽加点", &PetPredictionWindow::menuPetClick);
    menu->addSeparator()->setObjectName("cut");
    addItem("menu_exit", "关闭", &PetPredictionWindow::menuExitClick);
    m_tray = new ::ui::TrayService(this, menu, [this] { menuPetClick(); });
}

LiveInputs PetPredictionWindow::live() const
{
    LiveInputs in;
    for (std::size_t i = 0; i < in.aptitudes.size(); ++i)
        in.aptitudes[i] = m_aptitudes[i]->utf8();
    in.growth = m_growth[0]->utf8();
    return in;
}

void PetPredictionWindow::showState()
{
    const bool computed = m_sim.computed();
    m_level->setCurrentIndex(m_sim.level());
    for (int i = 0; i < 5; ++i)
        m_points[static_cast<std::size_t>(i)]->setText(QString::number(m_sim.points(i)));
    m_potential[0]->setText(QString::number(m_sim.committedPotential()));
    m_potential[1]->setText(QString::number(m_sim.freePotential()));
    for (int i = 0; i < 6; ++i) {
        m_shares[static_cast<std::size_t>(i)]->setText(qs(m_sim.shareText(i)));
        m_outputs[static_cast<std::size_t>(i)]->setText(QString::number(m_sim.outputs()[static_cast<std::size_t>(i)]));
    }
    m_verdict->setText(qs(m_sim.verdict()));

    for (QLineEdit* b : m_points)
        lock(b, computed);
    lock(m_potential[0], computed);
    m_level->setEnabled(!computed);
    m_confirm->setEnabled(!computed);
    for (DcButton* b : {m_reset, m_snapshot[0], m_commit, m_cancel, m_split})
        b->setEnabled(computed);
    m_snapshot[1]->setEnabled(m_sim.canRestore());
}

void PetPredictionWindow::pressed(QWidget* button, int mouseButton)
{
    if (!m_sim.computed())
        return; // the simulator is inert before 确定
    showState();
    if (mouseButton == PetSimulator::kLeft && m_sim.repeat() != PetSimulator::Repeat::None)
        m_hold->start(button);
}

void PetPredictionWindow::released(int mouseButton)
{
    m_sim.release(mouseButton);
    if (mouseButton == PetSimulator::kLeft)
        m_hold->stop();
}

void PetPredictionWindow::command1Click()
{
    PredictionFields f;
    f.level = m_level->currentIndex();
    for (std::size_t i = 0; i < f.points.size(); ++i)
        f.points[i] = m_points[i]->utf8();
    f.potential = m_potential[0]->utf8();
    f.growth = m_growth[0]->utf8();
    for (std::size_t i = 0; i < f.aptitudes.size(); ++i)
        f.aptitudes[i] = m_aptitudes[i]->utf8();
    const ConfirmResult r = m_sim.confirm(f);
    if (!r.warning.empty()) {
        m_points[0]->setFocus();
        ::ui::warningBox(this, qs(r.warning));
        return;
    }
    m_growth[0]->setText(qs(r.growthText));
    m_growth[1]->setText(qs(r.oldGrowthText));
    showState();
}

void PetPredictionWindow::command2Click()
{
    m_hold->stop();
    m_sim.reset();
    showState();
    ::ui::messageBox(this, QStringLiteral("重设完毕"), QStringLiteral("重设"));
    m_points[0]->setFocus();
}

void PetPredictionWindow::command4Click(int index)
{
    if (index == 0) {
        m_sim.save();
        showState();
        ::ui::messageBox(this, QStringLiteral("保存完毕！"), QStringLiteral("保存"));
    } else if (index == 1) {
        m_sim.restore();
        showState();
        ::ui::messageBox(this, QStringLiteral("读取完毕！"), QStringLiteral("读取"));
    }
}

void PetPredictionWindow::command8Click()
{
    m_sim.commit(live());
    showState();
}

void PetPredictionWindow::command3Click()
{
    m_sim.cancel(live());
    showState();
}

bool PetPredictionWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_sim.computed() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < 5; ++i)
            if (watched == m_points[static_cast<std::size_t>(i)]) {
                m_sim.clickPoint(i);
                showState();
            }
        if (watched == m_potential[0] || watched == m_potential[1]) {
            m_sim.clickPotential();
            showState();
        }
        for (int i = 0; i < 6; ++i)
            if (watched == m_shares[static_cast<std::size_t>(i)]) {
                m_sim.clickShare(i);
                showState();
            }
    }
    return FormWindow::eventFilter(watched, event);
}

void PetPredictionWindow::queryUnload()
{
    m_hold->stop();
    ::ui::forms().setMainNormalAndVisible();
}

void PetPredictionWindow::menuCountClick()
{
    ::ui::forms().setMainNormalAndVisible();
    if (::ui::FormWindow* main = ::ui::forms().loaded(::ui::kMainForm)) {
        main->raise();
        main->activateWindow();
    }
    m_tray->removeIcon();
}

void PetPredictionWindow::menuPetClick()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    setVisible(true);
    raise();
    activateWindow();
    m_tray->removeIcon();
}

void PetPredictionWindow::menuExitClick() { m_tray->endProgramNow(); }

} // namespace beasts::ui
