#include "calc/ui/cultivation_steps_window.h"

#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>

namespace calc::ui {

using ::ui::DcButton;
using ::ui::makeLabel;
using ::ui::NumericField;

namespace {

constexpr int kPanelHeight = 1440;
const char* const kKinds[4] = {"攻击修炼", "法术修炼", "物理防御", "法术防御"};

QString priceNote(int price) { return price == kAttackPrice ? QStringLiteral("(30000两一次)") : QStringLiteral("(20000两一次)"); }

} // namespace

CultivationStepsWindow::CultivationStepsWindow() : FormWindow(26)
{
    setWindowTitle(QStringLiteral("飞升降修计算"));
    setClientSizeTw(5610, 3000);
    buildPanel(0, 0);
    ::ui::makeRule(this, "Line1", ::ui::colours::Blue, QRect(0, ::ui::tw(kPanelHeight), ::ui::tw(5610), 1));
    buildPanel(1, kPanelHeight);
    // Load: ticks cleared, both prices 3, kinds at index 0 and every box "0".
    for (Panel& p : m_panels)
        display(p);
}

void CultivationStepsWindow::buildPanel(int panel, int top)
{
    Panel& p = m_panels[static_cast<std::size_t>(panel)];
    const int n = panel + 1; // the number in the controls' names
    const QByteArray option = "Option" + QByteArray::number(n);
    const QByteArray button = "dcButton" + QByteArray::number(n);
    const QByteArray text = "Text" + QByteArray::number(n);
    const QByteArray label = "Label" + QByteArray::number(n);

    auto* frame = new ::ui::CaptionFrame(this, {}, 0x8000000F);
    frame->setObjectName(QStringLiteral("Frame%1").arg(n));
    ::ui::placeTw(frame, 120, top + 60, 5370, 495);
    for (int i = 0; i < 4; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(kKinds[i]), frame);
        o->setObjectName(::ui::controlName(option.constData(), i));
        ::ui::placeTw(o, 120 + 1320 * i, 120, 1215, 255);
        connect(o, &QRadioButton::clicked, this, [this, panel, i] { optionClick(panel, i); });
        p.options[static_cast<std::size_t>(i)] = o;
    }
    p.options[0]->setChecked(true);

    // -1 [level] +1 级共需要金钱 [total] 万两. [飞升降修]
    const int row1 = top + 720;
    auto* down = (new DcButton(this, button.constData(), "-1", 1))->at(120, row1, 375, 270);
    p.texts[0] = (new NumericField(this, ::ui::controlName(text.constData(), 0), common::kDigits, 0))
                     ->at(540, row1, 495)->asResult();
    auto* up = (new DcButton(this, button.constData(), "+1", 0))->at(1080, row1, 375, 270);
    makeLabel(this, ::ui::controlName(label.constData(), 1), "级共需要金钱", 1560, row1 + 45);
    p.texts[1] = (new NumericField(this, ::ui::controlName(text.constData(), 1), common::kDigits, 0))
                     ->at(2700, row1, 855)->asResult();
    makeLabel(this, ::ui::controlName(label.constData(), 2), "万两.", 3600, row1 + 45);
    p.freeDown = new QCheckBox(QStringLiteral("飞升降修"), this);
    p.freeDown->setObjectName(QStringLiteral("Check%1").arg(n));
    ::ui::placeTw(p.freeDown, 4260, row1, 1215, 270);
    for (DcButton* b : {up, down})
        connect(b, &DcButton::click, this, [this, panel](int index) { stepClick(panel, index); });

    // 升第 [step level] 级需要金钱 [step money] 万两. (30000两一次)
    const int row2 = top + 1080;
    makeLabel(this, ::ui::controlName(label.constData(), 3), "升第", 120, row2 + 45);
    p.texts[2] = (new NumericField(this, ::ui::controlName(text.constData(), 2), common::kDigits, 0))
                     ->at(540, row2, 495)->asResult();
    makeLabel(this, ::ui::controlName(label.constData(), 4), "级需要金钱", 1080, row2 + 45);
    p.texts[3] = (new NumericField(this, ::ui::controlName(text.constData(), 3), common::kDigits, 0))
                     ->at(2040, row2, 855)->asResult();
    makeLabel(this, ::ui::controlName(label.constData(), 5), "万两.", 2940, row2 + 45);
    p.priceNote = makeLabel(this, ::ui::controlName(label.constData(), 0), priceNote(kAttackPrice), 3600, row2 + 45);
    ::ui::setForeColour(p.priceNote, ::ui::colours::Red);

    for (NumericField* t : p.texts)
        t->installEventFilter(this);
}

void CultivationStepsWindow::display(Panel& p)
{
    p.texts[0]->setText(QString::number(p.steps.level()));
    p.texts[1]->setText(QString::number(p.steps.total()));
    p.texts[2]->setText(QString::number(p.steps.stepLevel()));
    p.texts[3]->setText(QString::number(p.steps.stepMoney()));
    p.priceNote->setText(priceNote(p.steps.price()));
}

void CultivationStepsWindow::stepClick(int panel, int index)
{
    Panel& p = m_panels[static_cast<std::size_t>(panel)];
    if (index == 0)
        p.steps.stepUp();
    else if (index == 1)
        p.steps.stepDown(p.freeDown->isChecked());
    display(p);
}

void CultivationStepsWindow::optionClick(int panel, int index)
{
    Panel& p = m_panels[static_cast<std::size_t>(panel)];
    p.steps.chooseKind(index);
    display(p);
}

void CultivationStepsWindow::textDblClick(int panel, int index)
{
    Panel& p = m_panels[static_cast<std::size_t>(panel)];
    if (index != 0 || !p.steps.canEnterLevel())
        return;
    const std::optional<QString> answer =
        ::ui::inputBox(this, QStringLiteral("请输入你现在的修炼等级"), QStringLiteral("修炼等级"));
    const std::string warning = p.steps.enterLevel(answer.value_or(QString()).toStdString(), p.freeDown->isChecked());
    if (!warning.empty()) {
        ::ui::warningBox(this, QString::fromStdString(warning));
        return;
    }
    display(p);
}

bool CultivationStepsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int panel = 0; panel < 2; ++panel) {
            const Panel& p = m_panels[static_cast<std::size_t>(panel)];
            for (int i = 0; i < 4; ++i)
                if (watched == p.texts[static_cast<std::size_t>(i)]) {
                    textDblClick(panel, i);
                    return true;
                }
        }
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace calc::ui
