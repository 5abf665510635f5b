#include "beasts/ui/scene_frames.h"

#include "beasts/scenes.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace beasts::ui {

using ::ui::makeLabel;
namespace colours = ::ui::colours;

namespace {
using ::ui::qs;

QLabel* valueLabel(QWidget* parent, const char* name, int left, int top)
{
    QLabel* l = makeLabel(parent, name, {}, left, top);
    ::ui::setForeColour(l, colours::Red);
    return l;
}
} // namespace

SceneFrames::SceneFrames(::ui::CaptionFrame* fullExp, ::ui::CaptionFrame* legend) : QObject(fullExp)
{
    // 召唤兽满经验场景: "<level>级召唤兽于【scene】" / "满经验 双倍:<d> 三倍:<t> (5人组队)"
    m_combo10 = new QComboBox(fullExp);
    m_combo10->setObjectName("Combo10");
    for (int level = 0; level <= kFullExpMaxLevel; ++level)
        m_combo10->addItem(QString::number(level));
    m_combo10->setCurrentIndex(-1);
    m_combo10->setMaxVisibleItems(20);
    ::ui::placeTw(m_combo10, 120, 240, 735, 300);
    connect(m_combo10, &QComboBox::activated, this, &SceneFrames::combo10Click);
    makeLabel(fullExp, "Label6_0", "级召唤兽于【", 915, 300);
    m_values[0] = valueLabel(fullExp, "Label14_0", 1995, 300);
    m_closing = makeLabel(fullExp, "Label6_1", "】", 1995, 300);
    makeLabel(fullExp, "Label6_2", "满经验 双倍:", 120, 645);
    m_values[1] = valueLabel(fullExp, "Label14_1", 1320, 645);
    makeLabel(fullExp, "Label6_3", "三倍:", 2040, 645);
    m_values[2] = valueLabel(fullExp, "Label14_2", 2580, 645);
    makeLabel(fullExp, "Label6_4", "(5人组队)", 3300, 645);

    // 人物传说场景
    m_level = (new ::ui::NumericField(legend, "Text33", common::kDigits, 3))->at(120, 240, 495);
    m_level->setTabStop(false);
    makeLabel(legend, "Label6_7", "级人物可以传说的地点有", 675, 285);
    QLabel* patch = makeLabel(legend, "Label14_3", {}, 2880, 240, 135, 135);
    ::ui::setBackColour(patch, 0x80000013);
    m_places = new QLineEdit(legend);
    m_places->setObjectName("Text22");
    m_places->setReadOnly(true);
    m_places->setFocusPolicy(Qt::ClickFocus);
    ::ui::setForeColour(m_places, colours::Blue);
    ::ui::placeTw(m_places, 120, 600, 2895, 270);
    connect(m_level, &QLineEdit::textChanged, this, &SceneFrames::text33Changed);
}

void SceneFrames::combo10Click()
{
    const std::optional<FullExpSceneRow> row = fullExpSceneFor(m_combo10->currentText().toStdString());
    m_values[0]->setText(row ? qs(row->scene) : QString());
    m_values[1]->setText(row ? QString::number(row->doubleExp) : QString());
    m_values[2]->setText(row ? QString::number(row->tripleExp) : QString());
    for (QLabel* l : m_values)
        l->adjustSize();
    m_closing->move(m_values[0]->geometry().right() + 1, m_closing->y());
}

void SceneFrames::text33Changed()
{
    m_places->setText(qs(legendScenesFor(m_level->text().toStdString())));
    m_places->setCursorPosition(0);
}

} // namespace beasts::ui
