#pragma once
// Form10, the about box "说明": the program's icon, name and version, and a notice line.

#include "common/ui/forms.h"

namespace app::ui {

class AboutWindow : public ::ui::FormWindow {
    Q_OBJECT
public:
    AboutWindow();
};

} // namespace app::ui
