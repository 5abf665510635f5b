// Draws the program's icon (a gold casket with the character 算) into the PNG files under
// assets/icons/. Run it again after changing the drawing:
//   QT_QPA_PLATFORM=offscreen draw_icons <assets/icons>

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cstdio>

static QPixmap drawIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient body(0, s * 0.35, 0, s);
    body.setColorAt(0, QColor(236, 178, 46));
    body.setColorAt(1, QColor(176, 96, 20));
    QPainterPath box;
    box.addRoundedRect(QRectF(s * 0.06, s * 0.34, s * 0.88, s * 0.6), s * 0.08, s * 0.08);
    p.fillPath(box, body);
    p.setPen(QPen(QColor(110, 50, 10), qMax(1.0, s / 24)));
    p.drawPath(box);
    QPainterPath lid;
    lid.addRoundedRect(QRectF(s * 0.02, s * 0.14, s * 0.96, s * 0.26), s * 0.1, s * 0.1);
    p.fillPath(lid, QColor(200, 40, 30));
    p.drawPath(lid);
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(qMax(6, static_cast<int>(s * 0.46)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(120, 20, 10));
    p.drawText(QRectF(0, s * 0.36, s, s * 0.58), Qt::AlignCenter, QStringLiteral("算"));
    return pm;
}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int size : {16, 32, 48}) {
        const QString path = QStringLiteral("%1/app_%2.png").arg(dir).arg(size);
        if (!drawIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
