#pragma once
#include <QIcon>

namespace ui {
// The program's icon: a gold casket with the character 算 (assets/icons/app_*.png).
QIcon programIcon();
} // namespace ui
