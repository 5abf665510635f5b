#pragma once
// Reading a window's rows of text boxes in window tests.

#include "common/ui/controls.h"
#include "common/ui/twips.h"
#include "support/controls.h"

#include <QLineEdit>
#include <QPalette>
#include <QStringList>

namespace test {

// The texts of the boxes base_0 … base_{count-1} below `root`.
inline QStringList fieldTexts(const QObject* root, const char* base, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << control<QLineEdit>(root, ::ui::controlName(base, i))->text();
    return out;
}

// The locked look of a box: read-only on the active-tab colour.
inline bool locked(const QLineEdit* b)
{
    return b->isReadOnly() && b->palette().color(QPalette::Base) == ::ui::bgr(::ui::colours::ActiveTab);
}

} // namespace test
