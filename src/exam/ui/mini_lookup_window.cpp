#include "exam/ui/mini_lookup_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/placement.h"
#include "common/ui/twips.h"
#include "exam/bank_warnings.h"
#include "exam/question_bank.h"
#include "platform/ui/window_order.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace exam::ui {

namespace {

using ::ui::colours::Blue;
using ::ui::colours::Red;

constexpr int kBottomMarginTw = 1200; // kept free above the bottom edge (the taskbar)

QPlainTextEdit* makeBox(QWidget* parent, const char* name, std::uint32_t colour, bool readOnly)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(readOnly);
    box->setTabChangesFocus(true);
    ::ui::setForeColour(box, colour);
    return box;
}

} // namespace

MiniLookupWindow::MiniLookupWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("科举查询(迷你)"));
    setClientSizeTw(2700, 2490);

    auto* frame = new ::ui::CaptionFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    ::ui::placeTw(frame, 0, 0, 2700, 450);
    m_keyword = new QLineEdit(frame);
    m_keyword->setObjectName(QStringLiteral("Text1"));
    ::ui::setForeColour(m_keyword, Blue);
    ::ui::placeTw(m_keyword, 60, 75, 1650, 300);
    auto* clear = (new ::ui::DcButton(frame, "Button1", QStringLiteral("清空")))->at(1770, 60, 540, 330);
    auto* corner = (new ::ui::DcButton(frame, "Button3", QString()))->at(2400, 105, 240, 240);
    corner->setBackColour(Blue);
    corner->setTabStop(false);

    m_question = makeBox(this, "Text2", Blue, true);
    ::ui::placeTw(m_question, 60, 510, 2580, 780);
    m_answer = makeBox(this, "Text3", Red, false);
    QFont big = m_answer->font();
    big.setPointSizeF(10.5);
    m_answer->setFont(big);
    ::ui::placeTw(m_answer, 60, 1350, 2580, 480);

    m_previous = (new ::ui::DcButton(this, "Button2", QStringLiteral("上翻"), 0))->at(60, 1950, 660, 375);
    m_next = (new ::ui::DcButton(this, "Button2", QStringLiteral("下翻"), 1))->at(1560, 1950, 660, 375);
    m_previous->setEnabled(false);
    m_next->setEnabled(false);

    QFont bold = font();
    bold.setBold(true);
    auto counterLabel = [&](int index, const QString& text, int top) {
        auto* l = new QLabel(text, this);
        l->setObjectName(::ui::controlName("Label1", index));
        l->setAlignment(Qt::AlignCenter);
        ::ui::placeTw(l, 780, top, 720, 210);
        return l;
    };
    m_shown = counterLabel(0, QStringLiteral("0"), 1875);
    counterLabel(2, QStringLiteral("━"), 2055);
    m_total = counterLabel(1, QStringLiteral("0"), 2235);
    for (QLabel* l : {m_shown, m_total}) {
        l->setFont(bold);
        ::ui::setForeColour(l, Red);
    }

    m_onTop = new QCheckBox(this);
    m_onTop->setObjectName(QStringLiteral("Check1"));
    m_onTop->setChecked(true);
    ::ui::placeTw(m_onTop, 2340, 2010, 300, 255);

    connect(m_keyword, &QLineEdit::textChanged, this, &MiniLookupWindow::keywordChanged);
    connect(clear, &::ui::DcButton::click, this, [this] {
        m_keyword->clear();
        m_keyword->setFocus();
    });
    connect(m_previous, &::ui::DcButton::click, this, [this] { page(false, true); });
    connect(m_next, &::ui::DcButton::click, this, [this] { page(true, true); });
    connect(corner, &::ui::DcButton::click, this, &MiniLookupWindow::nextCorner);
    connect(m_onTop, &QCheckBox::clicked, this, &MiniLookupWindow::keepOnTopClicked);
    m_keyword->installEventFilter(this);
    m_question->viewport()->installEventFilter(this);
    m_answer->viewport()->installEventFilter(this);

    platform::setKeepOnTop(this, true);
    moveToCorner(3); // opens bottom-right, once per loading
    loadBank();
}

