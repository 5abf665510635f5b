#include "reference/skills/ui/formation_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"
#include "reference/skills/ui/skill_tiles.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace skills::ui {

namespace colours = ::ui::colours;
using ::ui::CaptionFrame;
using ::ui::DcButton;
using ::ui::qs;

namespace {

constexpr std::uint32_t kViewButtonBack = 0xE0F3F6;
constexpr std::uint32_t kDiagramBack = 0xC0FFC0;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

QLabel* boldLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, double points,
                  std::uint32_t colour)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(songFont(points, true));
    ::ui::setForeColour(l, colour);
    l->adjustSize();
    l->move(::ui::tw(left), ::ui::tw(top));
    return l;
}

void setCaption(QLabel* l, const QString& text, std::uint32_t colour)
{
    l->setText(text);
    ::ui::setForeColour(l, colour);
    l->adjustSize(); // the label fits its size to its caption
}

// The opponent's value label stands left of the arrow that points at the own picture.
// Grown to the right from its place, a caption such as "-10%" would run across that
// arrow's shaft; so the label keeps its top and ends just left of where the shaft passes
// that height (the shaft runs down to the right, so it is clear of the rest of the label).
void standLeftOf(QLabel* l, const LineShape* shaft, int topTw)
{
    const QPoint a = shaft->from();
    const QPoint b = shaft->to();
    const int shaftTw = a.x() + (topTw - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
    l->move(::ui::tw(shaftTw) - 2 - l->width(), ::ui::tw(topTw));
}

constexpr int kOpponentValueTop = 2280;

} // namespace

LineShape::LineShape(QObject* parent, int index, QPoint from, QPoint to) : QObject(parent), m_from(from), m_to(to)
{
    setObjectName(::ui::controlName("Line1", index));
}

// A formation's picture. Where each of its five members stands is not among what we
// know of the game, so the picture names the formation and its five places ① to ⑤ and
// says that the standing places are missing, instead of drawing an arrangement.
class FormationPicture : public QWidget {
public:
    FormationPicture(QWidget* parent, const char* base, int index, bool own)
        : QWidget(parent), m_index(index), m_own(own)
    {
        setObjectName(::ui::controlName(base, index));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The opponent's picture keeps to its upper left, the own one to its lower right,
        // where the two do not overlap.
        const int w = width() * 5 / 9;
        const int h = height() * 4 / 9;
        const QRect box = m_own ? QRect(width() - w - 4, height() - h - 4, w, h) : QRect(4, 4, w, h);
        p.setPen(QPen(QColor(90, 150, 90), 1));
        p.setBrush(QColor(232, 255, 232));
        p.drawRoundedRect(box, 6, 6);

        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(10, h / 5));
        p.setFont(f);
        p.setPen(QColor(30, 90, 30));
        const QRect nameRect(box.left(), box.top() + 4, box.width(), box.height() / 3);
        p.drawText(nameRect, Qt::AlignCenter, qs(formations()[at(m_index)].caption));

        static const char* const kCircled[] = {"①", "②", "③", "④", "⑤"};
        f.setBold(false);
        f.setPixelSize(std::max(9, h / 6));
        p.setFont(f);
        const QFontMetrics fm(f);
        const QRect digits(box.left(), nameRect.bottom(), box.width(), box.height() / 3);
        int total = 0;
        for (const char* c : kCircled)
            total += fm.horizontalAdvance(QString::fromUtf8(c)) + 2;
        int x = digits.left() + (digits.width() - total) / 2;
        for (int k = 0; k < 5; ++k) {
            const QString c = QString::fromUtf8(kCircled[k]);
            p.setPen(k == 0 ? QColor(255, 0, 0) : QColor(30, 30, 30));
            p.drawText(QRect(x, digits.top(), fm.horizontalAdvance(c) + 2, digits.height()), Qt::AlignCenter, c);
            x += fm.horizontalAdvance(c) + 2;
        }
        f.setPixelSize(std::max(8, h / 8));
        p.setFont(f);
        p.setPen(QColor(110, 110, 110));
        p.drawText(QRect(box.left(), digits.bottom(), box.width(), box.bottom() - digits.bottom()), Qt::AlignCenter,
                   QStringLiteral("站位暂缺"));
    }

private:
    int m_index;
    bool m_own;
};

