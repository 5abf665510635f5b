#include "calc/ui/task_frames.h"

#include "calc/task_rewards.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QCheckBox>

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {

NumericField* input(QWidget* f, const char* name, int left, int top)
{
    auto* t = (new NumericField(f, name, common::kDigits, 3))->at(left, top, 495);
    t->setText("0");
    return t;
}

NumericField* result(QWidget* f, const char* name, int left, int top, int width)
{
    auto* t = (new NumericField(f, name, common::kDigits, 0))->at(left, top, width)->asResult();
    t->setText("0");
    return t;
}

QCheckBox* checkBox(QWidget* f, const char* name, const QString& caption, int left, int top)
{
    auto* c = new QCheckBox(caption, f);
    c->setObjectName(name);
    c->setChecked(true);
    ::ui::setForeColour(c, ::ui::colours::Magenta);
    ::ui::placeTw(c, left, top, 735, 255);
    return c;
}


} // namespace

GuildTaskFrame::GuildTaskFrame(::ui::CaptionFrame* f) : QObject(f)
{
    // 等级 L 级,完成一轮 / 青龙得经验 X 点. / 玄武得经验 Y 点.
    makeLabel(f, "Label3_0", "等级", 120, 280);
    m_text7[0] = input(f, "Text7_0", 600, 240);
    makeLabel(f, "Label3_1", "级,完成一轮", 1200, 280);
    makeLabel(f, "Label3_2", "青龙得经验", 120, 640);
    m_text7[1] = result(f, "Text7_1", 1080, 600, 975);
    makeLabel(f, "Label3_16", "点.", 2160, 640);
    makeLabel(f, "Label3_3", "玄武得经验", 120, 1000);
    m_text7[2] = result(f, "Text7_2", 1080, 960, 975);
    makeLabel(f, "Label3_15", "点.", 2160, 1000);
    auto* compute = (new DcButton(f, "Button7", "计算", 0))->at(960, 1320, 615, 255);
    compute->setToolTip("角色等级输入20-155级");
    auto* reset = (new DcButton(f, "Button7", "重置", 1))->at(1800, 1320, 615, 255);
    reset->setTabStop(false);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &GuildTaskFrame::button7Click);
}

void GuildTaskFrame::button7Click(int index)
{
    if (index == 0) {
        const GuildTaskReward r = guildTaskReward(m_text7[0]->wholeNumber());
        ::ui::warnIfAny(m_text7[0]->window(), r.warning);
        m_text7[1]->setText(QString::number(r.qinglong));
        m_text7[2]->setText(QString::number(r.xuanwu));
    } else if (index == 1) {
        for (NumericField* t : m_text7)
            t->setText("0");
    }
    m_text7[0]->setFocus();
}

SectTaskFrame::SectTaskFrame(::ui::CaptionFrame* f) : QObject(f)
{
    // 等级 L 完成师门获得 / 经验 X 点, / 金钱 Y 两.
    makeLabel(f, "Label3_9", "等级", 120, 280);
    m_text9[0] = input(f, "Text9_0", 600, 240);
    makeLabel(f, "Label3_14", "完成师门获得", 1200, 285);
    makeLabel(f, "Label3_10", "经验", 360, 765);
    m_text9[1] = result(f, "Text9_1", 840, 720, 855);
    makeLabel(f, "Label3_17", "点,", 1800, 765);
    makeLabel(f, "Label3_13", "金钱", 360, 1245);
    m_text9[2] = result(f, "Text9_2", 840, 1200, 855);
    makeLabel(f, "Label3_12", "两.", 1800, 1245);
    // Enter in the level box lands on 计算, so the button comes before the two boxes.
    auto* compute = (new DcButton(f, "Button9", "计算", 0))->at(960, 1680, 615, 255);
    m_double = checkBox(f, "Check1", QStringLiteral("双倍"), 120, 1560);
    m_twoCycles = checkBox(f, "Check3", QStringLiteral("两轮"), 120, 1840);
    auto* reset = (new DcButton(f, "Button9", "重置", 1))->at(1800, 1680, 615, 255);
    reset->setTabStop(false);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &SectTaskFrame::button9Click);
    connect(m_double, &QCheckBox::clicked, this,
            [this](bool on) { m_double->setText(on ? QStringLiteral("双倍") : QStringLiteral("单倍")); });
    connect(m_twoCycles, &QCheckBox::clicked, this,
            [this](bool on) { m_twoCycles->setText(on ? QStringLiteral("两轮") : QStringLiteral("一轮")); });
}

void SectTaskFrame::button9Click(int index)
{
    if (index == 0) {
        const SectTaskReward r =
            sectTaskReward(m_text9[0]->wholeNumber(), m_double->isChecked(), m_twoCycles->isChecked());
        ::ui::warnIfAny(m_text9[0]->window(), r.warning);
        m_text9[1]->setText(QString::number(r.experience));
        m_text9[2]->setText(QString::number(r.money));
    } else if (index == 1) {
        for (NumericField* t : m_text9)
            t->setText("0");
    }
    m_text9[0]->setFocus();
}

RingQuestFrame::RingQuestFrame(::ui::CaptionFrame* f) : QObject(f)
{
    // 等级 L 级从第 a 环跑到第 b 环,共可获得经 / 验 T 点.经验减半为 H.
    makeLabel(f, "Label3_4", "等级", 120, 285);
    m_text8[0] = input(f, "Text8_0", 520, 240);
    m_text8[0]->setText("60");
    makeLabel(f, "Label3_5", "级从第", 1080, 285);
    m_text8[1] = input(f, "Text8_1", 1680, 240);
    makeLabel(f, "Label3_6", "环跑到第", 2240, 285);
    m_text8[2] = input(f, "Text8_2", 3000, 240);
    makeLabel(f, "Label3_11", "环,共可获得经", 3600, 285);
    makeLabel(f, "Label3_7", "验", 120, 645);
    // The two results are wider than in the old layout so that an eight-digit total shows
    // whole; the buttons narrow a little to make room.
    m_text8[3] = result(f, "Text8_3", 360, 600, 975);
    makeLabel(f, "Label3_8", "点.经验减半为", 1380, 645);
    m_text8[4] = result(f, "Text8_4", 2550, 600, 975);
    auto* compute = (new DcButton(f, "Button8", "计算", 0))->at(3600, 600, 555, 255);
    compute->setToolTip("角色等级60-155,环数1-300环");
    auto* reset = (new DcButton(f, "Button8", "重置", 1))->at(4200, 600, 555, 255);
    reset->setTabStop(false);
    QLabel* hint = makeLabel(f, "Label3_18", "(如要查询当前环的经验,只要两环的输入项相同即可.)", 240, 1080, 4320, 180);
    ::ui::setForeColour(hint, ::ui::colours::Red);
    for (DcButton* b : {compute, reset})
        connect(b, &DcButton::click, this, &RingQuestFrame::button8Click);
}

void RingQuestFrame::button8Click(int index)
{
    if (index == 0) {
        const RingQuestReward r =
            ringQuestReward(m_text8[0]->wholeNumber(), m_text8[1]->wholeNumber(), m_text8[2]->wholeNumber());
        ::ui::warnIfAny(m_text8[0]->window(), r.warning);
        m_text8[3]->setText(QString::number(r.total));
        m_text8[4]->setText(QString::number(r.half));
    } else if (index == 1) {
        const char* const resetValues[5] = {"60", "1", "300", "0", "0"};
        for (std::size_t i = 0; i < m_text8.size(); ++i)
            m_text8[i]->setText(QString::fromLatin1(resetValues[i]));
    }
    m_text8[0]->setFocus();
}

} // namespace calc::ui
