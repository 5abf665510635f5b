#include "beasts/ui/child_tables_frame.h"

#include "beasts/child_tables.h"
#include "common/ui/controls.h"
#include "common/ui/twips.h"

#include <QComboBox>
#include <QLabel>

namespace beasts::ui {

using ::ui::makeLabel;
namespace colours = ::ui::colours;

namespace {
using ::ui::qs;

QComboBox* picker(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    ::ui::placeTw(c, left, top, width, 300);
    return c;
}

// A magenta rule across the frame.
void rule(QWidget* parent, const char* name, int top)
{
    ::ui::makeRule(parent, name, colours::Magenta, QRect(::ui::tw(60), ::ui::tw(top), parent->width() - 2 * ::ui::tw(60), 1));
}
} // namespace

ChildTablesFrame::ChildTablesFrame(::ui::CaptionFrame* f) : QObject(f)
{
    auto value = [&](int index, int left, int top) {
        QLabel* l = makeLabel(f, ::ui::controlName("Label28", index), {}, left, top);
        ::ui::setForeColour(l, colours::Blue);
        m_values[static_cast<std::size_t>(index)] = l;
    };
    auto caption = [&](int index, const char* text, int left, int top) {
        makeLabel(f, ::ui::controlName("Label27", index), QString::fromUtf8(text), left, top);
    };

    // Sects
    caption(0, "门派", 120, 180);
    m_combo2 = picker(f, "Combo2", 1020, 120, 1455);
    for (const ChildSectRow& r : ChildSectRequirement)
        m_combo2->addItem(qs(r.sect));
    caption(1, "拜师条件：", 120, 510);
    value(0, 1020, 510);
    caption(2, "可学技能：", 120, 780);
    value(1, 1020, 780);
    caption(3, "师门所加：", 120, 1050);
    value(2, 1020, 1050);
    rule(f, "Line1_0", 1350);

    // Special books
    caption(4, "特技书：", 120, 1500);
    m_combo3 = picker(f, "Combo3", 1020, 1440, 1455);
    for (const SpecialBookRow& r : SpecialBookEffect)
        m_combo3->addItem(qs(r.book));
    caption(5, "属性影响：", 120, 1830);
    value(3, 1020, 1830);
    rule(f, "Line1_1", 2130);

    // Items
    caption(6, "物品使用效果范围:", 120, 2280);
    m_combo8 = picker(f, "Combo8", 1740, 2220, 1455);
    for (const ChildItemRow& r : ChildItemEffect)
        m_combo8->addItem(qs(r.item));
    const char* const left[4] = {"单个范围:", "+5范围:", "+3范围:", "+1范围:"};
    const int leftIdx[4] = {7, 8, 10, 12};
    const char* const right[4] = {"所加临时:", "+4范围:", "+2范围:", "+0范围:"};
    const int rightIdx[4] = {13, 9, 11, 14};
    for (int row = 0; row < 4; ++row) {
        const int top = 2610 + 240 * row;
        caption(leftIdx[row], left[row], 60, top);
        value(4 + 2 * row, 870, top);
        caption(rightIdx[row], right[row], 2220, top);
        value(5 + 2 * row, 2985, top);
    }

    for (QComboBox* c : {m_combo2, m_combo3, m_combo8})
        c->setCurrentIndex(-1);
    connect(m_combo2, &QComboBox::activated, this, &ChildTablesFrame::combo2Click);
    connect(m_combo3, &QComboBox::activated, this, &ChildTablesFrame::combo3Click);
    connect(m_combo8, &QComboBox::activated, this, &ChildTablesFrame::combo8Click);
}

void ChildTablesFrame::show(int first, std::initializer_list<std::string_view> texts)
{
    int i = first;
    for (std::string_view t : texts) {
        QLabel* l = m_values[static_cast<std::size_t>(i++)];
        l->setText(qs(t));
        l->adjustSize();
    }
}

void ChildTablesFrame::combo2Click()
{
    if (const ChildSectRow* r = childSectAt(m_combo2->currentIndex()))
        show(0, {r->requirement, r->skills, r->lessons});
}

void ChildTablesFrame::combo3Click()
{
    if (const SpecialBookRow* r = specialBookAt(m_combo3->currentIndex()))
        show(3, {r->effect});
}

void ChildTablesFrame::combo8Click()
{
    if (const ChildItemRow* r = childItemAt(m_combo8->currentIndex())) {
        const auto& v = r->values;
        show(4, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
    }
}

} // namespace beasts::ui