// The four lines of the diagram, drawn above the pictures and below the labels.
class ArrowLayer : public QWidget {
public:
    explicit ArrowLayer(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        for (const LineShape* l : findChildren<LineShape*>()) {
            p.setPen(QPen(::ui::bgr(l->colour()), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(l->from().x() / 15.0, l->from().y() / 15.0),
                       QPointF(l->to().x() / 15.0, l->to().y() / 15.0));
        }
    }
};

FormationWindow::FormationWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("阵法介绍"));
    setClientSizeTw(6825, 6330);
    ::ui::setBackColour(this, colours::PanelBack);

    const char* captions[] = {"对阵图", "阵克制表", "颜色说明"};
    for (int i = 0; i < 3; ++i) {
        auto* b = (new DcButton(this, "dcButton1", QString::fromUtf8(captions[i]), i))->at(120 + 960 * i, 120, 855, 255);
        b->setBackColour(kViewButtonBack);
        connect(b, &DcButton::click, this, &FormationWindow::viewClick);
    }
    ::ui::setForeColour(::ui::makeLabel(this, "Label4", QStringLiteral("听雨轩"), 5640, 165), colours::Blue);

    for (int i = 0; i < 2; ++i) {
        auto* view = new CaptionFrame(this, {}, colours::PanelBack);
        view->setObjectName(::ui::controlName("Frame1", i));
        ::ui::placeTw(view, 120, 360, 6615, 5895);
        view->setVisible(i == 0);
        m_views[at(i)] = view;
    }
    buildDiagramView(m_views[0]);
    buildTableView(m_views[1]);

    // Loading: both sides on 普通阵.
    setBoxText(m_texts[0], formationDescription(0));
    setBoxText(m_texts[1], formationDescription(0));
}

void FormationWindow::buildDiagramView(QWidget* view)
{
    struct Column {
        const char* heading;
        std::uint32_t colour;
        const char* options;
        int left;
    } const columns[] = {{"对方", colours::Red, "Option1", 120}, {"己方", colours::Blue, "Option2", 5400}};
    for (int side = 0; side < 2; ++side) {
        const Column& c = columns[side];
        auto* frame = new CaptionFrame(view, {}, colours::PanelBack);
        frame->setObjectName(::ui::controlName("Frame2", side));
        ::ui::placeTw(frame, c.left, 120, 1095, 4335);
        boldLabel(frame, ::ui::controlName("Label1", side), QString::fromUtf8(c.heading), 315, 360, 10.5, c.colour);
        for (int k = 0; k < kFormationCount; ++k) {
            auto* option = new QRadioButton(qs(formations()[at(k)].caption), frame);
            option->setObjectName(::ui::controlName(c.options, k));
            ::ui::placeTw(option, 120, 840 + 360 * k, 855, 255);
            ::ui::setForeColour(option, kButtonTextColour);
            option->setChecked(k == 0);
            if (side == 0) {
                connect(option, &QRadioButton::clicked, this, [this, k] { opponentClick(k); });
                m_opponentList[at(k)] = option;
            } else {
                connect(option, &QRadioButton::clicked, this, [this, k] { ownClick(k); });
                m_ownList[at(k)] = option;
            }
        }
    }

    auto* diagram = new CaptionFrame(view, {}, kDiagramBack);
    diagram->setObjectName("Frame3");
    ::ui::placeTw(diagram, 1200, 120, 4215, 4335);
    for (int k = 0; k < kFormationCount; ++k) {
        m_opponentPictures[at(k)] = new FormationPicture(diagram, "Image1", k, false);
        ::ui::placeTw(m_opponentPictures[at(k)], 0, 120, 2600, 2600);
        m_opponentPictures[at(k)]->setVisible(k == 0);
        m_ownPictures[at(k)] = new FormationPicture(diagram, "Image2", k, true);
        ::ui::placeTw(m_ownPictures[at(k)], 1560, 1680, 2625, 2625);
        m_ownPictures[at(k)]->setVisible(k == 0);
    }
    m_arrows = new ArrowLayer(diagram);
    m_arrows->setGeometry(diagram->rect());
    const QPoint ends[4][2] = {{{1800, 1800}, {2520, 2520}},
                               {{1800, 1800}, {2040, 1800}},
                               {{1680, 1920}, {2400, 2640}},
                               {{2160, 2640}, {2400, 2640}}};
    for (int i = 0; i < 4; ++i)
        m_lines[at(i)] = new LineShape(m_arrows, i, ends[i][0], ends[i][1]);

    const QString plainName = qs(formationNameLabel(0));
    m_names[1] = boldLabel(diagram, "Label3_1", plainName, 90, 2760, 10.5, colours::Blue);
    m_names[0] = boldLabel(diagram, "Label3_0", plainName, 2850, 1440, 10.5, colours::Blue);
    m_values[0] = boldLabel(diagram, "Label2_0", QStringLiteral("0"), 2280, 1920, 14.25, colours::Magenta);
    m_values[1] = boldLabel(diagram, "Label2_1", QStringLiteral("0"), 1815, kOpponentValueTop, 14.25, colours::Magenta);
    standLeftOf(m_values[1], m_lines[2], kOpponentValueTop);
    for (QLabel* l : {m_names[0], m_names[1], m_values[0], m_values[1]})
        l->raise();

    m_texts[0] = makeTextBox(view, "Text1_0", 120, 4480, 3135, 1335, colours::Blue);
    m_texts[1] = makeTextBox(view, "Text1_1", 3360, 4480, 3135, 1335, colours::Blue);
    m_texts[2] = makeTextBox(view, "Text1_2", 3360, 4480, 3135, 1335, colours::Blue);
    setBoxText(m_texts[2], colourLegendText());
    m_texts[2]->setVisible(false);
}

