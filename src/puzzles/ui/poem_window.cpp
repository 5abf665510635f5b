#include "puzzles/ui/poem_window.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"
#include "platform/ui/window_order.h"
#include "puzzles/ui/lookup_field.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace puzzles::ui {

PoemWindow::PoemWindow() : FormWindow(kNumber)
{
    setWindowTitle(QStringLiteral("密道"));
    setClientSizeTw(5400, 4110);

    m_query = new LookupField(this, "Text1");
    ::ui::placeTw(m_query, 120, 120, 3975, 315);
    m_clear = (new ::ui::DcButton(this, "Command1", QStringLiteral("清空")))->at(4215, 120, 1065, 315);

    m_result = new QPlainTextEdit(this);
    m_result->setObjectName("Text2");
    m_result->setReadOnly(true);
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_result->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_result->setTabChangesFocus(true);
    ::ui::placeTw(m_result, 120, 555, 4575, 3015);
    m_result->installEventFilter(this);

    const char* arrows[] = {"↑", "↓"};
    for (int i = 0; i < 2; ++i) {
        auto* b = (new ::ui::DcButton(this, "Command2", QString::fromUtf8(arrows[i]), i))
                      ->at(4815, i == 0 ? 555 : 2130, 465, 1440);
        b->setForeColour(::ui::colours::Red);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 3);
        b->setFont(f);
        b->setEnabled(false);
        m_arrows[static_cast<std::size_t>(i)] = b;
        connect(b, &::ui::DcButton::click, this, &PoemWindow::browse);
    }

    m_nonConsecutive = new QCheckBox(QStringLiteral("非连续字查询"), this);
    m_nonConsecutive->setObjectName("Check1_2");
    m_nonConsecutive->setChecked(true);
    ::ui::placeTw(m_nonConsecutive, 120, 3690, 2100, 300);
    m_keepOnTop = new QCheckBox(QStringLiteral("置顶"), this);
    m_keepOnTop->setObjectName("Check1_0");
    m_keepOnTop->setChecked(true);
    ::ui::placeTw(m_keepOnTop, 4215, 3690, 1065, 300);

    const std::array<QWidget*, 7> order{m_query, m_result, m_clear, m_keepOnTop, m_arrows[0], m_arrows[1],
                                        m_nonConsecutive};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_query, &QLineEdit::textChanged, this, &PoemWindow::queryChanged);
    connect(m_query, &LookupField::escapePressed, this, [this] {
        m_query->clear();
        focusQuery();
    });
    connect(m_clear, &::ui::DcButton::click, this, [this] {
        m_query->clear();
        focusQuery();
    });
    connect(m_keepOnTop, &QCheckBox::clicked, this, [this](bool on) { checkClicked(0, on); });
    connect(m_nonConsecutive, &QCheckBox::clicked, this, [this](bool on) { checkClicked(2, on); });

    platform::setKeepOnTop(this, true);
}

void PoemWindow::mousePressEvent(QMouseEvent* e)
{
    FormWindow::mousePressEvent(e);
    focusQuery();
}

bool PoemWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_result && e->type() == QEvent::FocusIn) {
        m_result->selectAll();
    } else if (watched == m_result && e->type() == QEvent::KeyPress) {
        // A key that types something goes back to the query (Esc empties it first); keys
        // that move the focus or scroll, and the copy key, keep their usual work.
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!typesIntoQuery(*k))
            return FormWindow::eventFilter(watched, e);
        if (k->key() == Qt::Key_Escape)
            m_query->clear();
        focusQuery();
        return true;
    }
    return FormWindow::eventFilter(watched, e);
}

bool PoemWindow::typesIntoQuery(const QKeyEvent& k)
{
    if (k.matches(QKeySequence::Copy))
        return false;
    switch (k.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        return true;
    default:
        // Arrows, paging, Home/End, function keys and a modifier on its own type nothing.
        return !k.text().isEmpty();
    }
}

void PoemWindow::focusQuery()
{
    m_query->setFocus();
    m_query->selectAll();
}

void PoemWindow::display(const PoemView& v)
{
    QString text = ::ui::qs(v.shown);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_result->setPlainText(text);
    m_arrows[0]->setEnabled(v.upEnabled);
    m_arrows[1]->setEnabled(v.downEnabled);
}

void PoemWindow::queryChanged() { display(m_search.search(m_query->utf8(), m_nonConsecutive->isChecked())); }

void PoemWindow::browse(int index)
{
    display(index == 0 ? m_search.up() : m_search.down());
    focusQuery();
}

void PoemWindow::checkClicked(int index, bool checked)
{
    if (index == 0)
        platform::setKeepOnTop(this, checked);
    focusQuery();
}

} // namespace puzzles::ui
