#include "exam/ui/exam_panel.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/twips.h"
#include "exam/bank_state.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace exam::ui {

namespace {

using ::ui::colours::Blue;
using ::ui::colours::Magenta;
using ::ui::colours::Red;

// The main window's bank, read afresh at every draw.
class MainBankSource : public QuestionSource {
public:
    std::size_t count() const override { return bankState().bank.count(); }
    ExamQuestion question(std::size_t row) const override
    {
        if (row >= count())
            return {};
        const QuestionView r = bankState().bank.record(row);
        return {std::string(r.id),
                std::string(r.category),
                std::string(r.question),
                {std::string(r.correct), std::string(r.wrong1), std::string(r.wrong2), std::string(r.wrong3)}};
    }
};

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    ::ui::placeTw(l, left, top, width, height);
    return l;
}

QFont boldFont(const QWidget* w, int points)
{
    QFont f = w->font();
    f.setPointSize(points);
    f.setBold(true);
    return f;
}

UniformSource& uniformSourceForTests()
{
    static UniformSource source;
    return source;
}

} // namespace

void setUniformSourceForTests(UniformSource source) { uniformSourceForTests() = std::move(source); }

ExamPanel::ExamPanel(QWidget* frame)
    : QObject(frame), m_source(std::make_unique<MainBankSource>()),
      m_exam(std::make_unique<PracticeExam>(*m_source, uniformSourceForTests() ? uniformSourceForTests()
                                                                               : defaultUniformSource())),
      m_frame(frame),
      m_countdown(new QTimer(this)), m_clock(new QTimer(this))
{
    m_countdown->setObjectName(QStringLiteral("Timer2"));
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_countdown->setInterval(1000);
    m_clock->setInterval(1000);
    connect(m_countdown, &QTimer::timeout, this, &ExamPanel::countdownTick);
    connect(m_clock, &QTimer::timeout, this, &ExamPanel::clockTick);

    // 第 n 关 现答对 n 题,答错 n 题,共用时 n 秒
    static constexpr struct {
        const char* words;
        int left, width;
    } kCounterLine[] = {{"第", 120, 210}, {"关          现答对", 780, 1470}, {"题,答错", 2730, 735},
                        {"题,共用时", 3945, 915}, {"秒", 5340, 240}};
    for (int i = 0; i < 5; ++i) {
        label(frame, ::ui::controlName("ExamWords", i), QString::fromUtf8(kCounterLine[i].words),
              kCounterLine[i].left, 300, kCounterLine[i].width, 255);
        if (i < 4) {
            m_counters[i] = label(frame, ::ui::controlName("Label13", i), QStringLiteral("0"),
                                  kCounterLine[i].left + kCounterLine[i].width, 300, 480, 255);
            m_counters[i]->setAlignment(Qt::AlignCenter);
            ::ui::setForeColour(m_counters[i], Red);
        }
    }

    label(frame, QStringLiteral("ExamWords_5"), QStringLiteral("题目编号:"), 120, 660, 900, 255);
    m_questionId = new QLineEdit(frame);
    m_questionId->setObjectName(QStringLiteral("Text21"));
    m_questionId->setReadOnly(true);
    ::ui::placeTw(m_questionId, 1020, 615, 1200, 300);
    m_question = new QPlainTextEdit(frame);
    m_question->setObjectName(QStringLiteral("Text20"));
    m_question->setReadOnly(true);
    ::ui::setForeColour(m_question, Blue);
    ::ui::placeTw(m_question, 120, 960, 5160, 840);

    m_results[3] = label(frame, QStringLiteral("Label12_3"), {}, 120, 1935, 7455, 255);
    ::ui::setForeColour(m_results[3], Magenta);

    static constexpr const char* kLetters[] = {"A.", "B.", "C.", "D."};
    for (int i = 0; i < 4; ++i) {
        m_options[i] = new QRadioButton(QString::fromLatin1(kLetters[i]), frame);
        m_options[i]->setObjectName(::ui::controlName("Option4", i));
        m_options[i]->setAutoExclusive(false); // the exam decides which one is selected
        ::ui::placeTw(m_options[i], 120, 2220 + 270 * i, 495, 255);
        connect(m_options[i], &QRadioButton::clicked, this, [this, i] { act([&] { m_exam->pick(i); }); });
        m_answers[i] = label(frame, ::ui::controlName("Label8", i), {}, 660, 2220 + 270 * i, 4620, 255);
        m_answers[i]->installEventFilter(this);
    }

    label(frame, QStringLiteral("ExamWords_6"), QStringLiteral("你选择了:"), 5400, 2220, 1170, 255);
    label(frame, QStringLiteral("ExamWords_7"), QStringLiteral("正确答案是:"), 5400, 2490, 1170, 255);
    label(frame, QStringLiteral("ExamWords_8"), QStringLiteral("选择"), 5400, 2760, 1170, 255);
    m_results[1] = label(frame, QStringLiteral("Label12_1"), {}, 6570, 2220, 1000, 255);
    m_results[0] = label(frame, QStringLiteral("Label12_0"), {}, 6570, 2490, 1000, 255);
    m_results[2] = label(frame, QStringLiteral("Label12_2"), {}, 6570, 2760, 1000, 255);
    for (QLabel* l : {m_results[0], m_results[1], m_results[2]})
        ::ui::setForeColour(l, Red);

    m_verdict = label(frame, QStringLiteral("Label22"), {}, 5400, 900, 2175, 930);
    m_verdict->setFont(boldFont(frame, 36));
    m_verdict->setAlignment(Qt::AlignCenter);
    ::ui::setForeColour(m_verdict, Red);

    // Over the question box while it shows, on the panel's colour.
    m_notice = label(frame, QStringLiteral("Label18"), QStringLiteral("5"), 120, 945, 5160, 975);
    ::ui::setBackColour(m_notice, ::ui::colours::PanelBack);
    m_notice->setFont(boldFont(frame, 50));
    m_notice->setAlignment(Qt::AlignCenter);
    ::ui::setForeColour(m_notice, Blue);
    m_notice->hide();

    static constexpr const char* kHelp[] = {"答题", "天王令1个", "地王令2个", "鬼王令3个"};
    for (int i = 0; i < 4; ++i) {
        m_help[i] = (new ::ui::DcButton(frame, "Button19", QString::fromUtf8(kHelp[i]), i))
                        ->at(120 + 1335 * i, 3330, 1275, 375);
        m_help[i]->setEnabled(false);
    }
    connect(m_help[0], &::ui::DcButton::click, this, [this] { act([&] { m_exam->answer(); }); });
    connect(m_help[1], &::ui::DcButton::click, this, [this] { act([&] { m_exam->heavenKing(); }); });
    connect(m_help[2], &::ui::DcButton::click, this, [this] { act([&] { m_exam->earthKing(); }); });
    connect(m_help[3], &::ui::DcButton::click, this, [this] { act([&] { m_exam->ghostKing(); }); });

    static constexpr const char* kControl[] = {"开始", "停止", "放弃"};
    for (int i = 0; i < 3; ++i)
        m_control[i] = (new ::ui::DcButton(frame, "Button18", QString::fromUtf8(kControl[i]), i))
                           ->at(5520 + 690 * i, 3330, 630, 375);
    connect(m_control[0], &::ui::DcButton::click, this, [this] { act([&] { m_exam->start(); }); });
    connect(m_control[1], &::ui::DcButton::click, this, [this] { act([&] { m_exam->stop(); }); });
    connect(m_control[2], &::ui::DcButton::click, this, &ExamPanel::givenUp);

    m_review[0] = (new ::ui::DcButton(frame, "dcButton4", QStringLiteral("<<<<"), 0))->at(120, 3780, 855, 300);
    label(frame, QStringLiteral("ExamWords_9"), QStringLiteral("错题回顾"), 1035, 3810, 900, 255)
        ->setAlignment(Qt::AlignCenter);
    m_review[1] = (new ::ui::DcButton(frame, "dcButton4", QStringLiteral(">>>>"), 1))->at(1995, 3780, 855, 300);
    connect(m_review[0], &::ui::DcButton::click, this, [this] { act([&] { m_exam->reviewPrevious(); }); });
    connect(m_review[1], &::ui::DcButton::click, this, [this] { act([&] { m_exam->reviewNext(); }); });

    show();
    m_notice->setText(QStringLiteral("5")); // the design text, until 开始 clears it
}

