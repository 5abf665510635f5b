#pragma once
// Modal message and input boxes. Every window goes through these, never straight to
// QMessageBox, so tests can switch on the recorder: boxes are then recorded and answered
// without blocking.

#include <QList>
#include <QString>
#include <optional>
#include <string_view>

class QWidget;

namespace ui {

enum class BoxIcon { None, Information, Warning, Critical, Question };

// The exclamation box of empty or out-of-range input, titled "警告！" unless said otherwise.
void warningBox(QWidget* parent, const QString& text, const QString& title = QStringLiteral("警告！"));
// The warning a calculator's core returned, if it returned one (empty text: no box).
void warnIfAny(QWidget* parent, std::string_view warning, const QString& title = QStringLiteral("警告！"));
// A box with an OK button, the given icon and title.
void messageBox(QWidget* parent, const QString& text, const QString& title, BoxIcon icon = BoxIcon::None);
// Yes/No question; true for Yes.
bool questionBox(QWidget* parent, const QString& text, const QString& title);
// OK/Cancel question with the question icon; true for OK.
bool confirmBox(QWidget* parent, const QString& text, const QString& title);
// A prompt with a text field; nullopt when cancelled.
std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                const QString& defaultText = {});

struct RecordedBox {
    enum Kind { Message, Question, Input } kind = Message;
    BoxIcon icon = BoxIcon::None;
    QString title;
    QString text;
};

// Test seam: while recording, boxes return at once, input boxes take their answers from
// a queue (cancel when it is empty) and questions answer Yes unless told otherwise.
class BoxRecorder {
public:
    static void start();
    static void stop();
    static bool active();
    static QList<RecordedBox> take();
    static void queueInput(std::optional<QString> answer);
    static void queueQuestion(bool yes);
};

} // namespace ui
