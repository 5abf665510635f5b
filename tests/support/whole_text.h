#pragma once
// Whether the player can read a box's whole text: a one-line box or a label that shows a
// value must hold its text without cutting or scrolling it, and no other control may
// stand over the text.

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

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

// The rectangle, in the parent's coordinates, that a widget's text takes.
inline QRect textArea(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QRect cr = label->contentsRect();
        const QRect drawn = QFontMetrics(label->font())
                                .boundingRect(cr, static_cast<int>(label->alignment()) |
                                                      (label->wordWrap() ? Qt::TextWordWrap : 0),
                                              label->text());
        return drawn.intersected(cr).translated(label->pos());
    }
    return w->geometry();
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
            const int need = l->heightForWidth(l->width());
            if (need > l->height())
                return QStringLiteral("\"%1\" needs %2 px high, the label gives %3").arg(text).arg(need).arg(l->height());
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
    // A visible sibling stacked above must not cover the text.
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return {};
    const QRect area = textArea(w);
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
        const auto* s = qobject_cast<const QWidget*>(siblings[i]);
        if (s && !s->isWindow() && s->isVisibleTo(parent) && s->geometry().intersects(area))
            return QStringLiteral("\"%1\" lies under %2").arg(text, s->objectName());
    }
    return {};
}

// Every box and label below `root` the player sees whose text cannot be read whole, each
// as "name: what is wrong".
inline QStringList unreadableTexts(const QWidget* root)
{
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