ExamPanel::~ExamPanel() = default;

template <typename F>
void ExamPanel::act(F&& f)
{
    f();
    show();
}

void ExamPanel::opened()
{
    m_exam->emptyReview();
    m_control[0]->setFocus();
}

void ExamPanel::countdownTick() { act([&] { m_exam->countdownTick(); }); }
void ExamPanel::clockTick() { act([&] { m_exam->clockTick(); }); }

// Copies the exam's state onto the controls and runs the timer the phase needs.
void ExamPanel::show()
{
    const ExamView& p = m_exam->panel();
    auto qs = [](const std::string& s) { return ::ui::qs(s); };
    for (int i = 0; i < 4; ++i) {
        m_counters[i]->setText(qs(p.counters[i]));
        m_results[i]->setText(qs(p.results[i]));
        m_answers[i]->setText(qs(p.answers[i]));
        m_options[i]->setVisible(p.optionVisible[i]);
        m_options[i]->setChecked(p.selectedOption == i);
        m_help[i]->setText(qs(p.helpCaptions[i]));
        m_help[i]->setEnabled(p.helpEnabled[i]);
    }
    m_questionId->setText(qs(p.questionId));
    if (m_question->toPlainText() != qs(p.questionText))
        m_question->setPlainText(qs(p.questionText));
    m_notice->setText(qs(p.notice));
    m_notice->setVisible(p.noticeVisible);
    m_verdict->setText(qs(p.verdict));
    for (int i = 0; i < 3; ++i)
        m_control[i]->setEnabled(p.controlEnabled[i]);
    for (int i = 0; i < 2; ++i)
        m_review[i]->setEnabled(p.reviewEnabled[i]);

    if (m_exam->countdownRunning() != m_countdown->isActive())
        m_exam->countdownRunning() ? m_countdown->start() : m_countdown->stop();
    if (m_exam->clockRunning() != m_clock->isActive())
        m_exam->clockRunning() ? m_clock->start() : m_clock->stop();

    switch (m_exam->takeFocus()) {
    case ExamFocus::Start: m_control[0]->setFocus(); break;
    case ExamFocus::Stop: m_control[1]->setFocus(); break;
    case ExamFocus::Answer: m_help[0]->setFocus(); break;
    case ExamFocus::None: break;
    }
}

bool ExamPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (int i = 0; i < 4; ++i)
            if (watched == m_answers[i])
                act([&] { m_exam->pick(i); });
    return QObject::eventFilter(watched, event);
}

} // namespace exam::ui
