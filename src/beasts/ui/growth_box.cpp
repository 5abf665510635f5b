#include "beasts/ui/growth_box.h"

#include "beasts/growth.h"
#include "common/ui/controls.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace beasts::ui {

void applyGrowthConversion(QLineEdit* input, QLineEdit* oldScale)
{
    // Edits made here are the converter's own: they do not run the change handler again.
    const QSignalBlocker block(input);
    for (;;) {
        const GrowthConversion r = convertGrowthInput(input->text().toStdString());
        switch (r.action) {
        case GrowthConversion::Action::ShowResult:
            oldScale->setText(::ui::qs(r.result));
            return;
        case GrowthConversion::Action::ResetInput:
            input->setText("0");
            input->selectAll();
            oldScale->setText("0");
            return;
        case GrowthConversion::Action::EraseLastTyped: {
            // Take back the character before the caret (the one just typed) and look again.
            const int pos = input->cursorPosition();
            if (pos == 0) {
                input->setText("0");
                input->selectAll();
                oldScale->setText("0");
                return;
            }
            QString t = input->text();
            t.remove(pos - 1, 1);
            input->setText(t);
            input->setCursorPosition(pos - 1);
            break;
        }
        }
    }
}

} // namespace beasts::ui
