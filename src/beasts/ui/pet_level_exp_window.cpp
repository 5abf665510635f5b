#include "beasts/ui/pet_level_exp_window.h"

#include "beasts/level_exp.h"
#include "common/valitext.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/numeric_field.h"
#include "common/ui/twips.h"

#include <QLabel>

namespace beasts::ui {

using ::ui::DcButton;
using ::ui::NumericField;
namespace colours = ::ui::colours;

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
}

PetLevelExpWindow::PetLevelExpWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("召唤兽升级经验"));
    setClientSizeTw(6600, 1200);
    // Only the window itself and its labels are pale blue; the boxes and buttons stay white.
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, ::ui::bgr(colours::PanelBack));
    setPalette(windowPalette);
    setAutoFillBackground(true);

    QFont labelFont = font();
    labelFont.setPointSizeF(10.5);
    auto label = [&](int index, const char* text, int left, int top) {
        QLabel* l = ::ui::makeLabel(this, ::ui::controlName("Label1", index), QString::fromUtf8(text), left, top);
        l->setFont(labelFont);
        l->adjustSize();
        ::ui::setBackColour(l, colours::PanelBack);
    };
    auto field = [&](int index, int left, int top, int width) {
        auto* t = (new NumericField(this, ::ui::controlName("Text1", index), common::kDigits, 3))->at(left, top, width);
        m_text1[static_cast<std::size_t>(index)] = t;
        return t;
    };

    label(0, "召唤兽由", 120, 285);
    field(0, 1080, 240, 495);
    label(1, "级升到", 1680, 285);
    field(1, 2400, 240, 495);
    label(2, "级，需要", 3000, 285);
    field(2, 3960, 240, 1215)->asResult()->setMaxLength(10);
    label(3, "点经验。", 5280, 285);

    label(4, "升第", 120, 765);
    field(3, 600, 720, 495)->asResult();
    label(5, "级需要的经验是", 1200, 765);
    field(4, 2760, 720, 1215)->asResult()->setMaxLength(10);
    auto* ok = (new DcButton(this, "dcButton1", QStringLiteral("确定"), 0))->at(4320, 720, 855, 300);
    auto* reset = (new DcButton(this, "dcButton1", QStringLiteral("重置"), 1))->at(5400, 720, 855, 300);
    for (DcButton* b : {ok, reset}) {
        b->setBackColour(kWhite);
        connect(b, &DcButton::click, this, &PetLevelExpWindow::dcButton1Click);
    }

    for (NumericField* t : m_text1)
        t->setText("0");
    // Tab order: Text1(0), Text1(1), then 确定.
    QWidget::setTabOrder(m_text1[0], m_text1[1]);
    QWidget::setTabOrder(m_text1[1], ok);
    m_text1[0]->setFocus();
}

void PetLevelExpWindow::dcButton1Click(int index)
{
    if (index == 0) {
        const PetLevelExpResult r = petLevelExperience(m_text1[0]->utf8(), m_text1[1]->utf8());
        if (!r.warning.empty()) {
            ::ui::warningBox(this, QString::fromStdString(r.warning));
            return;
        }
        m_text1[2]->setText(QString::number(r.total));
        m_text1[3]->setText(QString::fromStdString(r.echo));
        m_text1[4]->setText(QString::number(r.lastStep));
    } else if (index == 1) {
        for (NumericField* t : m_text1)
            t->setText("0");
    }
}

} // namespace beasts::ui
