#pragma once
#include <QIcon>
#include <QPixmap>

namespace ui {
// The program's icon, drawn by us: a gold casket with the character 算.
QIcon programIcon();
QPixmap programPixmap(int size);
} // namespace ui
