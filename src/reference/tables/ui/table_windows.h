#pragma once
// Three windows of fixed tables: Form6 "各官职所需贡献" (official ranks), Form17
// "非打造装备基础属性" (non-forged equipment, one table per kind) and Form33
// "打造裁缝炼金基础数值" (forged equipment sheets, one per kind).

#include "common/ui/forms.h"

#include <vector>

class QTableWidget;

namespace tables::ui {

class RankWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 6;
    RankWindow();
    void queryUnload() override;
};

// A row of buttons over a stack of tables of which one is shown.
class TableStackWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    void buttonClick(int index); // dcButton1(index)
    int shownTable() const { return m_shown; }

protected:
    explicit TableStackWindow(int number) : FormWindow(number) {}
    std::vector<QTableWidget*> m_tables;
    int m_shown = 0;
};

class EquipmentWindow : public TableStackWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 17;
    EquipmentWindow();
    void queryUnload() override;
};

class ForgeWindow : public TableStackWindow {
    Q_OBJECT
public:
    static constexpr int kNumber = 33;
    ForgeWindow();
    void queryUnload() override;
};

} // namespace tables::ui
