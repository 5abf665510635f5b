#pragma once
// The NPC finder of the 其它 panel ("NPC位置查询"): a search box, "清空" and the list of
// matching directory entries.

#include <QLineEdit>
#include <QObject>

class QListWidget;

namespace ui {
class CaptionFrame;
}

namespace app::ui {

// The search box Text24: any character may be typed; Esc clears it while its panel is up.
class NpcSearchBox : public QLineEdit {
    Q_OBJECT
public:
    NpcSearchBox(QWidget* parent, QWidget* panel);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* m_panel;
};

class NpcFinderFrame : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside `frame` (Frame9_5), which stands on the 其它 panel.
    explicit NpcFinderFrame(::ui::CaptionFrame* frame);

    void text24Change();   // lists every entry containing the search text
    void button21Click();  // 清空

private:
    NpcSearchBox* m_text24;
    QListWidget* m_list1;
};

} // namespace app::ui
