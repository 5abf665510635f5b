#pragma once
// A new-scale growth box checked as it is typed, with its old-scale twin beside it: the
// 成长率换算 frame and the attribute prediction window both hold one.

class QLineEdit;

namespace beasts::ui {

// Runs after every change of `input`: corrects it where the growth rules say so and writes
// the old-scale growth into `oldScale`.
void applyGrowthConversion(QLineEdit* input, QLineEdit* oldScale);

} // namespace beasts::ui
