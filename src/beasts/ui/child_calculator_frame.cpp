#include "beasts/ui/child_calculator_frame.h"

#include "beasts/ui/drawn_card.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/hold_repeat.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace beasts::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;
using ::ui::qs;
namespace colours = ::ui::colours;

namespace {

constexpr int kRepeatMs = 70;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// A colour per portrait card.
const QColor kCardColours[6][2] = {
    {{0xFF, 0xB7, 0x4D}, {0xE6, 0x51, 0x00}}, {{0xF4, 0x8F, 0xB1}, {0xC2, 0x18, 0x5B}},
    {{0x81, 0xD4, 0xFA}, {0x02, 0x77, 0xBD}}, {{0xCE, 0x93, 0xD8}, {0x7B, 0x1F, 0xA2}},
    {{0xEF, 0x9A, 0x9A}, {0xC6, 0x28, 0x28}}, {{0xA5, 0xD6, 0xA7}, {0x2E, 0x7D, 0x32}},
};

const char* const kAptitudeCaptions[6] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质"};
const char* const kPointCaptions[5] = {"体质", "法力", "力量", "耐力", "敏捷"};
const char* const kResultCaptions[6] = {"气血", "魔法", "攻击", "防御", "速度", "灵力"};

// The locked look: read-only and pale green; or editable in the given colour.
void lock(QLineEdit* box, bool locked, std::uint32_t openColour = colours::WindowBack)
{
    box->setReadOnly(locked);
    ::ui::setBackColour(box, locked ? colours::ActiveTab : openColour);
}

QString vertical(const QString& s)
{
    QStringList chars;
    for (QChar c : s)
        chars << QString(c);
    return chars.join('\n');
}

// Takes back the character before the caret, as a Backspace would: with the caret at the
// start there is none, and nothing changes. The change it makes is checked in turn, with
// the caret already where the Backspace leaves it.
void takeBackKeystroke(QLineEdit* box)
{
    box->backspace();
}

} // namespace

