#include "beasts/ui/beast_frames.h"

#include "beasts/born_baby.h"
#include "beasts/growth.h"
#include "beasts/level_exp.h"
#include "beasts/pet_catalogue.h"
#include "beasts/ui/growth_box.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace beasts::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;
namespace colours = ::ui::colours;

namespace {

constexpr int kFormAttributePrediction = 4;
constexpr int kFormBeastHp = 5;
constexpr int kFormPetLevelExp = 13;

using ::ui::qs;

// A read-only display line of the catalogue.
QLineEdit* displayBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    ::ui::placeTw(e, left, top, width, height);
    return e;
}

QPlainTextEdit* growthPane(QWidget* parent, const QString& name)
{
    auto* e = new QPlainTextEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    e->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->document()->setDocumentMargin(2);
    ::ui::setForeColour(e, colours::Blue);
    ::ui::placeTw(e, 5640, 840, 1455, 735);
    return e;
}

} // namespace

BeastFrames::BeastFrames(::ui::CaptionFrame* bornBaby, ::ui::CaptionFrame* growth, ::ui::CaptionFrame* catalogue)
    : QObject(bornBaby), m_main(bornBaby->window())
{
    buildBornBaby(bornBaby);
    buildGrowth(growth);
    buildCatalogue(catalogue);
}

void BeastFrames::buildBornBaby(::ui::CaptionFrame* f)
{
    makeLabel(f, "Label10_11", "等级", 120, 280, 360, 180);
    m_text15[0] = (new NumericField(f, "Text15_0", common::kDigits, 3))->at(600, 240, 615);
    const char* const captions[6] = {"体质", "法力", "力量", "耐力", "敏捷", "潜能"};
    for (int i = 0; i < 6; ++i) {
        const int left = 120 + 1200 * i;
        makeLabel(f, ::ui::controlName("Label10", 12 + i), captions[i], left, 600, 360, 180);
        m_text15[static_cast<std::size_t>(i + 1)] =
            (new NumericField(f, ::ui::controlName("Text15", i + 1), common::kDigits, 4))->at(left + 480, 540, 615);
    }
    makeLabel(f, "Label10_18", "(不穿装备)结果:", 120, 885);
    // The verdict is a result cell: read-only, not a tab stop, its focus selects it.
    m_verdict = (new NumericField(f, "Text15_7", common::kDigits, 0))->asResult();
    ::ui::setForeColour(m_verdict, colours::Red);
    ::ui::placeTw(m_verdict, 1560, 840, 4215, 270);
    auto* compute = (new DcButton(f, "Button12", "计算", 0))->at(5880, 840, 615, 255);
    auto* reset = (new DcButton(f, "Button12", "重置", 1))->at(6600, 840, 615, 255);
    reset->setTabStop(false);
    for (NumericField* t : m_text15)
        t->setText("0");
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &BeastFrames::button12Click);
}

void BeastFrames::buildGrowth(::ui::CaptionFrame* f)
{
    makeLabel(f, "Label10_3", "成长率(新)", 120, 285);
    m_growthIn = (new NumericField(f, "Text13_0", common::kDigitsAndPoint, 5))->at(1200, 240, 855);
    QLabel* arrow = makeLabel(f, "Label10_0", "========>", 2160, 285);
    QFont arrowFont = arrow->font(); // narrow enough for the arrow to end before 成长率(旧)
    arrowFont.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono")});
    arrowFont.setPixelSize(10);
    arrow->setFont(arrowFont);
    arrow->adjustSize();
    makeLabel(f, "Label10_4", "成长率(旧)", 3120, 285);
    m_growthOut = (new NumericField(f, "Text13_1", common::kDigitsAndPoint, 5))->at(4200, 240, 855)->asResult();
    auto* reset = (new DcButton(f, "Button11", "重置"))->at(6600, 240, 615, 255);
    reset->setTabStop(false);
    m_growthIn->setText("0");
    m_growthOut->setText("0");
    connect(m_growthIn, &QLineEdit::textChanged, this, &BeastFrames::growthInputChanged);
    connect(reset, &DcButton::click, this, &BeastFrames::button11Click);
}

