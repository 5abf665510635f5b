#include "common/ui/icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ui {

QPixmap programPixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Casket body.
    QLinearGradient body(0, s * 0.35, 0, s);
    body.setColorAt(0, QColor(236, 178, 46));
    body.setColorAt(1, QColor(176, 96, 20));
    QPainterPath box;
    box.addRoundedRect(QRectF(s * 0.06, s * 0.34, s * 0.88, s * 0.6), s * 0.08, s * 0.08);
    p.fillPath(box, body);
    p.setPen(QPen(QColor(110, 50, 10), qMax(1.0, s / 24)));
    p.drawPath(box);
    // Lid.
    QPainterPath lid;
    lid.addRoundedRect(QRectF(s * 0.02, s * 0.14, s * 0.96, s * 0.26), s * 0.1, s * 0.1);
    p.fillPath(lid, QColor(200, 40, 30));
    p.drawPath(lid);
    // The character on the front.
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(qMax(6, static_cast<int>(s * 0.46)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(120, 20, 10));
    p.drawText(QRectF(0, s * 0.36, s, s * 0.58), Qt::AlignCenter, QStringLiteral("算"));
    return pm;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addPixmap(programPixmap(size));
        return i;
    }();
    return icon;
}

} // namespace ui
