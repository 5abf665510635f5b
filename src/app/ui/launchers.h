#pragma once
// The launcher buttons of the main window: each opens one tool window beside, over or
// instead of the main window.

#include <QObject>

class QWidget;

namespace app::ui {

// How a launcher opens its window.
enum class LaunchKind {
    ShowThenHide,       // show modeless, then hide the main window
    HideThenShow,       // hide the main window, then show modeless
    NormalVisibleHide,  // window state normal, make visible, hide the main window
    Beside,             // show modeless; the main window stays
    Modal,              // show modally; the launcher waits until it closes
};

struct Launcher {
    const char* button; // objectName base of the button
    int index;          // element of a button array, -1 for a single button
    int form;           // the window it opens
    LaunchKind kind;
    const char* focus;  // control of the target that gets the focus, or nullptr
};

// Runs one launcher. A window whose class is not there yet opens nothing, and then the
// main window is left as it is.
void launch(QWidget* mainWindow, const Launcher& l);

class Launchers : public QObject {
    Q_OBJECT
public:
    // Places the launcher buttons: the grid of the 其它 panel, the bottom row of the
    // 孩子 panel and "资质档次" inside the child attribute frame; a null parent leaves
    // its buttons out.
    Launchers(QWidget* mainWindow, QWidget* otherPanel, QWidget* childPanel, QWidget* childFrame);

    // dcButton12(4) "养育计划": only a message.
    void upbringingPlan();

private:
    QWidget* m_main;
};

} // namespace app::ui