void BeastFrames::buildCatalogue(::ui::CaptionFrame* f)
{
    // The launcher comes first in this frame's tab order: Enter in the growth input reaches it.
    auto* launcher = (new DcButton(f, "Button13", "唤兽加点"))->at(6360, 195, 975, 360);
    connect(launcher, &DcButton::click, this, &BeastFrames::button13Click);

    makeLabel(f, "Label10_19", "召唤兽名称:", 120, 280);
    m_combo1 = new QComboBox(f);
    m_combo1->setObjectName("Combo1");
    for (const PetSpeciesRecord& r : PetCatalogue)
        m_combo1->addItem(qs(r.name));
    m_combo1->setCurrentIndex(-1);
    ::ui::placeTw(m_combo1, 1200, 240, 1095, 300);
    connect(m_combo1, &QComboBox::activated, this, &BeastFrames::combo1Click);
    makeLabel(f, "Label10_21", "携带等级:", 2400, 285);
    m_text16[0] = displayBox(f, "Text16_0", 3240, 240, 855, 270);
    makeLabel(f, "Label10_22", "级.", 4200, 285);
    makeLabel(f, "Label10_20", "认证费用:", 4440, 285);
    m_text16[1] = displayBox(f, "Text16_1", 5280, 240, 975, 270);

    auto* frame8 = new ::ui::CaptionFrame(f, "资质 拥有技能 成长率 出现场景", colours::PanelBack, colours::Blue);
    frame8->setObjectName("Frame8");
    ::ui::placeTw(frame8, 120, 600, 7215, 1620);
    const char* const aptitudes[6] = {"攻击", "防御", "体力", "法力", "速度", "躲闪"};
    for (int i = 0; i < 6; ++i) {
        makeLabel(frame8, ::ui::controlName("Label10", 24 + i), aptitudes[i], 240 + 720 * i, 240, 360, 180);
        m_text16[static_cast<std::size_t>(2 + i)] =
            displayBox(frame8, ::ui::controlName("Text16", 2 + i), 120 + 720 * i, 480, 615, 270);
    }
    makeLabel(frame8, "Label10_31", "拥有技能", 120, 880);
    m_text16[9] = displayBox(frame8, "Text16_9", 960, 840, 4575, 270);
    makeLabel(frame8, "Label10_33", "出现场景", 120, 1240);
    m_text16[11] = displayBox(frame8, "Text16_11", 960, 1200, 4575, 270);

    // Tool buttons of the catalogue (血量表, 家训等级, 升级经验) above the growth panes.
    const char* const tools[3] = {"血量表", "家训等级", "升级经验"};
    for (int i = 0; i < 3; ++i) {
        auto* b = (new DcButton(frame8, "Button14", tools[i], i))->at(4440 + 915 * i, 240, 855, 255);
        connect(b, &DcButton::click, this, &BeastFrames::button14Click);
    }
    makeLabel(frame8, "Label10_1", "成长率", 5685, 600);
    m_scaleButtons[0] = (new DcButton(frame8, "dcButton14", "新", 0))->at(6300, 570, 375, 240);
    m_scaleButtons[1] = (new DcButton(frame8, "dcButton14", "旧", 1))->at(6720, 570, 375, 240);
    m_scaleButtons[0]->setForeColour(colours::Blue);
    m_scaleButtons[1]->setForeColour(colours::Black);
    for (DcButton* b : m_scaleButtons)
        connect(b, &DcButton::click, this, &BeastFrames::dcButton14Click);
    m_newGrowth = growthPane(frame8, "Text16_10");
    m_oldGrowth = growthPane(frame8, "Text16_12");
    m_oldGrowth->setVisible(false);
}

void BeastFrames::button12Click(int index)
{
    if (index == 0) {
        BornBabyInputs in;
        for (std::size_t i = 0; i < 7; ++i)
            in[i] = m_text15[i]->wholeNumber();
        const BornBabyResult r = bornBabyTest(in);
        ::ui::warnIfAny(m_main, r.warning);
        if (r.resetInputs)
            for (NumericField* t : m_text15)
                t->setText("0");
        if (r.verdict)
            m_verdict->setText(qs(*r.verdict));
    } else if (index == 1) {
        for (NumericField* t : m_text15)
            t->setText("0");
        m_verdict->clear();
    } else {
        return;
    }
    m_text15[0]->setFocus();
}

void BeastFrames::growthInputChanged() { applyGrowthConversion(m_growthIn, m_growthOut); }

void BeastFrames::button11Click()
{
    m_growthIn->setText("0");
    m_growthIn->setFocus();
    m_growthIn->selectAll();
}

void BeastFrames::combo1Click()
{
    const PetSpeciesRecord* r = findPetSpecies(m_combo1->currentText().toStdString());
    if (!r)
        return;
    const PetSpeciesDisplay d = displayOf(*r);
    m_text16[0]->setText(qs(d.carryLevel));
    m_text16[1]->setText(qs(d.fee));
    for (std::size_t i = 0; i < 6; ++i)
        m_text16[2 + i]->setText(qs(d.aptitudes[i]));
    m_text16[9]->setText(qs(d.skills));
    m_newGrowth->setPlainText(qs(d.newGrowth));
    m_oldGrowth->setPlainText(qs(d.oldGrowth));
    m_text16[11]->setText(qs(d.scenes));
    for (QLineEdit* e : m_text16)
        if (e)
            e->setCursorPosition(0);
}

void BeastFrames::dcButton14Click(int index)
{
    if (index != 0 && index != 1)
        return;
    const bool oldScale = index == 1;
    m_newGrowth->setVisible(!oldScale);
    m_oldGrowth->setVisible(oldScale);
    m_scaleButtons[0]->setForeColour(oldScale ? colours::Black : colours::Blue);
    m_scaleButtons[1]->setForeColour(oldScale ? colours::Blue : colours::Black);
    m_combo1->setFocus();
}

void BeastFrames::button14Click(int index)
{
    switch (index) {
    case 0:
        if (::ui::FormWindow* hp = ::ui::forms().form(kFormBeastHp)) {
            hp->setWindowState(hp->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
            ::ui::forms().showModeless(kFormBeastHp);
            m_main->hide();
        }
        break;
    case 1: {
        const std::optional<QString> answer =
            ::ui::inputBox(m_main, QStringLiteral("请输入你的角色等级"), QStringLiteral("在家训宠等级"));
        const HomeTrainingResult r = homeTrainingMinLevel(answer.value_or(QString()).toStdString());
        if (!r.warning.empty())
            ::ui::warningBox(m_main, qs(r.warning));
        else
            ::ui::messageBox(m_main, qs(r.message), QStringLiteral("结果！"), ::ui::BoxIcon::None);
        break;
    }
    case 2:
        ::ui::forms().showModal(kFormPetLevelExp);
        break;
    default:
        break;
    }
}

void BeastFrames::button13Click()
{
    if (!::ui::forms().hasForm(kFormAttributePrediction))
        return;
    ::ui::FormWindow* w = ::ui::forms().form(kFormAttributePrediction);
    if (!w)
        return;
    w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    ::ui::forms().showModeless(kFormAttributePrediction);
    m_main->hide();
}

} // namespace beasts::ui
