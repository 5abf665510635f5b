#include "beasts/ui/drawn_card.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace beasts::ui {

QPixmap drawnCard(QSize size, const QString& name, QColor top, QColor bottom)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grad(0, 0, 0, size.height());
    grad.setColorAt(0, top);
    grad.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
    p.fillPath(path, grad);
    p.setPen(QPen(bottom.darker(140), 1));
    p.drawPath(path);
    QFont f = p.font();
    f.setPixelSize(std::max(10, std::min(size.height() / 4, size.width() / (static_cast<int>(name.size()) + 1))));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, name);
    return pm;
}

} // namespace beasts::ui
