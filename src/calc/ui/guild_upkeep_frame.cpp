#include "calc/ui/guild_upkeep_frame.h"

#include "calc/guild_upkeep.h"
#include "common/numbers.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/forms.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>

namespace calc::ui {

using ::ui::makeLabel;

namespace {

constexpr int kResearchForm = 29;
const char* const kBuildingNames[kGuildBuildingKinds] = {"金库:", "书院:", "药房:", "兽室:", "厢房:", "仓库:"};
// Left and top of the building pickers Combo7(1..6) in twips.
constexpr int kPickerPos[kGuildBuildingKinds][2] = {{1800, 240}, {3000, 240}, {4200, 240},
                                                    {5400, 240}, {6600, 240}, {600, 675}};

int pickerNumber(const QComboBox* c) { return static_cast<int>(common::readWholeNumber(c->currentText().toStdString())); }

} // namespace

GuildUpkeepFrame::GuildUpkeepFrame(::ui::CaptionFrame* frame) : QObject(frame)
{
    auto* level = new QComboBox(frame);
    level->setObjectName(::ui::controlName("Combo7", 0));
    for (int g = 0; g <= kMaxGuildLevel; ++g)
        level->addItem(QString::number(g));
    level->setCurrentIndex(-1);
    ::ui::placeTw(level, 120, 210, 495, 300);
    m_pickers[0] = level;
    makeLabel(frame, "Label4_0", "级帮,有", 645, 255);

    QFont bold = frame->font();
    bold.setBold(true);
    for (int k = 0; k < kGuildBuildingKinds; ++k) {
        const int left = kPickerPos[k][0];
        const int top = kPickerPos[k][1];
        QLabel* name = makeLabel(frame, ::ui::controlName("Label17", k), QString::fromUtf8(kBuildingNames[k]), 0, 0);
        name->setFont(bold);
        name->adjustSize();
        name->move(::ui::tw(left - 45) - name->width(), ::ui::tw(top + 15));
        ::ui::setForeColour(name, ::ui::colours::Magenta);
        m_buildings[static_cast<std::size_t>(k)] = name;

        auto* picker = new QComboBox(frame);
        picker->setObjectName(::ui::controlName("Combo7", k + 1));
        picker->addItem("0");
        picker->setCurrentIndex(-1);
        picker->setEnabled(false);
        ::ui::placeTw(picker, left, top - 30, 615, 300);
        m_pickers[static_cast<std::size_t>(k + 1)] = picker;
        if (k == kGuildBuildingKinds - 1) {
            // Second line: 仓库, then the results.
            makeLabel(frame, "Label4_6", "正常维护费用", 1290, 690);
            m_results[0] = (new ::ui::NumericField(frame, "Text28_0", common::kDigits, 0))->at(2370, 660, 795)->asResult();
            makeLabel(frame, "Label4_7", "两,不足", 3195, 690);
            m_results[1] = (new ::ui::NumericField(frame, "Text28_1", common::kDigits, 0))->at(3810, 660, 1020)->asResult();
            makeLabel(frame, "Label4_8", "两不能维护.", 4860, 690);
        }
    }
    for (::ui::NumericField* r : m_results)
        r->setText("0");

    auto* research = (new ::ui::DcButton(frame, "dcButton18", "技能研究经验"))->at(5880, 675, 1455, 255);
    connect(research, &::ui::DcButton::click, this, [] { ::ui::forms().showModal(kResearchForm); });

    for (int i = 0; i < 7; ++i)
        connect(m_pickers[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { pickerClick(i); });
}

void GuildUpkeepFrame::pickerClick(int index)
{
    const int level = pickerNumber(m_pickers[0]);
    if (index == 0) {
        // A new level: every building list offers 0 .. 4 × level and shows 0; at level 0
        // the lists stay as they were, show 0 and are locked.
        for (int i = 1; i <= kGuildBuildingKinds; ++i) {
            QComboBox* picker = m_pickers[static_cast<std::size_t>(i)];
            if (level > 0) {
                picker->setEnabled(true);
                picker->clear();
                for (int j = 0; j <= maxBuildingsPerKind(level); ++j)
                    picker->addItem(QString::number(j));
                picker->setCurrentIndex(0);
            } else {
                picker->setCurrentIndex(picker->findText("0"));
                picker->setEnabled(false);
            }
        }
        writeFigures(level);
        if (level <= 0) {
            m_results[0]->clear();
            m_results[1]->clear();
        }
    } else if (index >= 1 && index <= kGuildBuildingKinds) {
        writeFigures(level);
    }
}

void GuildUpkeepFrame::writeFigures(int level)
{
    BuildingCounts counts{};
    for (std::size_t k = 0; k < counts.size(); ++k)
        counts[k] = pickerNumber(m_pickers[k + 1]);
    const GuildUpkeep u = guildUpkeep(level, counts);
    m_results[0]->setText(QString::number(u.hourly));
    m_results[1]->setText(QString::number(u.fund));
    for (std::size_t k = 0; k < m_buildings.size(); ++k)
        m_buildings[k]->setToolTip(QString::fromStdString(u.tooltips[k]));
}

} // namespace calc::ui
