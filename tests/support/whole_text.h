#pragma once
// Whether the player can read a box's whole text: a one-line box or a label that shows a
// value must hold its text without cutting or scrolling it, a check box, option button,
// push button or frame its whole caption, and no other control may stand over the text.

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "puzzles/ui/lookup_field.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
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

// A caption as it is drawn: a single '&' marks the accelerator and is not drawn, "&&"
// draws one '&'.
inline QString shownCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

// The width of the widest line of a shown caption.
inline int captionWidth(const QWidget* w, const QString& shown)
{
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n')))
        widest = std::max(widest, textWidth(w, line));
    return widest;
}

inline bool isTickBox(const QWidget* w) { return w->inherits("QCheckBox") || w->inherits("QRadioButton"); }

// The buttons whose caption is measured: push buttons, check boxes and option buttons.
inline const QAbstractButton* captionedButton(const QWidget* w)
{
    return isTickBox(w) || w->inherits("QPushButton") ? qobject_cast<const QAbstractButton*>(w) : nullptr;
}

// Where the style writes the caption of a push button, check box or option button, in the
// button's own coordinates, and where it cuts it: beside the box (the box's width and the
// style's spacing in front) for check boxes and option buttons, inside the bevel for push
// buttons; the program's own buttons write on their whole face, the chest-quest window's
// narrow ones inside a pixel of it.
inline QRect captionRoom(const QAbstractButton* b)
{
    if (const auto* dc = qobject_cast<const ui::DcButton*>(b))
        return dc->captionRoom();
    if (const auto* wrapping = qobject_cast<const puzzles::ui::WrappingButton*>(b))
        return wrapping->captionRoom();
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (b->inherits("QRadioButton")) {
        element = QStyle::SE_RadioButtonContents;
    } else if (b->inherits("QCheckBox")) {
        element = QStyle::SE_CheckBoxContents;
    } else if (const auto* p = qobject_cast<const QPushButton*>(b)) {
        if (p->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (p->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
    }
    return b->style()->subElementRect(element, &opt, b);
}

// The box of a check box or option button, in its own coordinates.
inline QRect tickIndicator(const QAbstractButton* b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    const bool radio = b->inherits("QRadioButton");
    return b->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opt, b);
}

// How a button lays out its caption: the program's buttons wrap one wider than their face
// and centre it, the chest-quest window's narrow ones between any two characters; the
// style centres a push button's caption and writes a check box's or option button's from
// the left, centred in height.
inline int captionFlags(const QAbstractButton* b)
{
    if (qobject_cast<const ui::DcButton*>(b))
        return ui::DcButton::kCaptionFlags;
    if (qobject_cast<const puzzles::ui::WrappingButton*>(b))
        return puzzles::ui::WrappingButton::kCaptionFlags;
    return isTickBox(b) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
}

// Where `text`, drawn into `room` with `flags`, stands: the ink of one line, the line
// boxes of several.
inline QRect drawnText(const QWidget* w, const QRect& room, int flags, const QString& text)
{
    const QFontMetrics fm(w->font());
    QRect drawn = fm.boundingRect(room, flags, text);
    if (!(flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) && !text.contains(QLatin1Char('\n'))) {
        const QRect ink = fm.tightBoundingRect(text);
        drawn = ink.translated(drawn.left(), drawn.top() + fm.ascent());
    }
    return drawn;
}

// The rectangle, in the parent's coordinates, that a widget's text takes: the ink of a
// one-line label or caption, the line boxes of a wrapped one, the inside of a line edit's
// frame; a check box's or option button's box with its caption; a frame's caption.
inline QRect textArea(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QRect cr = label->contentsRect();
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return drawnText(label, cr, flags, label->text()).intersected(cr).translated(label->pos());
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        const int inset = (e->width() - lineEditRoom(e)) / 2;
        return e->geometry().adjusted(inset, 0, -inset, 0);
    }
    if (const QAbstractButton* b = captionedButton(w)) {
        const QRect room = captionRoom(b);
        QRect area = drawnText(b, room, captionFlags(b), shownCaption(b->text())).intersected(room);
        if (isTickBox(b))
            area |= tickIndicator(b);
        return area.translated(b->pos());
    }
    if (const auto* f = qobject_cast<const ui::CaptionFrame*>(w))
        return f->captionRect().intersected(f->rect()).translated(f->pos());
    return w->geometry();
}

