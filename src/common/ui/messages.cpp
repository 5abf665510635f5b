#include "common/ui/messages.h"

#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QQueue>

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

// exec() of a box on the heap; nullopt when it was dismissed because its window went away.
std::optional<int> runBox(QDialog* box, QWidget* parent)
{
    QPointer<QDialog> guarded(box);
    int result = QDialog::Rejected;
    {
        ParentGuard guard(box, parent);
        result = box->exec();
    }
    if (!guarded)
        return std::nullopt; // destroyed with its parent
    delete guarded.data();
    return result;
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
    auto* box = new QMessageBox(qtIcon(icon), title, text, QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    runBox(box, parent);
}

bool questionBox(QWidget* parent, const QString& text, const QString& title)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Question, BoxIcon::Question, title, text});
        return recorder().questions.isEmpty() ? true : recorder().questions.dequeue();
    }
    auto* box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box->button(QMessageBox::No)->setText(QStringLiteral("否"));
    // A box dismissed because its window went away answers No.
    return runBox(box, parent) == QMessageBox::Yes;
}

bool confirmBox(QWidget* parent, const QString& text, const QString& title)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Question, BoxIcon::Question, title, text});
        return recorder().questions.isEmpty() ? true : recorder().questions.dequeue();
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                const QString& defaultText)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Input, BoxIcon::None, title, prompt});
        return recorder().inputs.isEmpty() ? std::nullopt : recorder().inputs.dequeue();
    }
    auto* dlg = new QInputDialog(parent);
    dlg->setWindowTitle(title);
    dlg->setLabelText(prompt);
    dlg->setTextValue(defaultText);
    dlg->setOkButtonText(QStringLiteral("确定"));
    dlg->setCancelButtonText(QStringLiteral("取消"));
    QString answer;
    QObject::connect(dlg, &QInputDialog::textValueSelected, dlg, [&answer](const QString& t) { answer = t; });
    // A box dismissed because its window went away reads as cancelled.
    if (runBox(dlg, parent) != QDialog::Accepted)
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
