#include "puzzles/ui/chest_quest_window.h"

#include "common/ui/controls.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "platform/ui/window_order.h"
#include "puzzles/ui/lookup_field.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace puzzles::ui {

namespace {

using ::ui::qs;

// One piece of a puzzle's row: a caption label, or field `field` of the puzzle's array.
struct Piece {
    const char* labelArray; // nullptr for a field
    int index;              // label index or field index
    const char* tall;       // caption in the tall layout
    const char* wide;       // caption in the wide layout (nullptr: as tall)
};

constexpr Piece F(int field) { return {nullptr, field, nullptr, nullptr}; }
constexpr Piece L3(int index, const char* text, const char* wide = nullptr) { return {"Label3", index, text, wide}; }

using Row = std::vector<Piece>;

struct PuzzleFrame {
    int frame; // Frame1 index
    std::vector<Row> tallRows;
    std::vector<Row> wideRows; // empty: as tall
};

// In the order of ChestPuzzle: Text3 … Text12.
const std::array<PuzzleFrame, kChestPuzzleCount>& puzzleFrames()
{
    static const std::array<PuzzleFrame, kChestPuzzleCount> frames{{
        {1, {{{"Label2", 0, "1+2+...+", "1+2+......+"}, F(0)}}, {}},
        {0,
         {{L3(0, "A+B="), F(0), L3(1, "C-B="), F(1), L3(2, "A-C="), F(2), L3(4, "(A+B+C)^2")}},
         {{L3(0, "A+B="), F(0), L3(1, "C-B="), F(1)}, {L3(2, "A-C="), F(2), L3(4, "(A+B+C)^2")}}},
        {3, {{{"Label4", 1, "我爱梦幻西游中的第", nullptr}}, {F(0), {"Label4", 3, "个字是", nullptr}}}, {}},
        {2, {{F(0), L3(5, "X"), F(1)}}, {}},
        {4, {{F(0), F(1), F(2), F(3)}, {L3(9, "大X大-小X小")}}, {}},
        {5, {{F(0), F(1), F(2), F(3)}, {L3(12, "大X小-中X中")}}, {}},
        {6, {{F(0), F(1), F(2)}, {L3(17, "大^2-中X小")}}, {}},
        {7,
         {{L3(18, "("), F(0), F(1), L3(23, "),直径", ") 直径"), F(2)},
          {L3(21, "("), F(3), F(4), L3(22, ")("), F(5), F(6), L3(24, ")")},
          {L3(25, "("), F(7), F(8), L3(26, ")("), F(9), F(10), L3(27, ")")}},
         {}},
        {8,
         {{L3(28, "("), F(0), F(1), L3(29, "),距离最近")},
          {L3(30, "("), F(2), F(3), L3(32, ")("), F(4), F(5), L3(33, ")")},
          {L3(34, "("), F(6), F(7), L3(35, ")("), F(8), F(9), L3(36, ")")}},
         {}},
        {9, {{L3(3, "东园"), F(0), L3(37, "南园"), F(1), L3(38, "西园"), F(2), L3(39, "北园"), F(3)}}, {}},
    }};
    return frames;
}

// Frame1(0) … Frame1(9): left, top, width, height in twips.
constexpr std::array<std::array<int, 4>, 10> kTallFrames{{
    {120, 5520, 4095, 615}, {2400, 4800, 1815, 735}, {2400, 4080, 1815, 735}, {2400, 240, 1815, 975},
    {2400, 1200, 1815, 975}, {2400, 2160, 1815, 975}, {2400, 3120, 1815, 975}, {120, 2880, 2175, 1335},
    {120, 4200, 2175, 1335}, {120, 6120, 4095, 615},
}};
constexpr std::array<std::array<int, 4>, 10> kWideFrames{{
    {2880, 600, 2175, 975}, {2880, 0, 2175, 615}, {2880, 2400, 2175, 495}, {2880, 1560, 2175, 855},
    {5160, 0, 2055, 735}, {5160, 720, 2055, 855}, {5160, 1560, 2055, 855}, {7320, 0, 2175, 1095},
    {7320, 1080, 2175, 1335}, {5160, 2400, 4335, 520},
}};

constexpr int kRowHeight = 300;
constexpr int kRowGap = 45;

// Each field shows its longest answer whole: the six-character phrase box is a little
// wider than the layout's 600 twips, and the rows of short boxes leave no room to widen
// them, so their text runs up to the frame (see the text margins below).
int fieldWidthTw(int length) { return length >= 6 ? 690 : length == 4 ? 450 : 390; }

// Text margins that give back the line edit's own two pixels on each side.
constexpr int kFieldTextMargin = -2;

// The tips the answer box holds until the first answer.
QString tips(ChestLayout layout)
{
    const QStringList lines = layout == ChestLayout::Tall
        ? QStringList{"温馨提示：", "1.按下Enter键可直", "接进入下一个输入", "框.", "2.按下ESC键可清除",
                      "输入的东西.", "3.按下\"切换\"按钮", "可以切换到另外一", "个查询界面."}
        : QStringList{"温馨提示：", "1.按下Enter键可直接进入下一个输入框.", "2.按下ESC键可清除输入的东西.",
                      "3.按下\"切换\"按钮可以切换到另外一个查询界面."};
    QString out;
    for (const QString& l : lines)
        out += l + "\n";
    return out;
}

} // namespace