void MiniLookupWindow::loadBank()
{
    // As the 科举 tab: no file (or no regular one, such as a pipe) is no bank.
    if (const std::string missing = missingBankWarning(); !missing.empty()) {
        ::ui::warningBox(this, ::ui::qs(missing));
        m_lookup = MiniLookup();
        return;
    }
    BankLoadResult r = loadQuestionBankFile(std::string(kBankFileName));
    for (const std::string& warning : bankLoadWarnings(r))
        ::ui::warnIfAny(this, warning);
    std::vector<MiniEntry> entries;
    entries.reserve(r.bank.count());
    for (std::size_t row = 0; row < r.bank.count(); ++row) {
        const QuestionView q = r.bank.record(row);
        entries.push_back({std::string(q.category), std::string(q.question), std::string(q.correct)});
    }
    m_lookup = MiniLookup(std::move(entries));
}

void MiniLookupWindow::queryUnload() { ::ui::forms().setMainVisible(); }

void MiniLookupWindow::keywordChanged()
{
    m_lookup.setKeyword(m_keyword->text().toStdString());
    showLookup();
}

void MiniLookupWindow::page(bool forward, bool moveFocus)
{
    if (forward)
        m_lookup.next();
    else
        m_lookup.previous();
    showLookup();
    if (moveFocus)
        m_keyword->setFocus();
}

void MiniLookupWindow::showLookup()
{
    m_previous->setEnabled(m_lookup.canPrevious());
    m_next->setEnabled(m_lookup.canNext());
    m_shown->setText(QString::number(m_lookup.shownNumber()));
    m_total->setText(QString::number(m_lookup.hitTotal()));
    m_question->setPlainText(::ui::qs(m_lookup.question()));
    m_answer->setPlainText(::ui::qs(m_lookup.answer()));
}

// Corners by step: 1 bottom-left, 2 top-right, 3 bottom-right, by the window's outer
// rectangle; the size stays.
void MiniLookupWindow::moveToCorner(int step)
{
    ::ui::placeWhenShown(this, [step](const ::ui::ScreenArea& screen, const QSize& outer) {
        switch (step) {
        case 1:
            return ::ui::leftAboveBottom(screen.rect, outer, screen.px(::ui::tw(kBottomMarginTw)));
        case 2:
            return ::ui::topRightOfScreen(screen.rect, outer);
        default:
            return ::ui::rightAboveBottom(screen.rect, outer, screen.px(::ui::tw(kBottomMarginTw)));
        }
    });
}

void MiniLookupWindow::nextCorner()
{
    moveToCorner(m_cornerStep);
    m_cornerStep = m_cornerStep % 3 + 1;
    m_keyword->setFocus();
}

void MiniLookupWindow::keepOnTopClicked()
{
    platform::setKeepOnTop(this, m_onTop->isChecked());
    m_keyword->setFocus();
}

bool MiniLookupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_keyword && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_PageUp:
            if (m_previous->isEnabled())
                page(false, false);
            return false; // passes on
        case Qt::Key_PageDown:
            if (m_next->isEnabled())
                page(true, false);
            return false;
        case Qt::Key_Up:
            if (m_previous->isEnabled()) {
                page(false, false);
                return true;
            }
            return false;
        case Qt::Key_Down:
            if (m_next->isEnabled() && m_lookup.pagingOn()) {
                page(true, false);
                return true;
            }
            return false;
        case Qt::Key_Escape:
            m_keyword->clear();
            return true;
        default:
            return false;
        }
    }
    if ((watched == m_question->viewport() || watched == m_answer->viewport()) &&
        event->type() == QEvent::MouseButtonRelease)
        m_keyword->setFocus();
    return FormWindow::eventFilter(watched, event);
}

} // namespace exam::ui