void FormationWindow::buildTableView(QWidget* view)
{
    constexpr int n = kFormationCount + 1;
    auto* table = new QTableWidget(n, n, view);
    table->setObjectName("Image3");
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ::ui::placeTw(table, 45, 120, 6525, 4215);
    auto cell = [&](int r, int c, const QString& text, std::uint32_t colour, bool bold) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        item->setForeground(::ui::bgr(colour));
        QFont f = table->font();
        f.setBold(bold);
        item->setFont(f);
        table->setItem(r, c, item);
    };
    cell(0, 0, QStringLiteral("阵法名"), colours::Black, true);
    for (int a = 0; a < kFormationCount; ++a) {
        const QString name = qs(formationTableName(a));
        cell(0, a + 1, name, colours::Black, true);
        cell(a + 1, 0, name, colours::Black, true);
        for (int b = 0; b < kFormationCount; ++b) {
            const int v = counterValue(a, b);
            cell(a + 1, b + 1, qs(counterTableText(v)), counterTableColour(v), false);
        }
    }
    // The grid fills the picture's place.
    const int w = table->width() - 2 * table->frameWidth();
    const int h = table->height() - 2 * table->frameWidth();
    for (int i = 0; i < n; ++i) {
        table->setColumnWidth(i, w / n + (i < w % n ? 1 : 0));
        table->setRowHeight(i, h / n + (i < h % n ? 1 : 0));
    }

    QPlainTextEdit* explanation = makeTextBox(view, "Text2", 0, 4440, 6615, 1335, colours::Black);
    setBoxText(explanation, counterTableExplanation());
}

void FormationWindow::viewClick(int index)
{
    switch (index) {
    case 0:
        m_views[0]->setVisible(true);
        m_views[1]->setVisible(false);
        break;
    case 1:
        m_views[1]->setVisible(true);
        m_views[0]->setVisible(false);
        break;
    case 2:
        m_texts[2]->setVisible(m_texts[2]->isHidden());
        break;
    default:
        break;
    }
}

void FormationWindow::drawDiagram()
{
    const CounterDiagram d = counterDiagram(m_opponent, m_own);
    setCaption(m_values[1], qs(d.opponentCaption), d.opponentColour);
    standLeftOf(m_values[1], m_lines[2], kOpponentValueTop);
    setCaption(m_values[0], qs(d.ownCaption), d.ownColour);
    m_lines[2]->setColour(d.opponentColour);
    m_lines[3]->setColour(d.opponentColour);
    m_lines[0]->setColour(d.ownColour);
    m_lines[1]->setColour(d.ownColour);
    m_arrows->update();
}

void FormationWindow::opponentClick(int index)
{
    if (index < 0 || index >= kFormationCount)
        return;
    m_opponent = index;
    setBoxText(m_texts[0], formationDescription(index));
    setCaption(m_names[1], qs(formationNameLabel(index)), colours::Blue);
    for (int k = 0; k < kFormationCount; ++k)
        ::ui::setForeColour(m_ownList[at(k)], counterListColour(counterValue(index, k)));
    drawDiagram();
    if (m_opponentPicture != index) {
        m_opponentPictures[at(index)]->setVisible(true);
        m_opponentPictures[at(m_opponentPicture)]->setVisible(false);
        m_opponentPicture = index;
    }
}

void FormationWindow::ownClick(int index)
{
    if (index < 0 || index >= kFormationCount)
        return;
    m_own = index;
    setBoxText(m_texts[1], formationDescription(index));
    setCaption(m_names[0], qs(formationNameLabel(index)), colours::Blue);
    drawDiagram();
    if (m_ownPicture != index) {
        m_ownPictures[at(index)]->setVisible(true);
        m_ownPictures[at(m_ownPicture)]->setVisible(false);
        m_ownPicture = index;
    }
}

void FormationWindow::queryUnload() { ::ui::forms().setMainVisible(); }

} // namespace skills::ui
