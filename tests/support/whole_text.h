#pragma once
// Whether the player can read a box's whole text: a one-line box or a label that shows a
// value must hold its text without cutting or scrolling it, and no other control may
// stand over the text.

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>

namespace test {

// The room a line edit gives its text, in pixels, as QLineEdit's own painting works it
// out: the style's contents rectangle, less the text margins and the two side margins
// QLineEdit keeps, less the column of the caret.
inline int lineEditRoom(const QLineEdit* e)
{
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->contentsRect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    if (e->isReadOnly())
        opt.state |= QStyle::State_ReadOnly;
    QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    r = r.marginsRemoved(e->textMargins());
    constexpr int kSideMargin = 2; // QLineEdit's horizontal margin, each side
    return r.width() - 2 * kSideMargin - 1;
}

inline int textWidth(const QWidget* w, const QString& text)
{
    return qRound(QFontMetricsF(w->font()).horizontalAdvance(text));
}

// The rectangle, in the parent's coordinates, that a widget's text takes: the ink of a
// one-line label, the line boxes of a wrapped one, the inside of a line edit's frame.
inline QRect textArea(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QRect cr = label->contentsRect();
        const QFontMetrics fm(label->font());
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        QRect drawn = fm.boundingRect(cr, flags, label->text());
        if (!label->wordWrap() && !label->text().contains(QLatin1Char('\n'))) {
            const QRect ink = fm.tightBoundingRect(label->text());
            drawn = ink.translated(drawn.left(), drawn.top() + fm.ascent());
        }
        return drawn.intersected(cr).translated(label->pos());
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        const int inset = (e->width() - lineEditRoom(e)) / 2;
        return e->geometry().adjusted(inset, 0, -inset, 0);
    }
    return w->geometry();
}

// The rectangle, in the parent's coordinates, that a sibling covers: labels and tick
// boxes paint only their text (and box), bare containers nothing of their own.
inline QRect paintedArea(const QWidget* s)
{
    if (const auto* l = qobject_cast<const QLabel*>(s))
        return l->pixmap().isNull() ? (l->text().isEmpty() ? QRect() : textArea(l)) : l->geometry();
    if (s->inherits("QCheckBox") || s->inherits("QRadioButton"))
        return QRect(s->pos(), QSize(std::min(s->width(), s->sizeHint().width()), s->height()));
    if (s->metaObject() == &QWidget::staticMetaObject && !s->autoFillBackground())
        return {};
    return s->geometry();
}

// What is wrong with how `w` shows its text: empty when the whole text can be read.
inline QString textFault(const QWidget* w)
{
    QString text;
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        text = e->displayText();
        if (text.isEmpty())
            return {};
        const int need = textWidth(e, text);
        const int room = lineEditRoom(e);
        if (need > room)
            return QStringLiteral("\"%1\" needs %2 px, the box gives %3").arg(text).arg(need).arg(room);
    } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
        text = l->text();
        if (text.isEmpty() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
            return {};
        const QRect cr = l->contentsRect();
        if (l->wordWrap()) {
            // Wrapped lines may share their leading with the label's edges; the letters
            // of every line must stand inside.
            const QFontMetrics fm(l->font());
            const int lines = qRound(static_cast<double>(l->heightForWidth(l->width())) / fm.lineSpacing());
            const int need = lines * fm.ascent();
            if (need > cr.height())
                return QStringLiteral("\"%1\" needs %2 px high, the label gives %3").arg(text).arg(need).arg(cr.height());
        } else {
            const int indent = l->indent() > 0 ? l->indent() : 0;
            for (const QString& line : text.split(QLatin1Char('\n'))) {
                const int need = textWidth(l, line) + 2 * l->margin() + indent;
                if (need > cr.width())
                    return QStringLiteral("\"%1\" needs %2 px, the label gives %3").arg(line).arg(need).arg(cr.width());
            }
        }
    } else {
        return {};
    }
    // The text stands inside its parent, and no visible sibling stacked above covers it.
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return {};
    const QRect area = textArea(w);
    if (!parent->rect().contains(area))
        return QStringLiteral("\"%1\" runs out of %2").arg(text, parent->objectName());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
        const auto* s = qobject_cast<const QWidget*>(siblings[i]);
        if (s && !s->isWindow() && s->isVisibleTo(parent) && paintedArea(s).intersects(area))
            return QStringLiteral("\"%1\" lies under %2").arg(text, s->objectName());
    }
    return {};
}

// Every box and label below `root` the player sees whose text cannot be read whole, each
// as "name: what is wrong".
inline QStringList unreadableTexts(const QWidget* root)
{
    // Layouts place what changed when their requests are handled, as the event loop does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList out;
    const auto check = [&](const QWidget* w) {
        if (!w->isVisibleTo(root) || w->objectName().startsWith(QLatin1String("qt_")))
            return;
        const QString fault = textFault(w);
        if (!fault.isEmpty())
            out << QStringLiteral("%1/%2: %3").arg(root->objectName(), w->objectName(), fault);
    };
    for (const QLineEdit* e : root->findChildren<QLineEdit*>())
        if (!e->parentWidget() || !e->parentWidget()->inherits("QAbstractSpinBox"))
            if (!e->parentWidget() || !e->parentWidget()->inherits("QComboBox"))
                check(e);
    for (const QLabel* l : root->findChildren<QLabel*>())
        check(l);
    return out;
}

} // namespace test
