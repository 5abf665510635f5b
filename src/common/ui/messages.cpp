#include "common/ui/messages.h"

#include <QInputDialog>
#include <QMessageBox>
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
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool questionBox(QWidget* parent, const QString& text, const QString& title)
{
    if (recorder().active) {
        recorder().boxes.append({RecordedBox::Question, BoxIcon::Question, title, text});
        return recorder().questions.isEmpty() ? true : recorder().questions.dequeue();
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    return box.exec() == QMessageBox::Yes;
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
    QInputDialog dlg(parent);
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    dlg.setOkButtonText(QStringLiteral("确定"));
    dlg.setCancelButtonText(QStringLiteral("取消"));
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
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
