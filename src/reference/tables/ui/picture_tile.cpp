#include "reference/tables/ui/picture_tile.h"

#include "common/ui/twips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tables::ui {

PictureTile::PictureTile(QWidget* parent, const QString& name, const QString& caption, const QString& badge,
                         BadgeCorner corner, std::uint32_t colour)
    : QWidget(parent), m_caption(caption), m_badge(badge), m_corner(corner), m_colour(colour)
{
    setObjectName(name);
}

void PictureTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_caption.isEmpty()) {
        p.fillRect(rect(), Qt::white);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(r);
        return;
    }
    const QColor base = ::ui::bgr(m_colour);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, base.lighter(175));
    g.setColorAt(1, base.lighter(120));
    QPainterPath frame;
    frame.addRoundedRect(r, 6, 6);
    p.fillPath(frame, g);
    p.setPen(QPen(base.darker(130), 1.5));
    p.drawPath(frame);

    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(base.darker(260));
    const QRectF textBox = r.adjusted(6, 6, -6, -6);
    p.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, m_caption);

    if (!m_badge.isEmpty()) {
        const QFontMetricsF fm(f);
        const qreal d = std::max(fm.height(), fm.horizontalAdvance(m_badge)) + 4;
        const QRectF badge = m_corner == BadgeCorner::TopLeft
                                 ? QRectF(r.left() + 3, r.top() + 3, d, d)
                                 : QRectF(r.right() - 3 - d, r.bottom() - 3 - d, d, d);
        p.setBrush(QColor(255, 215, 90));
        p.setPen(QPen(QColor(150, 40, 30), 1));
        p.drawRoundedRect(badge, 3, 3);
        p.setPen(QColor(150, 40, 30));
        p.drawText(badge, Qt::AlignCenter, m_badge);
    }
}

} // namespace tables::ui
