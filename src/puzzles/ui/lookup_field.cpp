#include "puzzles/ui/lookup_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace puzzles::ui {

LookupField::LookupField(QWidget* parent, const QString& name, int maxLength) : QLineEdit(parent)
{
    setObjectName(name);
    if (maxLength > 0)
        setMaxLength(maxLength);
    setFocusPolicy(Qt::StrongFocus);
}

void LookupField::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && m_enterMoves) {
        // The window's own focus chain, so the focus never leaves this window.
        QWidget::focusNextPrevChild(true);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void LookupField::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    selectAll();
    m_selectOnRelease = e->reason() == Qt::MouseFocusReason;
}

void LookupField::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (m_selectOnRelease) {
        m_selectOnRelease = false;
        if (!hasSelectedText())
            selectAll();
    }
}

WrappingButton::WrappingButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(captionRoom(), kCaptionFlags, caption);
}

} // namespace puzzles::ui
