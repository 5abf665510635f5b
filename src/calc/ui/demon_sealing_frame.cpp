#include "calc/ui/demon_sealing_frame.h"

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
constexpr std::uint32_t kMapCaptionColour = 0xFF00A0;
struct Place {
    int left, top;
};
constexpr Place kMapFrames[kDemonSealMaps] = {{80, 720},   {80, 1320},   {80, 1920},  {2440, 120},
                                              {2440, 720}, {2440, 1320}, {2440, 1920}};
} // namespace

DemonSealingFrame::DemonSealingFrame(::ui::CaptionFrame* f) : QObject(f)
{
    makeLabel(f, "Label5_0", "等级", 120, 400);
    m_text12 = (new NumericField(f, "Text12", common::kDigits, 3))->at(600, 360, 495);
    m_text12->setText("0");
    // Enter in the level box lands on 确定, so the button comes before the two boxes.
    auto* compute = (new DcButton(f, "Button10", "确定"))->at(1860, 360, 495, 255);
    connect(compute, &DcButton::click, this, &DemonSealingFrame::button10Click);
    const char* const captions[2] = {"双倍", "三倍"};
    const Place boxes[2] = {{1180, 240}, {1200, 480}};
    for (int i = 0; i < 2; ++i) {
        auto* c = new QCheckBox(QString::fromUtf8(captions[i]), f);
        c->setObjectName(::ui::controlName("Check2", i));
        ::ui::setForeColour(c, ::ui::colours::Magenta);
        ::ui::placeTw(c, boxes[i].left, boxes[i].top, 735, 255);
        connect(c, &QCheckBox::clicked, this, [this, i] { check2Click(i); });
        m_check2[static_cast<std::size_t>(i)] = c;
    }

    for (int k = 0; k < kDemonSealMaps; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto* map = new ::ui::CaptionFrame(f, QString::fromUtf8(DemonSealTierTable[i].name.data(),
                                                                static_cast<qsizetype>(DemonSealTierTable[i].name.size())),
                                           ::ui::colours::PanelBack, kMapCaptionColour);
        map->setObjectName(::ui::controlName("Frame6", k));
        ::ui::placeTw(map, kMapFrames[k].left, kMapFrames[k].top, 2295, 615);
        makeLabel(map, ::ui::controlName("LabelMap", 2 * k), "经验", 120, 280);
        m_text10[i] = (new NumericField(map, ::ui::controlName("Text10", k), common::kDigits, 0))
                          ->at(520, 240, 615)->asResult();
        makeLabel(map, ::ui::controlName("LabelMap", 2 * k + 1), "金钱", 1200, 285);
        m_text11[i] = (new NumericField(map, ::ui::controlName("Text11", k), common::kDigits, 0))
                          ->at(1620, 240, 615)->asResult(); // room for four digits
        m_text10[i]->setText("0");
        m_text11[i]->setText("0");
    }
    // The figures of level 0 with neither box ticked.
    m_text10[0]->setText("600");
    m_text11[0]->setText("150");
}

void DemonSealingFrame::button10Click()
{
    const DemonSealRewards r =
        demonSealRewards(m_text12->wholeNumber(), m_check2[0]->isChecked(), m_check2[1]->isChecked());
    ::ui::warnIfAny(m_text12->window(), r.warning);
    if (r.levelShown)
        m_text12->setText(QString::number(*r.levelShown));
    if (r.untickMultipliers)
        for (QCheckBox* c : m_check2)
            c->setChecked(false);
    for (std::size_t k = 0; k < m_text10.size(); ++k) {
        m_text10[k]->setText(QString::number(r.experience[k]));
        m_text11[k]->setText(QString::number(r.money[k]));
    }
    m_text12->setFocus();
}

void DemonSealingFrame::check2Click(int index)
{
    const auto i = static_cast<std::size_t>(index);
    if (m_check2[i]->isChecked())
        m_check2[1 - i]->setChecked(false);
}

} // namespace calc::ui
