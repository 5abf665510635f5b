#pragma once
// The practice exam: twenty levels answered against the clock, with three kinds of help
// token and a review of the questions missed or passed with a token.
//
// Everything the exam panel shows is held here as text and flags (`ExamView`); the
// window copies it onto its controls after every operation. The window's timers only call
// countdownTick() and clockTick(), so the exam runs the same whether a second passes or a
// test says it did.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace exam {

// One question as the exam takes it from the bank: answers in the bank's order, the
// correct one first.
struct ExamQuestion {
    std::string id;
    std::string category;
    std::string question;
    std::array<std::string, 4> answers; // correct, wrong 1, wrong 2, wrong 3
};

// Where the questions come from; read afresh at every draw, so questions added or changed
// since the last draw take part in the next one.
class QuestionSource {
public:
    virtual ~QuestionSource() = default;
    virtual std::size_t count() const = 0;
    virtual ExamQuestion question(std::size_t row) const = 0;
};

// A number drawn uniformly from [0, 1).
using UniformSource = std::function<double()>;
// One generator for the program, seeded once.
UniformSource defaultUniformSource();

enum class ExamPhase { Ready, Countdown, Answering, Closed };

// The control that gets the keyboard focus after an operation.
enum class ExamFocus { None, Start, Stop, Answer };

// The panel's texts and states, by control.
struct ExamView {
    std::array<std::string, 4> counters{"0", "0", "0", "0"}; // Label13: level, passes, misses, seconds
    std::string questionId;                                   // Text21
    std::string questionText;                                 // Text20
    std::array<std::string, 4> results; // Label12: correct letter, chosen letter, verdict, status line
    std::array<std::string, 4> answers; // Label8
    std::array<bool, 4> optionVisible{};  // Option4
    int selectedOption = -1;              // Option4 that is selected, -1 none
    std::string notice;                   // Label18
    bool noticeVisible = false;
    std::string verdict;                  // Label22
    std::array<std::string, 4> helpCaptions{"答题", "天王令1个", "地王令2个", "鬼王令3个"}; // Button19
    std::array<bool, 4> helpEnabled{};
    std::array<bool, 3> controlEnabled{true, false, true}; // Button18: 开始, 停止, 放弃
    std::array<bool, 2> reviewEnabled{};                   // dcButton4: <<<<, >>>>
    ExamFocus focus = ExamFocus::None;    // asked for by the last operation
};

// The welcome line of a panel that has never run an exam.
inline constexpr const char* kExamWelcome = "欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。";
// Most entries one exam can record for the review: ten misses, one 天王令, two 地王令 and
// nine 鬼王令 (three at the start, six awards).
inline constexpr int kReviewCapacity = 22;
inline constexpr int kLastLevel = 20;
inline constexpr int kTimeLimitSeconds = 999;

class PracticeExam {
public:
    PracticeExam(const QuestionSource& source, UniformSource uniform);

    const ExamView& panel() const { return m_panel; }
    // The focus the last operation asked for, handed out once.
    ExamFocus takeFocus() { return std::exchange(m_panel.focus, ExamFocus::None); }
    ExamPhase phase() const { return m_phase; }
    bool countdownRunning() const { return m_phase == ExamPhase::Countdown; }
    bool clockRunning() const { return m_phase == ExamPhase::Answering; }

    // 开始, 停止; 放弃 changes nothing of the exam (the window swaps the panels).
    void start();
    void stop();
    // One second of the start countdown, one second of the exam clock.
    void countdownTick();
    void clockTick();

    // The player picks option `slot` (an option button or the answer text beside it).
    void pick(int slot);
    // 答题, 天王令, 地王令, 鬼王令.
    void answer();
    void heavenKing();
    void earthKing();
    void ghostKing();

    // <<<< and >>>> of the review; emptyReview() is also what 考试 does on showing the panel.
    void reviewPrevious();
    void reviewNext();
    void emptyReview();

    // The state behind the panel, for the window and for tests.
    int level() const { return m_level; }
    int correctCount() const { return m_correct; }
    int wrongCount() const { return m_wrong; }
    int elapsedSeconds() const { return m_elapsed; }
    int correctSlot() const { return m_correctSlot; }
    bool reanswerPending() const { return m_reanswer; }
    int passStreak() const { return m_streak; }
    int ghostKingSeconds() const { return m_ghostSeconds; }
    const std::vector<ExamQuestion>& review() const { return m_review; }
    int reviewCursor() const { return m_reviewCursor; }

private:
    enum class Help { Answer, Heaven, Earth, Ghost };
    void drawQuestion();
    void finish(const std::string& notice, const std::string& message, bool keepVerdict = false);
    void pass(Help by);
    void miss(Help by);
    bool spendToken(int& count, int button);
    void recordForReview();
    void showReviewEntry();
    void clearChosenLetters();
    void unselect() { m_panel.selectedOption = -1; }
    void writeCounters();
    void writeTokenCaptions();
    std::size_t uniformIndex(std::size_t n);

    const QuestionSource& m_source;
    UniformSource m_uniform;
    ExamView m_panel;
    ExamPhase m_phase = ExamPhase::Ready;

    int m_heaven = 0, m_earth = 0, m_ghost = 0;
    int m_streak = 0, m_level = 0, m_correct = 0, m_wrong = 0, m_elapsed = 0;
    int m_countdownStep = 0;
    bool m_reanswer = false;
    int m_ghostSeconds = 0;
    ExamQuestion m_drawn;
    int m_correctSlot = 0;
    int m_chosenSlot = 0;

    std::vector<ExamQuestion> m_review;
    int m_reviewCursor = -1;
};

} // namespace exam
