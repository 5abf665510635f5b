#pragma once
// Writing a figure into a narrow result cell.

#include <QString>
#include <cstdint>

class QLineEdit;

namespace calc::ui {

// Sets the cell's text; when the digits would not fit the cell with the window's font,
// the cell's font is narrowed step by step so the whole figure stays readable.
void setResultText(QLineEdit* cell, const QString& text);
inline void setResultNumber(QLineEdit* cell, std::int64_t value) { setResultText(cell, QString::number(value)); }

} // namespace calc::ui
