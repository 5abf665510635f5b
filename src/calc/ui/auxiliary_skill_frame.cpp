#include "calc/ui/auxiliary_skill_frame.h"

#include "calc/auxiliary_skills.h"
#include "calc/ui/result_cell.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QRadioButton>

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {

// The second line of the sentence, per way of learning.
struct SecondLine {
    const char* consumed; // Label2(5)
    const char* stop;     // Label2(6)
    const char* note;     // Label2(7)
};
constexpr SecondLine kGuildLine{"消耗帮贡", "点,", "至少要有帮贡"};
constexpr SecondLine kNpcLine{"消耗人气", "点.", "(技能上限40级)"};

} // namespace

AuxiliarySkillFrame::AuxiliarySkillFrame(::ui::CaptionFrame* f) : QObject(f)
{
    const char* const options[2] = {"在帮派学习", "向NPC学习"};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(options[i]), f);
        o->setObjectName(::ui::controlName("Option1", i));
        ::ui::placeTw(o, 120 + 1680 * i, 240, 1575, 255);
        o->setChecked(i == 0);
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                option1Click(i);
        });
        m_option1[static_cast<std::size_t>(i)] = o;
    }

    // First line: 技能从 [from] 级升到 [to] 级共消耗经验 [exp] 点,金钱 [money] 两,
    m_label2[0] = makeLabel(f, "Label2_0", "技能从", 120, 645);
    m_text5[0] = (new NumericField(f, "Text5_0", common::kDigits, 3))->at(720, 600, 495);
    m_label2[1] = makeLabel(f, "Label2_1", "级升到", 1320, 645);
    m_text5[1] = (new NumericField(f, "Text5_1", common::kDigits, 3))->at(1920, 600, 495);
    m_label2[2] = makeLabel(f, "Label2_2", "级共消耗经验", 2520, 645);
    m_text5[2] = (new NumericField(f, "Text5_2", common::kDigits, 0))->at(3640, 600, 1095)->asResult();
    m_label2[3] = makeLabel(f, "Label2_3", "点,金钱", 4800, 645);
    m_text5[3] = (new NumericField(f, "Text5_3", common::kDigits, 0))->at(5520, 600, 1095)->asResult();
    m_label2[4] = makeLabel(f, "Label2_4", "两,", 6660, 645);
    // Second line: 消耗帮贡 [points] 点, 至少要有帮贡 [held] 点(技能上限150级).
    m_label2[5] = makeLabel(f, "Label2_5", QString::fromUtf8(kGuildLine.consumed), 120, 1005);
    m_text5[4] = (new NumericField(f, "Text5_4", common::kDigits, 0))->at(960, 960, 855)->asResult();
    m_label2[6] = makeLabel(f, "Label2_6", QString::fromUtf8(kGuildLine.stop), 1880, 1005);
    m_label2[7] = makeLabel(f, "Label2_7", QString::fromUtf8(kGuildLine.note), 2280, 1005, 1680);
    m_text5[5] = (new NumericField(f, "Text5_5", common::kDigits, 0))->at(3640, 960, 1095)->asResult();
    m_label2[8] = makeLabel(f, "Label2_8", "点(技能上限150级).", 4800, 1005);
    for (NumericField* t : m_text5)
        t->setText("0");

    auto* compute = (new DcButton(f, "Button5", "计算", 0))->at(5760, 240, 615, 255);
    compute->setToolTip("等级输入0-150级或者0-40级");
    auto* reset = (new DcButton(f, "Button5", "重置", 1))->at(6600, 240, 615, 255);
    reset->setTabStop(false);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &AuxiliarySkillFrame::button5Click);
    // Enter walks Text5(0), Text5(1), then "计算".
    QWidget::setTabOrder(m_text5[1], compute);
}

void AuxiliarySkillFrame::clearAll()
{
    m_text5[0]->setText("0");
    m_text5[1]->setText("0");
    for (std::size_t k = 2; k < m_text5.size(); ++k)
        setResultNumber(m_text5[k], 0);
}

void AuxiliarySkillFrame::button5Click(int index)
{
    if (index == 0) {
        if (m_option1[0]->isChecked() || m_option1[1]->isChecked()) {
            const LearningWay way = m_option1[0]->isChecked() ? LearningWay::Guild : LearningWay::Npc;
            const AuxiliarySkillResult r =
                auxiliarySkillCost(way, m_text5[0]->wholeNumber(), m_text5[1]->wholeNumber());
            ::ui::warnIfAny(m_text5[0]->window(), r.warning);
            setResultNumber(m_text5[2], r.experience);
            setResultNumber(m_text5[3], r.money);
            setResultNumber(m_text5[4], r.points);
            if (r.writesHeld)
                setResultNumber(m_text5[5], r.contributionHeld);
        }
    } else if (index == 1) {
        clearAll();
    }
    m_text5[0]->setFocus();
}

void AuxiliarySkillFrame::option1Click(int index)
{
    const bool guild = index == 0;
    const SecondLine& line = guild ? kGuildLine : kNpcLine;
    m_label2[5]->setText(QString::fromUtf8(line.consumed));
    m_label2[6]->setText(QString::fromUtf8(line.stop));
    m_label2[7]->setText(QString::fromUtf8(line.note));
    m_label2[8]->setVisible(guild);
    m_text5[5]->setVisible(guild);
    clearAll();
    m_text5[0]->setFocus();
}

} // namespace calc::ui
