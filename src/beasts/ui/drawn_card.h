#pragma once
// Pictures we draw ourselves: a card with a soft gradient and a name on it.

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace beasts::ui {

QPixmap drawnCard(QSize size, const QString& name, QColor top, QColor bottom);

} // namespace beasts::ui
