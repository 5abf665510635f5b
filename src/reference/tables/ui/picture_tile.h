#pragma once
// The pictures of the reference windows: a tile we draw at run time with the item's name,
// and a small badge (a card level, a furniture level) in one corner.

#include <QString>
#include <QWidget>
#include <cstdint>

namespace tables::ui {

class PictureTile : public QWidget {
    Q_OBJECT
public:
    enum class BadgeCorner { TopLeft, BottomRight };

    // An empty caption draws a blank white square with a thin border.
    PictureTile(QWidget* parent, const QString& name, const QString& caption, const QString& badge = {},
                BadgeCorner corner = BadgeCorner::TopLeft, std::uint32_t colour = 0xA06020);
    QString caption() const { return m_caption; }
    QString badge() const { return m_badge; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_caption;
    QString m_badge;
    BadgeCorner m_corner;
    std::uint32_t m_colour;
};

} // namespace tables::ui
