#include "calc/ui/result_cell.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace calc::ui {

namespace {
constexpr qreal kSmallestPointSize = 6.0;
constexpr int kInnerMargins = 2 * 2 + 2; // the line edit's own side margins and the caret
} // namespace

void setResultText(QLineEdit* cell, const QString& text)
{
    cell->setFont(QFont()); // back to the inherited font
    QStyleOptionFrame opt;
    opt.initFrom(cell);
    const int frame = cell->hasFrame() ? cell->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, cell) : 0;
    const int room = cell->width() - 2 * frame - kInnerMargins;
    QFont f = cell->font();
    qreal size = f.pointSizeF();
    while (size > kSmallestPointSize && QFontMetrics(f).horizontalAdvance(text) > room) {
        size -= 0.5;
        f.setPointSizeF(size);
    }
    if (f != cell->font())
        cell->setFont(f);
    cell->setText(text);
    cell->setCursorPosition(0);
}

} // namespace calc::ui