ChestQuestWindow::ChestQuestWindow(ChestLayout layout)
    : FormWindow(layout == ChestLayout::Tall ? kTall : kWide), m_layout(layout), m_search(layout)
{
    setWindowTitle(QStringLiteral("战神箱任务查询"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ::ui::bgr(::ui::colours::PanelBack));
    setPalette(pal);
    setAutoFillBackground(true);
    build();
    setTabOrder();
    placeOnScreen();
    platform::setKeepOnTop(this, true);
}

void ChestQuestWindow::build()
{
    const bool tall = m_layout == ChestLayout::Tall;
    setClientSizeTw(tall ? 4290 : 9585, tall ? 6810 : 2970);

    if (!tall)
        ::ui::makeLabel(this, "Label1", QStringLiteral("查询："), 120, 180, 630, 210);
    m_keyword = new LookupField(this, "Text1");
    m_keyword->setEnterMovesFocus(true);
    tall ? ::ui::placeTw(m_keyword, 120, 120, 1095, 300) : ::ui::placeTw(m_keyword, 720, 120, 975, 300);

    m_clear = new WrappingButton(this, "Command1", QStringLiteral("清空"));
    ::ui::placeTw(m_clear, tall ? 1320 : 1800, 120, 615, 300);

    m_keepOnTop = new QCheckBox(this);
    m_keepOnTop->setObjectName("Check1");
    m_keepOnTop->setChecked(true);
    tall ? ::ui::placeTw(m_keepOnTop, 2040, 240, 255, 180) : ::ui::placeTw(m_keepOnTop, 2520, 195, 255, 180);

    m_answer = new QPlainTextEdit(this);
    m_answer->setObjectName("Text2");
    m_answer->setReadOnly(true);
    m_answer->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    m_answer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answer->setPlainText(tips(m_layout));
    ::ui::placeTw(m_answer, 120, 480, tall ? 1935 : 2295, 2415);

    m_pager[0] = new WrappingButton(this, "Command2_0", QStringLiteral("上翻"));
    m_pager[1] = new WrappingButton(this, "Command2_1", QStringLiteral("下翻"));
    m_switch = new WrappingButton(this, "Command3", QStringLiteral("切换"));
    if (tall) {
        ::ui::placeTw(m_pager[0], 2100, 480, 255, 735);
        ::ui::placeTw(m_pager[1], 2100, 1440, 255, 735);
        ::ui::placeTw(m_switch, 2100, 2400, 255, 495);
    } else {
        ::ui::placeTw(m_pager[0], 2520, 480, 255, 735);
        ::ui::placeTw(m_pager[1], 2520, 1320, 255, 735);
        ::ui::placeTw(m_switch, 2520, 2160, 255, 735);
    }
    for (QPushButton* b : m_pager)
        b->setEnabled(false);

    for (int p = 0; p < kChestPuzzleCount; ++p)
        buildFrame(p, (tall ? kTallFrames : kWideFrames)[static_cast<std::size_t>(puzzleFrames()[p].frame)]);

    connect(m_keyword, &QLineEdit::textChanged, this, &ChestQuestWindow::keywordChanged);
    connect(m_keyword, &LookupField::escapePressed, this, [this] {
        m_keyword->clear();
        m_keyword->setFocus();
    });
    for (int i = 0; i < 2; ++i)
        connect(m_pager[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { page(i); });
    connect(m_clear, &QPushButton::clicked, this, &ChestQuestWindow::clearAll);
    connect(m_keepOnTop, &QCheckBox::clicked, this, &ChestQuestWindow::keepOnTopClicked);
    connect(m_switch, &QPushButton::clicked, this, &ChestQuestWindow::switchLayout);
}

void ChestQuestWindow::buildFrame(int puzzle, const std::array<int, 4>& g)
{
    const PuzzleFrame& shape = puzzleFrames()[static_cast<std::size_t>(puzzle)];
    const bool tall = m_layout == ChestLayout::Tall;
    const std::vector<Row>& rows = tall || shape.wideRows.empty() ? shape.tallRows : shape.wideRows;
    const auto which = static_cast<ChestPuzzle>(puzzle);
    const int length = chestPuzzleFieldLength(which);

    auto* frame = new ::ui::CaptionFrame(this);
    frame->setObjectName(::ui::controlName("Frame1", shape.frame));
    ::ui::placeTw(frame, g[0], g[1], g[2], g[3]);

    auto& fields = m_fields[static_cast<std::size_t>(puzzle)];
    fields.resize(static_cast<std::size_t>(chestPuzzleFieldCount(which)));
    const QByteArray arrayName = QByteArray("Text") + QByteArray::number(3 + puzzle);

    const int rowCount = static_cast<int>(rows.size());
    int top = (g[3] - rowCount * kRowHeight - (rowCount - 1) * kRowGap) / 2;
    for (const Row& row : rows) {
        auto* line = new QWidget(frame);
        // The row reaches to 30 twips short of the frame's right edge, so the closing
        // bracket of the fullest rows stands whole.
        ::ui::placeTw(line, 60, top, g[2] - 90, kRowHeight);
        auto* layout = new QHBoxLayout(line);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(1);
        for (const Piece& piece : row) {
            if (piece.labelArray) {
                const char* text = !tall && piece.wide ? piece.wide : piece.tall;
                auto* l = new QLabel(QString::fromUtf8(text), line);
                l->setObjectName(::ui::controlName(piece.labelArray, piece.index));
                layout->addWidget(l);
                continue;
            }
            auto* f = new LookupField(line, ::ui::controlName(arrayName.constData(), piece.index), length);
            f->setEnterMovesFocus(true);
            f->setFixedSize(::ui::tw(fieldWidthTw(length)), ::ui::tw(kRowHeight));
            f->setTextMargins(kFieldTextMargin, 0, kFieldTextMargin, 0);
            layout->addWidget(f);
            fields[static_cast<std::size_t>(piece.index)] = f;
            connect(f, &QLineEdit::textChanged, this, [this, puzzle] { puzzleChanged(puzzle); });
            connect(f, &LookupField::escapePressed, this, [this, puzzle] { escapeInPuzzle(puzzle); });
        }
        layout->addStretch(1);
        top += kRowHeight + kRowGap;
    }
}

void ChestQuestWindow::setTabOrder()
{
    auto field = [this](ChestPuzzle p) -> const std::vector<LookupField*>& {
        return m_fields[static_cast<std::size_t>(p)];
    };
    using P = ChestPuzzle;
    const std::vector<P> tallOrder{P::CircleOutsideTest, P::NearestPoint, P::PhraseCharacter,
                                   P::TopPairMinusBottomPair, P::OuterMinusInner, P::LargestSquareMinusRest,
                                   P::TwoNumberProduct, P::SumToN, P::SquareOfSum, P::OrchardPair};
    const std::vector<P> wideOrder{P::SumToN, P::SquareOfSum, P::PhraseCharacter, P::TwoNumberProduct,
                                   P::TopPairMinusBottomPair, P::OuterMinusInner, P::LargestSquareMinusRest,
                                   P::CircleOutsideTest, P::NearestPoint, P::OrchardPair};
    const bool tall = m_layout == ChestLayout::Tall;
    std::vector<QWidget*> chain{m_keyword};
    for (P p : tall ? tallOrder : wideOrder)
        for (LookupField* f : field(p))
            chain.push_back(f);
    if (tall)
        chain.insert(chain.end(), {m_clear, m_answer, m_pager[0], m_pager[1], m_keepOnTop, m_switch});
    else
        chain.insert(chain.end(), {m_keepOnTop, m_clear, m_answer, m_pager[1], m_pager[0], m_switch});
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void ChestQuestWindow::placeOnScreen()
{
    // By the window's outer size, frame included.
    if (m_layout == ChestLayout::Tall)
        ::ui::placeWhenShown(this, [](const ::ui::ScreenArea& screen, const QSize& outer) {
            return ::ui::topRightOfScreen(screen.rect, outer);
        });
    else
        ::ui::placeWhenShown(this, [](const ::ui::ScreenArea& screen, const QSize& outer) {
            return ::ui::leftAboveBottom(screen.rect, outer, screen.px(::ui::tw(400)));
        });
}

void ChestQuestWindow::showAnswer(const std::string& utf8)
{
    QString text = qs(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_answer->setPlainText(text);
}

void ChestQuestWindow::pagingOff()
{
    for (QPushButton* b : m_pager)
        b->setEnabled(false);
}

void ChestQuestWindow::keywordChanged()
{
    const ChestView v = m_search.search(m_keyword->utf8());
    showAnswer(v.answer);
    m_pager[0]->setEnabled(v.upEnabled);
    m_pager[1]->setEnabled(v.downEnabled);
}

void ChestQuestWindow::page(int index)
{
    const ChestView v = index == 0 ? m_search.pageUp() : m_search.pageDown();
    showAnswer(v.answer);
    m_pager[0]->setEnabled(v.upEnabled);
    m_pager[1]->setEnabled(v.downEnabled);
    m_keyword->setFocus();
    m_keyword->selectAll();
}

void ChestQuestWindow::puzzleChanged(int puzzle)
{
    std::vector<std::string> texts;
    for (LookupField* f : m_fields[static_cast<std::size_t>(puzzle)])
        texts.push_back(f->utf8());
    pagingOff();
    showAnswer(solveChestPuzzle(static_cast<ChestPuzzle>(puzzle), texts));
}

void ChestQuestWindow::escapeInPuzzle(int puzzle)
{
    const auto& fields = m_fields[static_cast<std::size_t>(puzzle)];
    for (LookupField* f : fields)
        f->clear();
    fields.front()->setFocus();
}

void ChestQuestWindow::clearAll()
{
    m_answer->clear();
    m_keyword->clear();
    for (auto& fields : m_fields)
        for (LookupField* f : fields)
            f->clear();
    m_keyword->setFocus();
    pagingOff();
}

void ChestQuestWindow::keepOnTopClicked(bool checked)
{
    platform::setKeepOnTop(this, checked);
    m_keyword->setFocus();
}

void ChestQuestWindow::switchLayout()
{
    const int other = m_layout == ChestLayout::Tall ? kWide : kTall;
    ::ui::FormWindow* w = ::ui::forms().showModeless(other);
    if (!w)
        return;
    hide();
    if (auto* keyword = w->findChild<QWidget*>(QStringLiteral("Text1")))
        keyword->setFocus();
}

} // namespace puzzles::ui
