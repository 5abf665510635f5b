#include "common/ui/numeric_field.h"

#include "common/numbers.h"
#include "common/valitext.h"
#include "common/ui/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace ui {

NumericField::NumericField(QWidget* parent, const QString& name, std::u32string_view allowed, int maxLength)
    : QLineEdit(parent), m_allowed(allowed)
{
    setObjectName(name);
    setMaxLength(maxLength);
    setFocusPolicy(Qt::StrongFocus);
    // Any edit that did not come through the key filter (a middle-click paste, an input
    // method) is cleaned afterwards, so no calculator ever reads a non-number.
    connect(this, &QLineEdit::textEdited, this, &NumericField::cleanAfterEdit);
}

NumericField* NumericField::at(int left, int top, int width, int height)
{
    placeTw(this, left, top, width, height);
    return this;
}

NumericField* NumericField::asResult()
{
    setReadOnly(true);
    setTabStop(false);
    return this;
}

void NumericField::setText(const QString& text)
{
    fitLimit(static_cast<int>(text.size()));
    QLineEdit::setText(text);
}

void NumericField::setMaxLength(int length)
{
    m_typingLimit = length > 0 ? length : 32767;
    fitLimit(static_cast<int>(text().size()));
}

void NumericField::fitLimit(int textLength)
{
    // Setting Qt's limit sets the text again, which moves the caret to the end: only a
    // real change does it, and the caret goes back where it stood.
    const int limit = std::max(m_typingLimit, textLength);
    if (QLineEdit::maxLength() == limit)
        return;
    const int caret = cursorPosition();
    QLineEdit::setMaxLength(limit);
    setCursorPosition(std::min(caret, static_cast<int>(text().size())));
}

void NumericField::setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

std::optional<std::int64_t> NumericField::wholeNumber() const
{
    if (text().isEmpty())
        return std::nullopt;
    return common::readWholeNumber(utf8());
}

void NumericField::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        // Ctrl+V types code 22, which the filter drops; Shift+Insert pastes cleaned text.
        if (e->key() == Qt::Key_Insert && !isReadOnly())
            insertFiltered(QApplication::clipboard()->text());
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (m_enterMoves)
            QWidget::focusNextPrevChild(true);
        return;
    }
    const QString t = e->text();
    if (!t.isEmpty() && e->key() != Qt::Key_Backspace && e->key() != Qt::Key_Delete) {
        const QList<uint> codes = t.toUcs4();
        for (uint c : codes)
            if (common::valitext(static_cast<char32_t>(c), m_allowed, true) == 0)
                return; // dropped silently
        // Typing never makes the box longer than its limit, also while a longer written
        // value stands in it.
        const qsizetype kept = text().size() - selectedText().size();
        if (!isReadOnly() && codes.front() >= 0x20 && kept + t.size() > m_typingLimit)
            return;
    }
    QLineEdit::keyPressEvent(e);
}

void NumericField::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (!m_selectOnFocus)
        return;
    selectAll();
    m_selectOnRelease = e->reason() == Qt::MouseFocusReason;
}

void NumericField::setFocus() { setFocus(Qt::OtherFocusReason); }

void NumericField::setFocus(Qt::FocusReason reason)
{
    QLineEdit::setFocus(reason);
    selectAll();
}

void NumericField::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton)
        m_selectOnRelease = false; // the paste's caret stays where it lands
    QLineEdit::mousePressEvent(e);
}

void NumericField::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton) {
        // The middle button pastes the selection clipboard: cleaned first, then cut to
        // the room left, as Shift+Insert does.
        QClipboard* clipboard = QApplication::clipboard();
        if (!isReadOnly() && clipboard->supportsSelection()) {
            deselect();
            insertFiltered(clipboard->text(QClipboard::Selection));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
    if (m_selectOnRelease) {
        m_selectOnRelease = false;
        if (!hasSelectedText())
            selectAll();
    }
}

void NumericField::inputMethodEvent(QInputMethodEvent* e)
{
    if (!e->commitString().isEmpty() || !e->preeditString().isEmpty()) {
        const QString commit = e->commitString();
        QInputMethodEvent cleaned;
        QLineEdit::inputMethodEvent(&cleaned);
        if (!commit.isEmpty() && !isReadOnly())
            insertFiltered(commit);
        e->accept();
        return;
    }
    QLineEdit::inputMethodEvent(e);
}

void NumericField::dropEvent(QDropEvent* e)
{
    if (isReadOnly() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    insertFiltered(e->mimeData()->text());
}

void NumericField::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            disconnect(a, nullptr, nullptr, nullptr);
            connect(a, &QAction::triggered, this, [this] { insertFiltered(QApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void NumericField::insertFiltered(const QString& text)
{
    const int room = m_typingLimit - (static_cast<int>(this->text().size()) - static_cast<int>(selectedText().size()));
    if (room <= 0)
        return;
    const std::u32string clean =
        common::filterAllowed(text.toStdU32String(), m_allowed, static_cast<std::size_t>(room));
    insert(QString::fromStdU32String(clean));
}

void NumericField::cleanAfterEdit(const QString& text)
{
    const std::u32string clean = common::filterAllowed(text.toStdU32String(), m_allowed);
    const QString cleaned = QString::fromStdU32String(clean);
    if (cleaned != text) {
        const int pos = cursorPosition();
        setText(cleaned);
        setCursorPosition(std::min(pos, static_cast<int>(cleaned.size())));
    }
    // A written value the player has shortened gives the typing limit back.
    fitLimit(static_cast<int>(this->text().size()));
}

} // namespace ui
