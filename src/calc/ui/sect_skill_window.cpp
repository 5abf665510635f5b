#include "calc/ui/sect_skill_window.h"

#include "calc/sect_skills.h"
#include "calc/ui/result_cell.h"
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
constexpr int kFormNumber = 2;
constexpr int kRowCount = kSectSkillCount;

QString name(const char* base, int index) { return ::ui::controlName(base, index); }
} // namespace

SectSkillDetailWindow::SectSkillDetailWindow() : FormWindow(kFormNumber)
{
    setWindowTitle("门派技能详细计算");
    setClientSizeTw(7005, 3555);
    ::ui::setBackColour(this, ::ui::colours::PanelBack);
    auto* frame = new ::ui::CaptionFrame(this);
    frame->setObjectName("Frame1");
    ::ui::placeTw(frame, 80, 0, 6855, 3495);

    // The fourteen level boxes come first in the tab order, row by row; the result boxes
    // and the totals are no tab stops.
    for (int i = 0; i < kRowCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int top = 240 + 360 * i;
        m_text1[k] = (new NumericField(frame, name("Text1", i), common::kDigits, 3))->at(1080, top, 495);
        m_text2[k] = (new NumericField(frame, name("Text2", i), common::kDigits, 3))->at(2280, top, 495);
    }
    for (int i = 0; i < kRowCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int top = 240 + 360 * i;
        m_check1[k] = new QCheckBox(QStringLiteral("技能%1由").arg(i + 1), frame);
        m_check1[k]->setObjectName(name("Check1", i));
        ::ui::placeTw(m_check1[k], 120, top, 975, 270);
        makeLabel(frame, name("Label1", 7 + i), "级升到", 1680, top + 45);
        makeLabel(frame, name("Label1", 14 + i), "级要经验", 2880, top + 45);
        m_text3[k] = (new NumericField(frame, name("Text3", i), common::kDigits, 0))->at(3680, top, 1050)->asResult();
        makeLabel(frame, name("Label1", 21 + i), "点,金钱", 4755, top + 45);
        m_text4[k] = (new NumericField(frame, name("Text4", i), common::kDigits, 0))->at(5420, top, 1050)->asResult();
        makeLabel(frame, name("Label1", 28 + i), "两.", 6480, top + 45);
    }

    m_text7 = (new NumericField(frame, "Text7", common::kDigits, 0))->at(1560, 2760, 495)->asResult();
    makeLabel(frame, "Label1_0", "项技能共消耗经验", 2100, 2805);
    m_text5 = (new NumericField(frame, "Text5", common::kDigits, 0))->at(3680, 2760, 1050)->asResult();
    makeLabel(frame, "Label1_1", "点,金钱", 4755, 2805);
    m_text6 = (new NumericField(frame, "Text6", common::kDigits, 0))->at(5420, 2760, 1050)->asResult();
    makeLabel(frame, "Label1_2", "两.", 6480, 2805);

    const char* const captions[3] = {"计算", "重设", "关闭"};
    std::array<DcButton*, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        buttons[static_cast<std::size_t>(i)] =
            (new DcButton(frame, "Button1", QString::fromUtf8(captions[i]), i))->at(4560 + 720 * i, 3120, 615, 255);
        connect(buttons[static_cast<std::size_t>(i)], &DcButton::click, this, &SectSkillDetailWindow::button1Click);
    }
    auto* signature = makeLabel(frame, "Label4", "听雨轩", 120, 3240);
    ::ui::setForeColour(signature, ::ui::colours::Blue);

    // Enter in the last level box reaches "计算"; the tick boxes follow the buttons.
    QWidget::setTabOrder(m_text2[kRowCount - 1], buttons[0]);
    QWidget::setTabOrder(buttons[0], buttons[1]);
    QWidget::setTabOrder(buttons[1], buttons[2]);
    QWidget* last = buttons[2];
    for (QCheckBox* c : m_check1) {
        QWidget::setTabOrder(last, c);
        last = c;
    }

    reset();
}

void SectSkillDetailWindow::button1Click(int index)
{
    switch (index) {
    case 0:
        compute();
        break;
    case 1:
        reset();
        m_text1[0]->setFocus();
        break;
    case 2:
        ::ui::forms().unload(kFormNumber);
        break;
    default:
        break;
    }
}

void SectSkillDetailWindow::queryUnload() { setVisible(false); }

void SectSkillDetailWindow::compute()
{
    std::array<SectSkillRowInput, kRowCount> rows;
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k] = {m_text1[k]->wholeNumber(), m_text2[k]->wholeNumber(), m_check1[k]->isChecked()};
    const SectSkillDetailResult r = sectSkillDetail(rows);
    // A reversed row is unticked while the rows are priced, before a level above 160
    // stops the pricing with its warning.
    if (r.computed)
        for (std::size_t k = 0; k < rows.size(); ++k)
            m_check1[k]->setChecked(r.ticked[k]);
    ::ui::warnIfAny(this, r.warning);
    if (!r.computed)
        return;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        setResultNumber(m_text3[k], r.rows[k].experience);
        setResultNumber(m_text4[k], r.rows[k].money);
    }
    setResultNumber(m_text5, r.totalExperience);
    setResultNumber(m_text6, r.totalMoney);
    setResultNumber(m_text7, r.count);
    m_text1[0]->setFocus();
}

void SectSkillDetailWindow::reset()
{
    for (int i = 0; i < kRowCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_text1[k]->setText("0");
        m_text2[k]->setText("0");
        setResultNumber(m_text3[k], 0);
        setResultNumber(m_text4[k], 0);
        m_check1[k]->setChecked(true);
    }
    setResultNumber(m_text5, 0);
    setResultNumber(m_text6, 0);
    setResultNumber(m_text7, kRowCount);
}

} // namespace calc::ui