ChildCalculatorFrame::ChildCalculatorFrame(::ui::CaptionFrame* frame) : QObject(frame), m_frame(frame)
{
    // The portraits share one place; one shows at a time.
    for (int i = 0; i < 6; ++i) {
        auto* img = new QLabel(frame);
        img->setObjectName(::ui::controlName("Image1", i));
        ::ui::placeTw(img, 120, 120, 1275, 1395);
        img->setPixmap(drawnCard(img->size(), qs(kChildPortraits[static_cast<std::size_t>(i)]), kCardColours[i][0],
                                 kCardColours[i][1]));
        img->setVisible(i == 0);
        img->installEventFilter(this);
        m_portraits[static_cast<std::size_t>(i)] = img;
    }
    m_portraitName = makeLabel(frame, "Label26", vertical(qs(kChildPortraits[0])), 1440, 120, 240, 1395);
    m_portraitName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ::ui::setForeColour(m_portraitName, colours::Blue);

    // Right of the portrait: level, growth and the six aptitudes.
    auto inputRow = [&](int row, const char* caption, const QString& name, std::u32string_view allowed, int maxLen) {
        const int y = 120 + 285 * row;
        makeLabel(frame, ::ui::controlName("Label25", row), caption, 1740, y + 30);
        auto* box = (new NumericField(frame, name, allowed, maxLen))->at(2520, y, 735, 255);
        return box;
    };
    m_level = inputRow(0, "等级", "Text37", common::kDigits, 3);
    m_growth = inputRow(1, "成长", "Text31", common::kDigitsAndPoint, 5);
    lock(m_level, false);
    lock(m_growth, false, kWhite);
    for (int i = 0; i < 6; ++i) {
        m_aptitudes[static_cast<std::size_t>(i)] =
            inputRow(2 + i, kAptitudeCaptions[i], ::ui::controlName("Text36", i), common::kDigits, 4);
        lock(m_aptitudes[static_cast<std::size_t>(i)], false);
    }

    // Below the portrait: points with their shares.
    for (int i = 0; i < 5; ++i) {
        const int y = 1620 + 285 * i;
        const std::size_t k = static_cast<std::size_t>(i);
        makeLabel(frame, ::ui::controlName("Label25", 8 + i), kPointCaptions[i], 120, y + 30);
        m_points[k] = (new NumericField(frame, ::ui::controlName("Text34", i), common::kDigits, 4))
                          ->at(540, y, 600, 255)
                          ->asResult();
        m_shares[k] = (new NumericField(frame, ::ui::controlName("Text35", i), common::kDigitsAndPoint, 3))
                          ->at(1200, y, 480, 255)
                          ->asResult();
        m_points[k]->setFocusPolicy(Qt::NoFocus);
        m_shares[k]->setFocusPolicy(Qt::NoFocus);
        m_points[k]->setText("0");
        m_shares[k]->setText("0");
        lock(m_points[k], true);
        lock(m_shares[k], true);
        connect(m_shares[k], &QLineEdit::textChanged, this, &ChildCalculatorFrame::shareChanged);
    }
    // Bottom right: the six results.
    for (int i = 0; i < 6; ++i) {
        const int y = 2460 + 270 * i;
        const std::size_t k = static_cast<std::size_t>(i);
        makeLabel(frame, ::ui::controlName("Label25", 13 + i), kResultCaptions[i], 2100, y + 30);
        m_results[k] = (new NumericField(frame, ::ui::controlName("Text32", i), common::kDigits, 0))
                           ->at(2520, y, 735, 255)
                           ->asResult();
        m_results[k]->setFocusPolicy(Qt::NoFocus);
        m_results[k]->setText("0");
        lock(m_results[k], true);
    }

    const char* captions[3] = {"确定", "重设", "改点"};
    const int lefts[3] = {120, 660, 1200};
    for (int i = 0; i < 3; ++i) {
        auto* b = (new DcButton(frame, "dcButton11", QString::fromUtf8(captions[i]), i))->at(lefts[i], 3090, 480, 285);
        connect(b, &DcButton::click, this, &ChildCalculatorFrame::dcButton11Click);
        m_buttons[static_cast<std::size_t>(i)] = b;
    }
    m_buttons[1]->setTabStop(false);
    m_buttons[2]->setTabStop(false);
    m_buttons[1]->setEnabled(false);
    m_buttons[2]->setEnabled(false);

    m_hold = new ::ui::HoldRepeat(frame->window(), kRepeatMs, [this] { return levelTick(); });
    m_hold->setObjectName("Timer4");
    const char* stepCaptions[2] = {"+", "-"};
    for (int i = 0; i < 2; ++i) {
        auto* b = (new DcButton(frame, "dcButton13", QString::fromUtf8(stepCaptions[i]), i))->at(120 + 540 * i, 3420, 480, 255);
        b->setTabStop(false);
        b->setEnabled(false);
        connect(b, &DcButton::mouseDown, this, [this, b](int index, int button) {
            if (button != 1)
                return;
            m_stepDirection = index == 0 ? 1 : -1;
            m_hold->start(b);
        });
        connect(b, &DcButton::mouseUp, this, [this](int, int button) {
            if (button == 1)
                m_hold->stop();
        });
        m_steppers[static_cast<std::size_t>(i)] = b;
    }

    // Focus order: level, growth, aptitudes, 确定, shares, 改点.
    QList<QWidget*> order{m_level, m_growth};
    for (auto* b : m_aptitudes)
        order << b;
    order << m_buttons[0];
    for (auto* b : m_shares)
        order << b;
    order << m_buttons[2];
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);

    connect(m_growth, &QLineEdit::textChanged, this, &ChildCalculatorFrame::growthChanged);
}

ChildFigures ChildCalculatorFrame::figures() const
{
    ChildFigures f;
    f.level = m_level->utf8();
    for (std::size_t i = 0; i < f.aptitudes.size(); ++i)
        f.aptitudes[i] = m_aptitudes[i]->utf8();
    return f;
}

