#include "beasts/ui/beast_hp_window.h"

#include "beasts/beast_hp.h"
#include "common/shared_state.h"
#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace beasts::ui {

namespace colours = ::ui::colours;

namespace {

constexpr int kFormBeastShop = 19;
constexpr std::uint32_t kGreen = 0x00C000;
constexpr std::uint32_t kTitleColour = 0xC000C0;
constexpr std::uint32_t kSentinelBack = 0xE0DED0;

// Layout in twips.
constexpr int kClientWidth = 8160;
constexpr int kGridLeft = 180;
constexpr int kGridTop = 690;
constexpr int kColumnWidth = 1575;
constexpr int kRowHeight = 285;
constexpr int kResultTop = kGridTop + 10 * kRowHeight + 165;
constexpr int kLineHeight = 300;

using ::ui::qs;

QFont resultFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("NSimSun"),
                   QStringLiteral("Noto Sans Mono CJK SC")});
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(10.5);
    return f;
}

// A result line drawn on a grid of half-CJK columns: a CJK character takes two columns,
// any other character one, so the blanks that pad the species names line the word 血量
// up whatever the Latin width of the face (the installed CJK face draws Latin at 0.6 of
// a CJK character, not 0.5).
class ColumnLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        p.setFont(font());
        p.setPen(palette().color(QPalette::Text));
        const QFontMetricsF fm(font());
        const qreal column = fm.horizontalAdvance(QString::fromUtf8("血")) / 2;
        const qreal baseline = (height() - fm.height()) / 2 + fm.ascent();
        qreal x = 2;
        for (const char32_t c : text().toStdU32String()) {
            const QString glyph = QString::fromUcs4(&c, 1);
            const qreal cell = (c < 0x80 ? 1 : 2) * column;
            p.drawText(QPointF(x + (cell - fm.horizontalAdvance(glyph)) / 2, baseline), glyph);
            x += cell;
        }
    }
};

QWidget* greenLine(QWidget* parent, const char* name, int top)
{
    return ::ui::makeRule(parent, name, kGreen, QRect(0, ::ui::tw(top), ::ui::tw(kClientWidth), 2));
}

} // namespace

// A scene label: a click anywhere on it chooses its scene.
class SceneLabel : public QLabel {
public:
    SceneLabel(QWidget* parent, int index, BeastHpWindow* owner) : QLabel(parent), m_index(index), m_owner(owner)
    {
        setObjectName(::ui::controlName("Label2", index));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QLabel::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_owner->label2Click(m_index);
    }

private:
    int m_index;
    BeastHpWindow* m_owner;
};

BeastHpWindow::BeastHpWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("召唤兽血量值"));
    setClientSizeTw(kClientWidth, kResultTop + 7 * kLineHeight + 240);

    auto* frame1 = ::ui::makeBackdrop(this, "Frame1");

    auto* title = new QLabel(QStringLiteral("各场景召唤兽血量值"), frame1);
    title->setObjectName("Label1");
    QFont tf = title->font();
    tf.setPointSizeF(14.25);
    tf.setBold(true);
    title->setFont(tf);
    ::ui::setForeColour(title, colours::Magenta);
    title->adjustSize();
    title->move((width() - title->width()) / 2, ::ui::tw(120));
    greenLine(frame1, "Line1_0", 570);

    auto* clear = (new ::ui::DcButton(frame1, "Command2", QStringLiteral("清空")))->at(120, 120, 735, 315);
    clear->setVisible(false);
    connect(clear, &::ui::DcButton::click, this, &BeastHpWindow::command2Click);
    auto* close = (new ::ui::DcButton(frame1, "Command1", QStringLiteral("关闭")))->at(kClientWidth - 855, 120, 735, 315);
    close->setVisible(false);
    connect(close, &::ui::DcButton::click, this, &BeastHpWindow::command1Click);

    for (int i = 0; i < beasts::kSceneCount; ++i) {
        auto* l = new SceneLabel(frame1, i, this);
        l->setText(qs(sceneCaption(i)));
        ::ui::setForeColour(l, colours::Blue);
        const GridCell c = sceneGridCell(i);
        ::ui::placeTw(l, kGridLeft + kColumnWidth * c.column, kGridTop + kRowHeight * c.row, kColumnWidth - 60,
                      kRowHeight);
        m_labels[static_cast<std::size_t>(i)] = l;
    }
    // The sentinel sits just after the caption of 小西天.
    {
        auto* s = new SceneLabel(frame1, kSentinel, this);
        ::ui::setBackColour(s, kSentinelBack);
        ::ui::setForeColour(s, colours::Blue);
        const QLabel* xiaoxitian = m_labels[45];
        s->setGeometry(xiaoxitian->x() + xiaoxitian->sizeHint().width() + 2, xiaoxitian->y() + 4, 6, 10);
        m_labels[kSentinel] = s;
    }
    greenLine(frame1, "Line1_1", kResultTop - 90);

    auto* back = new QPlainTextEdit(frame1);
    back->setObjectName("Text1");
    back->setReadOnly(true);
    back->setFocusPolicy(Qt::NoFocus);
    ::ui::placeTw(back, 120, kResultTop, kClientWidth - 240, 7 * kLineHeight + 120);
    const QFont mono = resultFont();
    for (int k = 0; k < 7; ++k) {
        auto* e = new ColumnLine(frame1);
        e->setObjectName(::ui::controlName("Text2", k));
        e->setReadOnly(true);
        e->setFrame(false);
        e->setFont(mono);
        e->setFocusPolicy(Qt::ClickFocus);
        ::ui::setForeColour(e, k == 0 ? kTitleColour : (k % 2 == 1 ? colours::Blue : colours::Magenta));
        ::ui::placeTw(e, 180, kResultTop + 60 + kLineHeight * k, kClientWidth - 360, kLineHeight);
        m_lines[static_cast<std::size_t>(k)] = e;
    }
    m_currentScene = kSentinel;
}

void BeastHpWindow::label2Click(int index)
{
    if (index < 0 || index > kSentinel)
        return;
    for (QLineEdit* e : m_lines)
        e->clear();
    if (index != m_currentScene) {
        ::ui::setForeColour(m_labels[static_cast<std::size_t>(index)], colours::Red);
        ::ui::setForeColour(m_labels[static_cast<std::size_t>(m_currentScene)], colours::Blue);
        m_currentScene = index;
    }
    if (index >= beasts::kSceneCount)
        return;
    m_lines[0]->setText(qs(sceneTitle(index)));
    const std::vector<std::string> lines = sceneLines(index);
    for (std::size_t k = 0; k < lines.size() && k < 6; ++k)
        m_lines[k + 1]->setText(qs(lines[k]));
}

void BeastHpWindow::command2Click()
{
    for (QLineEdit* e : m_lines)
        e->clear();
    ::ui::setForeColour(m_labels[static_cast<std::size_t>(m_currentScene)], colours::Blue);
}

void BeastHpWindow::command1Click() { ::ui::forms().unload(kNumber); }

void BeastHpWindow::queryUnload()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    ::ui::Forms& f = ::ui::forms();
    if (f.shuttingDown())
        return;
    if (common::PetShopOpen) {
        if (::ui::FormWindow* shop = f.form(kFormBeastShop))
            shop->setVisible(true);
    } else {
        f.setMainVisible();
    }
}

} // namespace beasts::ui
