#include "common/ui/messages.h"

#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QQueue>

#include <functional>
#include <initializer_list>
#include <utility>

namespace ui {

namespace {
struct RecorderState {
    bool active = false;
    QList<RecordedBox> boxes;
    QQueue<std::optional<QString>> inputs;
    QQueue<bool> questions;
};
RecorderState& recorder()
{
    static RecorderState s;
    return s;
}

QMessageBox::Icon qtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
// Runs a box modally over its parent's window and keeps that window alive until the box
// returns: the handler that asked is still running on it. When the window is closed by
// code while the box is up (its deletion comes due inside the box's event loop), the box
// is dismissed and the deletion is held back until the box has returned, then requested
// again. A box whose parent is destroyed outright goes with it and reads as dismissed.
class ParentGuard : public QObject {
public:
    ParentGuard(QDialog* box, QWidget* parent) : m_box(box), m_window(parent ? parent->window() : nullptr)
    {
        if (m_window)
            m_window->installEventFilter(this);
    }
    ~ParentGuard() override
    {
        if (m_window) {
            m_window->removeEventFilter(this);
            if (m_deletionHeld)
                m_window->deleteLater();
        }
    }
    ParentGuard(const ParentGuard&) = delete;
    ParentGuard& operator=(const ParentGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::DeferredDelete) {
            m_deletionHeld = true;
            if (m_box)
                m_box->reject();
            return true;
        }
        return false;
    }

private:
    QPointer<QDialog> m_box;
    QPointer<QWidget> m_window;
    bool m_deletionHeld = false;
};

// The one way a real box is shown: built on the heap by `build` (with its window as
// parent) and run under a ParentGuard. nullopt when it was dismissed because its window
// went away.
std::optional<int> runBox(QWidget* parent, const std::function<QDialog*()>& build)
{
    QPointer<QDialog> guarded(build());
    int result = QDialog::Rejected;
    {
        ParentGuard guard(guarded.data(), parent);
        result = guarded->exec();
    }
    if (!guarded)
        return std::nullopt; // destroyed with its parent
    delete guarded.data();
    return result;
}

// A box of standard buttons, each with its caption; the button pressed, nullopt when the
// box went with its window.
std::optional<int> runButtonBox(QWidget* parent, BoxIcon icon, const QString& title, const QString& text,
                                std::initializer_list<std::pair<QMessageBox::StandardButton, const char*>> buttons)
{
    return runBox(parent, [&]() -> QDialog* {
        auto* box = new QMessageBox(qtIcon(icon), title, text, QMessageBox::NoButton, parent);
        for (const auto& [button, caption] : buttons)
            box->addButton(button)->setText(QString::fromUtf8(caption));
        return box;
    });
}

} // namespace

void warningBox(QWidget* parent, const QString& text, const QString& title)
{
    messageBox(parent, text, title, BoxIcon::Warning);
}

void warnIfAny(QWidget* parent, std::string_view warning, const QString& title)
{
    if (!warning.empty())
        warningBox(parent, QString::fromUtf8(warning.data(), static_cast<qsizetype>(warning.size())), title);
}

void messageBox(QWidget* parent, const QString& text, const QString& title, BoxIcon icon)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Message, icon, title, text});
        return;
    }
    runButtonBox(parent, icon, title, text, {{QMessageBox::Ok, "确定"}});
}

bool questionBox(QWidget* parent, const QString& text, const QString& title)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Question, BoxIcon::Question, title, text});
        return recorder().questions.isEmpty() ? true : recorder().questions.dequeue();
    }
    // A box dismissed because its window went away answers No.
    return runButtonBox(parent, BoxIcon::Question, title, text, {{QMessageBox::Yes, "是"}, {QMessageBox::No, "否"}}) ==
           QMessageBox::Yes;
}

bool confirmBox(QWidget* parent, const QString& text, const QString& title)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Question, BoxIcon::Question, title, text});
        return recorder().questions.isEmpty() ? true : recorder().questions.dequeue();
    }
    // A box dismissed because its window went away answers Cancel.
    return runButtonBox(parent, BoxIcon::Question, title, text,
                        {{QMessageBox::Ok, "确定"}, {QMessageBox::Cancel, "取消"}}) == QMessageBox::Ok;
}

std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                const QString& defaultText)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Input, BoxIcon::None, title, prompt});
        return recorder().inputs.isEmpty() ? std::nullopt : recorder().inputs.dequeue();
    }
    QString answer;
    const std::optional<int> result = runBox(parent, [&]() -> QDialog* {
        auto* dlg = new QInputDialog(parent);
        dlg->setWindowTitle(title);
        dlg->setLabelText(prompt);
        dlg->setTextValue(defaultText);
        dlg->setOkButtonText(QStringLiteral("确定"));
        dlg->setCancelButtonText(QStringLiteral("取消"));
        QObject::connect(dlg, &QInputDialog::textValueSelected, dlg, [&answer](const QString& t) { answer = t; });
        return dlg;
    });
    // A box dismissed because its window went away reads as cancelled.
    if (result != QDialog::Accepted)
        return std::nullopt;
    return answer;
}

void BoxRecorder::start()
{
    recorder() = RecorderState{};
    recorder().active = true;
}

void BoxRecorder::stop() { recorder() = RecorderState{}; }

bool BoxRecorder::active() { return recorder().active; }

QList<RecordedBox> BoxRecorder::take()
{
    QList<RecordedBox> out;
    out.swap(recorder().boxes);
    return out;
}

void BoxRecorder::queueInput(std::optional<QString> answer) { recorder().inputs.enqueue(std::move(answer)); }

void BoxRecorder::queueQuestion(bool yes) { recorder().questions.enqueue(yes); }

} // namespace ui