// The rectangle, in the parent's coordinates, that a sibling covers: labels and tick
// boxes without a back colour paint only their text (and box), bare containers nothing of
// their own.
inline QRect paintedArea(const QWidget* s)
{
    if (const auto* l = qobject_cast<const QLabel*>(s))
        return l->pixmap().isNull() ? (l->text().isEmpty() ? QRect() : textArea(l)) : l->geometry();
    if (isTickBox(s) && !s->autoFillBackground())
        return textArea(s);
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
    } else if (const QAbstractButton* b = captionedButton(w)) {
        // A button without caption (a bare keep-on-top box) shows no text.
        text = shownCaption(b->text());
        if (text.isEmpty())
            return {};
        const QRect room = captionRoom(b);
        if (captionFlags(b) & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) {
            // A caption wider than the button wraps: each line must fit across, the
            // letters of every line stand inside its height.
            const QFontMetrics fm(b->font());
            const QRect drawn = fm.boundingRect(room, captionFlags(b), text);
            const int lines = qRound(static_cast<double>(drawn.height()) / fm.lineSpacing());
            if (drawn.width() > room.width())
                return QStringLiteral("\"%1\" needs %2 px, the button shows %3")
                    .arg(text)
                    .arg(drawn.width())
                    .arg(room.width());
            if (lines * fm.ascent() > room.height())
                return QStringLiteral("\"%1\" needs %2 px high, the button shows %3")
                    .arg(text)
                    .arg(lines * fm.ascent())
                    .arg(room.height());
        } else {
            // The style cuts the caption at the edges of its room.
            const int need = captionWidth(b, text);
            if (need > room.width())
                return QStringLiteral("\"%1\" needs %2 px, the %3 shows %4")
                    .arg(text)
                    .arg(need)
                    .arg(isTickBox(b) ? QStringLiteral("box") : QStringLiteral("button"))
                    .arg(room.width());
        }
    } else if (const auto* f = qobject_cast<const ui::CaptionFrame*>(w)) {
        // The caption stands inside the frame's two-pixel right edge.
        text = f->caption();
        if (text.isEmpty())
            return {};
        const QRect caption = f->captionRect();
        const int need = caption.width() - 4;
        const int room = f->width() - 2 - (caption.left() + 2);
        if (need > room)
            return QStringLiteral("\"%1\" needs %2 px, the frame gives %3").arg(text).arg(need).arg(room);
        // What the frame holds is painted over its caption.
        for (const QObject* child : f->children()) {
            const auto* c = qobject_cast<const QWidget*>(child);
            if (c && !c->isWindow() && c->geometry().intersects(caption) && c->isVisibleTo(f) &&
                paintedArea(c).intersects(caption))
                return QStringLiteral("\"%1\" lies under %2").arg(text, c->objectName());
        }
    } else {
        return {};
    }
    // The text stands inside its parent (a push button stands there whole), and no
    // visible sibling stacked above covers it.
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return {};
    const QRect area = textArea(w);
    const bool pushButton = captionedButton(w) && !isTickBox(w);
    if (!parent->rect().contains(pushButton ? w->geometry() : area))
        return QStringLiteral("\"%1\" runs out of %2").arg(text, parent->objectName());
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
        const auto* s = qobject_cast<const QWidget*>(siblings[i]);
        if (s && !s->isWindow() && s->geometry().intersects(area) && s->isVisibleTo(parent) &&
            paintedArea(s).intersects(area))
            return QStringLiteral("\"%1\" lies under %2").arg(text, s->objectName());
    }
    return {};
}

// Every box, label, button and frame below `root` the player sees whose text cannot be
// read whole, each as "name: what is wrong".
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
    for (const QAbstractButton* b : root->findChildren<QAbstractButton*>())
        check(b);
    for (const ui::CaptionFrame* f : root->findChildren<ui::CaptionFrame*>())
        check(f);
    return out;
}

} // namespace test