void ChildCalculatorFrame::growthChanged()
{
    const BoxCheck c = checkChildGrowthBox(m_growth->utf8());
    if (c.tooltip)
        m_growth->setToolTip(qs(*c.tooltip));
    if (c.undo)
        takeBackKeystroke(m_growth);
}

void ChildCalculatorFrame::shareChanged()
{
    auto* box = qobject_cast<QLineEdit*>(sender());
    if (!box || box->text().isEmpty())
        return;
    const BoxCheck c = checkShareBox(box->text().toStdString());
    std::array<std::string, 5> shares;
    for (std::size_t i = 0; i < shares.size(); ++i)
        shares[i] = m_shares[i]->utf8();
    const QString tip = qs(shareTooltip(shares));
    for (auto* s : m_shares)
        s->setToolTip(tip);
    if (c.undo)
        takeBackKeystroke(box);
}

void ChildCalculatorFrame::showOutcome(const ChildOutcome& r)
{
    if (!r.levelText.empty())
        m_level->setText(qs(r.levelText));
    for (std::size_t i = 0; i < m_points.size(); ++i)
        m_points[i]->setText(QString::number(r.points[i]));
    for (std::size_t i = 0; i < m_results.size(); ++i)
        m_results[i]->setText(QString::number(r.results[i]));
}

void ChildCalculatorFrame::setResultState(bool on)
{
    lock(m_level, on);
    lock(m_growth, on);
    for (auto* a : m_aptitudes)
        lock(a, on);
    for (auto* s : m_shares) {
        lock(s, !on);
        s->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    }
    m_buttons[0]->setEnabled(!on);
    m_buttons[1]->setEnabled(on);
    m_buttons[2]->setEnabled(on);
    m_buttons[2]->setTabStop(on);
    for (auto* b : m_steppers)
        b->setEnabled(on);
}

void ChildCalculatorFrame::dcButton11Click(int index)
{
    QWidget* w = m_frame->window();
    switch (index) {
    case 0: {
        if (!m_buttons[0]->isEnabled())
            return;
        const ChildOutcome r = m_calc.confirm(figures(), m_growth->utf8());
        if (!r.warning.empty()) {
            ::ui::warningBox(w, qs(r.warning));
            if (r.warning == kMsgChildEmpty)
                m_level->setFocus();
            return;
        }
        m_growth->setText(qs(r.growthText));
        showOutcome(r);
        setResultState(true);
        break;
    }
    case 1:
        if (!m_buttons[1]->isEnabled())
            return;
        m_hold->stop();
        m_calc.reset();
        for (auto* s : m_shares)
            s->setText("0");
        setResultState(false);
        break;
    case 2: {
        if (!m_buttons[2]->isEnabled())
            return;
        std::array<std::string, 5> shares;
        for (std::size_t i = 0; i < shares.size(); ++i)
            shares[i] = m_shares[i]->utf8();
        const ChildOutcome r = m_calc.split(figures(), shares);
        if (!r.warning.empty())
            ::ui::warningBox(w, qs(r.warning));
        else if (r.changed)
            showOutcome(r);
        break;
    }
    default:
        break;
    }
}

bool ChildCalculatorFrame::levelTick()
{
    const ChildOutcome r = m_calc.levelStep(figures(), m_stepDirection);
    if (!r.changed)
        return false; // at 160 or 0 the timer switches itself off
    showOutcome(r);
    return true;
}

bool ChildCalculatorFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == m_portraits[static_cast<std::size_t>(m_portrait)]) {
        const Qt::MouseButton b = static_cast<QMouseEvent*>(event)->button();
        const int next = nextPortrait(m_portrait, b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : 4);
        if (next != m_portrait) {
            m_portraits[static_cast<std::size_t>(next)]->setVisible(true);
            m_portraits[static_cast<std::size_t>(m_portrait)]->setVisible(false);
            m_portrait = next;
            m_portraitName->setText(vertical(qs(kChildPortraits[static_cast<std::size_t>(next)])));
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace beasts::ui
