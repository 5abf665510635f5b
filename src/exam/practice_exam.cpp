#include "exam/practice_exam.h"

#include <cmath>
#include <memory>
#include <random>

namespace exam {

namespace {

constexpr std::array<const char*, 4> kLetters{"A", "B", "C", "D"};

// Where each answer goes, by the option that holds the correct one: entry i names the
// answer (0 correct, 1..3 the wrong ones in bank order) shown at option i.
constexpr std::array<std::array<int, 4>, 4> kLayouts{{
    {0, 2, 3, 1},
    {1, 0, 3, 2},
    {3, 2, 0, 1},
    {2, 1, 3, 0},
}};

constexpr const char* kCorrect = "正确！";
constexpr const char* kWrong = "错误！";
constexpr const char* kFinished = "答题完毕!";
constexpr const char* kEmptyBank = "题库中没有题目，无法开始考试！";

} // namespace

UniformSource defaultUniformSource()
{
    auto engine = std::make_shared<std::mt19937_64>(std::random_device{}());
    return [engine] { return std::generate_canonical<double, 53>(*engine); };
}

PracticeExam::PracticeExam(const QuestionSource& source, UniformSource uniform)
    : m_source(source), m_uniform(uniform ? std::move(uniform) : defaultUniformSource())
{
    m_panel.results[3] = kExamWelcome;
}

std::size_t PracticeExam::uniformIndex(std::size_t n)
{
    if (n == 0)
        return 0;
    double r = m_uniform();
    if (!(r >= 0.0)) // NaN or negative from a faulty source
        r = 0.0;
    const double scaled = std::floor(r * static_cast<double>(n));
    if (scaled >= static_cast<double>(n))
        return n - 1;
    return static_cast<std::size_t>(scaled);
}

void PracticeExam::writeCounters()
{
    m_panel.counters = {std::to_string(m_level), std::to_string(m_correct), std::to_string(m_wrong),
                        std::to_string(m_elapsed)};
}

void PracticeExam::writeTokenCaptions()
{
    m_panel.helpCaptions[1] = "天王令" + std::to_string(m_heaven) + "个";
    m_panel.helpCaptions[2] = "地王令" + std::to_string(m_earth) + "个";
    m_panel.helpCaptions[3] = "鬼王令" + std::to_string(m_ghost) + "个";
}

void PracticeExam::start()
{
    if (m_phase == ExamPhase::Countdown || m_phase == ExamPhase::Answering)
        return;
    if (m_source.count() == 0) {
        m_panel.results[3] = kEmptyBank;
        m_panel.focus = ExamFocus::Start;
        return;
    }
    emptyReview();
    m_panel.reviewEnabled = {false, false};
    m_panel.verdict.clear();
    m_panel.results[0].clear();
    m_panel.questionText.clear();
    for (int i = 0; i < 4; ++i) {
        m_panel.counters[i] = "0";
        m_panel.answers[i].clear();
        m_panel.optionVisible[i] = false;
    }
    m_panel.controlEnabled = {false, true, false};
    m_heaven = 1;
    m_earth = 2;
    m_ghost = 3;
    m_level = 1;
    m_streak = m_correct = m_wrong = m_elapsed = 0;
    m_reanswer = false;
    m_panel.notice.clear();
    m_countdownStep = 5;
    writeTokenCaptions();
    m_phase = ExamPhase::Countdown;
    m_panel.focus = ExamFocus::Stop;
}

void PracticeExam::countdownTick()
{
    if (m_phase != ExamPhase::Countdown)
        return;
    m_panel.noticeVisible = true;
    static constexpr std::array<const char*, 5> kSteps{"开始！", "准备！", "1", "2", "3"}; // by step 1..5
    if (m_countdownStep > 0) {
        m_panel.notice = kSteps[m_countdownStep - 1];
        --m_countdownStep;
        return;
    }
    m_panel.noticeVisible = false;
    m_panel.helpEnabled = {true, true, true, true};
    m_panel.optionVisible = {true, true, true, true};
    m_panel.reviewEnabled = {false, false};
    m_elapsed = 0;
    m_panel.results[3] = "答题开始！！！！！";
    m_level = 1;
    m_panel.counters[0] = "1";
    m_phase = ExamPhase::Answering;
    drawQuestion();
    if (m_phase == ExamPhase::Answering)
        m_panel.focus = ExamFocus::Answer;
}

void PracticeExam::clockTick()
{
    if (m_phase != ExamPhase::Answering)
        return;
    if (m_elapsed < kTimeLimitSeconds) {
        ++m_elapsed;
        m_panel.counters[3] = std::to_string(m_elapsed);
        return;
    }
    finish("答题超时！", "", true);
}

void PracticeExam::drawQuestion()
{
    unselect();
    const std::size_t n = m_source.count();
    if (n == 0) { // the bank was emptied under a running exam
        finish("停止答题!", kEmptyBank);
        return;
    }
    m_drawn = m_source.question(uniformIndex(n));
    m_correctSlot = static_cast<int>(uniformIndex(4));
    for (int i = 0; i < 4; ++i)
        m_panel.answers[i] = m_drawn.answers[kLayouts[m_correctSlot][i]];
    m_panel.questionId = m_drawn.id;
    m_panel.questionText = "[" + m_drawn.category + "] " + m_drawn.question;
}

void PracticeExam::finish(const std::string& notice, const std::string& message, bool keepVerdict)
{
    m_phase = ExamPhase::Closed;
    m_panel.notice = notice;
    m_panel.noticeVisible = true;
    if (!keepVerdict)
        m_panel.verdict.clear();
    m_panel.questionText.clear();
    m_panel.questionId.clear();
    for (int i = 0; i < 4; ++i) {
        m_panel.optionVisible[i] = false;
        m_panel.answers[i].clear();
        m_panel.results[i].clear();
        m_panel.helpEnabled[i] = false;
    }
    unselect();
    m_panel.results[3] = message;
    m_panel.controlEnabled = {true, false, true};
    m_panel.reviewEnabled = {true, true};
    m_panel.focus = ExamFocus::Start;
}

void PracticeExam::stop()
{
    if (m_phase == ExamPhase::Countdown || m_phase == ExamPhase::Answering)
        finish("停止答题!", "");
}

void PracticeExam::pick(int slot)
{
    if (slot < 0 || slot > 3 || !m_panel.optionVisible[slot])
        return;
    m_panel.selectedOption = slot;
    m_chosenSlot = slot;
}

void PracticeExam::recordForReview()
{
    if (static_cast<int>(m_review.size()) < kReviewCapacity)
        m_review.push_back(m_drawn);
}

void PracticeExam::clearChosenLetters()
{
    m_panel.results[0].clear();
    m_panel.results[1].clear();
}

void PracticeExam::answer()
{
    if (m_phase != ExamPhase::Answering || m_panel.selectedOption < 0)
        return;
    m_panel.results[0] = kLetters[m_correctSlot];
    m_panel.results[1] = kLetters[m_chosenSlot];
    if (m_chosenSlot == m_correctSlot) {
        pass(Help::Answer);
    } else {
        recordForReview();
        miss(Help::Answer);
    }
}

// The common part of using a token: one fewer, the question recorded for the review, no
// option picked; the button goes grey with the last token. False when none can be used.
bool PracticeExam::spendToken(int& count, int button)
{
    if (m_phase != ExamPhase::Answering || !m_panel.helpEnabled[button] || count < 1)
        return false;
    --count;
    writeTokenCaptions();
    unselect();
    recordForReview();
    if (count == 0)
        m_panel.helpEnabled[button] = false;
    clearChosenLetters();
    return true;
}

void PracticeExam::heavenKing()
{
    if (spendToken(m_heaven, 1))
        pass(Help::Heaven);
}

void PracticeExam::earthKing()
{
    if (!spendToken(m_earth, 2))
        return;
    if (uniformIndex(2) == 1)
        pass(Help::Earth);
    else
        miss(Help::Earth);
}

void PracticeExam::ghostKing()
{
    if (spendToken(m_ghost, 3))
        pass(Help::Ghost);
}

void PracticeExam::pass(Help by)
{
    m_panel.results[2] = kCorrect;
    m_panel.verdict = kCorrect;
    std::string t;
    if (by == Help::Ghost) {
        m_ghostSeconds = 20 + static_cast<int>(uniformIndex(21));
        m_elapsed += m_ghostSeconds;
        m_panel.counters[3] = std::to_string(m_elapsed);
        t = std::to_string(m_ghostSeconds);
    }
    ++m_correct;
    m_panel.counters[1] = std::to_string(m_correct);
    if (m_level >= kLastLevel) {
        static constexpr std::array<const char*, 3> kFinal{
            "回答正确!恭喜你成功闯过二十关!", "你使用了天王令!回答正确!恭喜你成功闯过二十关!",
            "你使用了地王令!回答正确!恭喜你成功闯过二十关!"};
        finish(kFinished, by == Help::Ghost ? "你使用了鬼王令!闯关成功,用时" + t + "秒!恭喜你成功闯过了二十关!"
                                            : std::string(kFinal[static_cast<int>(by)]));
        return;
    }
    ++m_level;
    m_panel.counters[0] = std::to_string(m_level);
    if (++m_streak >= 3) {
        m_streak = 0;
        ++m_ghost;
        writeTokenCaptions();
        m_panel.helpEnabled[3] = true;
        static constexpr std::array<const char*, 3> kAward{
            "回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!",
            "使用天王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!",
            "你使用了地王令!回答正确!连续答对3题,奖励鬼王令1个!自动进入下一关!"};
        m_panel.results[3] = by == Help::Ghost
                                 ? "你使用了鬼王令,闯关成功,耗时" + t + "秒!连续答对3题,奖励鬼王令1个!自动进入下一关!"
                                 : std::string(kAward[static_cast<int>(by)]);
    } else {
        static constexpr std::array<const char*, 3> kPlain{"回答正确!现自动进入下一关!",
                                                           "你使用了天王令!回答正确!现自动进入下一关!",
                                                           "你使用了地王令!回答正确!现自动进入下一关!"};
        m_panel.results[3] = by == Help::Ghost ? "你使用了鬼王令!闯关成功,用时" + t + "秒!自动进入下一关!"
                                               : std::string(kPlain[static_cast<int>(by)]);
    }
    m_reanswer = false;
    drawQuestion();
    if (m_phase == ExamPhase::Answering)
        m_panel.focus = ExamFocus::Answer;
}

void PracticeExam::miss(Help by)
{
    m_panel.results[2] = kWrong;
    m_panel.verdict = kWrong;
    const bool earth = by == Help::Earth;
    if (m_wrong >= 9) { // the tenth miss ends the exam
        m_wrong = 10;
        m_panel.counters[2] = "10";
        finish(kFinished, earth ? "你使用了地王令!答错题数累计到10题,取消答题资格!"
                                : "你答错题数累计到10题,取消答题资格!请继续努力!");
        return;
    }
    if (!m_reanswer) {
        m_reanswer = true;
        m_panel.results[3] = earth ? "你使用了地王令!答错1次,答题时间增加20秒,并补答一题!"
                                   : "回答错误!答题时间增加20秒,并补答一题!";
    } else if (m_level < kLastLevel) {
        m_reanswer = false;
        ++m_level;
        m_panel.counters[0] = std::to_string(m_level);
        m_panel.results[3] = earth ? "你使用了地王令!答错2次,答题时间增加20秒,自动进入下一关!"
                                   : "回答错误!答题时间增加时20秒,自动进入下一关!";
    } else {
        m_panel.results[3] = earth ? "你使用了地王令!回答错误,答题时间增加20秒,并补答一题!"
                                   : "回答错误,答题时间增加时20秒,并补答一题!";
    }
    ++m_wrong;
    m_panel.counters[2] = std::to_string(m_wrong);
    m_elapsed += 20;
    m_panel.counters[3] = std::to_string(m_elapsed);
    m_streak = 0;
    drawQuestion();
    if (m_phase == ExamPhase::Answering)
        m_panel.focus = ExamFocus::Answer;
}

void PracticeExam::emptyReview()
{
    m_review.clear();
    m_reviewCursor = -1;
}

void PracticeExam::reviewPrevious()
{
    if (!m_panel.reviewEnabled[0])
        return;
    m_panel.verdict.clear();
    m_panel.noticeVisible = false;
    if (m_review.empty() || m_reviewCursor <= 0)
        return;
    --m_reviewCursor;
    showReviewEntry();
}

void PracticeExam::reviewNext()
{
    if (!m_panel.reviewEnabled[1])
        return;
    m_panel.verdict.clear();
    m_panel.noticeVisible = false;
    if (m_review.empty() || m_reviewCursor >= static_cast<int>(m_review.size()) - 1)
        return;
    m_panel.optionVisible = {true, true, true, true};
    ++m_reviewCursor;
    showReviewEntry();
}

// The entry under the cursor, with its correct answer at A.
void PracticeExam::showReviewEntry()
{
    const ExamQuestion& q = m_review[static_cast<std::size_t>(m_reviewCursor)];
    m_panel.questionId = q.id;
    m_panel.questionText = "[" + q.category + "] " + q.question;
    m_panel.answers = q.answers;
    m_panel.results[0] = "A";
    m_panel.selectedOption = 0;
}

} // namespace exam
