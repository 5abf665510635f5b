#pragma once
// The practice exam's panel "模拟科举考试" on the main window: counters, the question with
// its four options, the verdict and status lines, the answer and help-token buttons, 开始,
// 停止, 放弃 and the review arrows. The exam itself is exam::PracticeExam; this class
// shows its state and feeds it the player's clicks and its two one-second timers.

#include "exam/practice_exam.h"

#include <QObject>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;
class QWidget;

namespace ui {
class DcButton;
}

namespace exam::ui {

// For tests: the uniform source of the panels built from now on (an empty function: the
// program's own generator).
void setUniformSourceForTests(UniformSource source);

class ExamPanel : public QObject {
    Q_OBJECT
public:
    // Fills `frame` (the overlay Frame2(8)); draws its questions from the main window's bank.
    explicit ExamPanel(QWidget* frame);
    ~ExamPanel() override;

    // What the bank toolbar's 考试 does besides showing the panel: the review is emptied and
    // 开始 gets the focus.
    void opened();

    // One tick of the start countdown (Timer2) and of the exam clock (Timer1).
    void countdownTick();
    void clockTick();
    const PracticeExam& exam() const { return *m_exam; }
    QTimer* countdownTimer() const { return m_countdown; }
    QTimer* clockTimer() const { return m_clock; }

signals:
    // 放弃: the main window shows the bank panel again in place of this one.
    void givenUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F>
    void act(F&& f);
    void show();

    std::unique_ptr<QuestionSource> m_source;
    std::unique_ptr<PracticeExam> m_exam;
    QWidget* m_frame;
    QTimer* m_countdown;                       // Timer2
    QTimer* m_clock;                           // Timer1
    std::array<QLabel*, 4> m_counters{};       // Label13
    QLineEdit* m_questionId = nullptr;         // Text21
    QPlainTextEdit* m_question = nullptr;      // Text20
    std::array<QLabel*, 4> m_results{};        // Label12
    std::array<QRadioButton*, 4> m_options{};  // Option4
    std::array<QLabel*, 4> m_answers{};        // Label8
    QLabel* m_notice = nullptr;                // Label18
    QLabel* m_verdict = nullptr;               // Label22
    std::array<::ui::DcButton*, 4> m_help{};   // Button19
    std::array<::ui::DcButton*, 3> m_control{}; // Button18
    std::array<::ui::DcButton*, 2> m_review{}; // dcButton4
};

} // namespace exam::ui
