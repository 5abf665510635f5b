#include "exam/bank_writer.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <vector>

using namespace exam;

namespace {

// The system converter as the test's own reference.
std::string gbk(std::string_view utf8)
{
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    std::string src(utf8), out(src.size() * 4 + 16, '\0');
    char* in = src.data();
    char* o = out.data();
    std::size_t inLeft = src.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// Five records numbered 1..5, question "Qn", first answer "An".
std::string fiveLines(std::string_view lineEnd = "\r\n")
{
    std::string s;
    for (int i = 1; i <= 5; ++i)
        s += " " + std::to_string(i) + ",历史知识,问题" + std::to_string(i) + ",答" + std::to_string(i) +
             ",错,错,错" + std::string(lineEnd);
    return s;
}

QuestionFields fields(std::string q = "新题", std::string correct = "对")
{
    return {"其它题目", std::move(q), std::move(correct), "错一", "错二", "错三"};
}

BankLoadResult load(const std::string& bytes)
{
    BankLoadResult r = parseQuestionBank(bytes);
    EXPECT_TRUE(r.readable);
    return r;
}

} // namespace

TEST(BankWriter, AppendKeepsOtherLinesAndAddsNumberedLine)
{
    const std::string before = gbk(fiveLines());
    const BankLoadResult r = load(before);
    const BankWrite w = appendQuestion(before, r.bank, 0, fields("新题 ", "对"));
    ASSERT_TRUE(w.ok) << w.message;
    EXPECT_EQ(w.bytes, before + gbk(" 6,其它题目,新题 ,对,错一,错二,错三\r\n"));
    ASSERT_EQ(w.bank.count(), 6u);
    EXPECT_EQ(w.bank.listLine(5), "<6>[其它题目] 新题");
    EXPECT_EQ(w.bank.encoding, TextEncoding::Gb18030);
}

TEST(BankWriter, AppendToFileWithoutFinalLineEndWritesLineEndFirst)
{
    const struct {
        std::string before;
        std::string expected;
    } cases[] = {
        {"1,a,q,c,w,w,w", "1,a,q,c,w,w,w\r\n 2,其它题目,新题,对,错一,错二,错三\r\n"},
        {"1,a,q,c,w,w,w\n2,a,q,c,w,w,w", "1,a,q,c,w,w,w\n2,a,q,c,w,w,w\n 3,其它题目,新题,对,错一,错二,错三\n"},
        {"1,a,q,c,w,w,w\r\n", "1,a,q,c,w,w,w\r\n 2,其它题目,新题,对,错一,错二,错三\r\n"},
    };
    for (const auto& c : cases) {
        const BankLoadResult r = load(c.before);
        const BankWrite w = appendQuestion(c.before, r.bank, 0, fields());
        ASSERT_TRUE(w.ok) << w.message;
        // An ASCII-only file reads as GB18030, so the new line is written in it.
        EXPECT_EQ(w.bytes, gbk(c.expected)) << c.before;
        EXPECT_EQ(w.bank.count(), r.bank.count() + 1);
    }
}

TEST(BankWriter, AppendKeepsUtf8AndItsBom)
{
    const std::string body = "1,历史知识,问,答,错,错,错\r\n";
    for (const char* prefix : {"", "\xEF\xBB\xBF"}) {
        const BankLoadResult r = load(std::string(prefix) + body);
        const BankWrite w = appendQuestion(std::string(prefix) + body, r.bank, 0, fields("题😀"));
        ASSERT_TRUE(w.ok) << w.message;
        EXPECT_EQ(w.bytes, std::string(prefix) + body + " 2,其它题目,题😀,对,错一,错二,错三\r\n");
    }
}

TEST(BankWriter, ChangeRewritesEveryLineWithNumbersAsHeld)
{
    const std::string before = gbk(" 1,历史知识,问一  ,答一,错,错,错\r\n2,诗词对联,问二,答二,错,错,错\r\n"
                                   "7,自编,问三,答三,错,错,错\r\n");
    const BankLoadResult r = load(before);
    QuestionFields f = fields("改过的题  ", "新答案");
    f.category = "自编"; // a category that is none of the ten stays as it was
    const BankWrite w = rewriteQuestion(before, r.bank, 0, 2, f);
    ASSERT_TRUE(w.ok) << w.message;
    EXPECT_EQ(w.bytes, gbk("1,历史知识,问一,答一,错,错,错\r\n2,诗词对联,问二,答二,错,错,错\r\n"
                           "7,自编,改过的题,新答案,错一,错二,错三\r\n"));
    EXPECT_EQ(w.bank.count(), 3u);
    EXPECT_EQ(w.bank.record(2).question, "改过的题");
}

TEST(BankWriter, ChangeAddressesTheRowNotTheNumber)
{
    // Numbers that do not run 1..n: row 0 holds number 9.
    const std::string before = "9,a,q9,c,w,w,w\r\n1,a,q1,c,w,w,w\r\n";
    const BankLoadResult r = load(before);
    const BankWrite w = rewriteQuestion(before, r.bank, 0, 0, fields("qq"));
    ASSERT_TRUE(w.ok) << w.message;
    EXPECT_EQ(w.bytes, gbk("9,其它题目,qq,对,错一,错二,错三\r\n1,a,q1,c,w,w,w\r\n"));
}

TEST(BankWriter, DeleteMovesTheLastRecordIntoTheGapAndRenumbers)
{
    const std::string before = gbk(fiveLines());
    const BankLoadResult r = load(before);
    const struct {
        std::size_t row;
        std::string expected;
    } cases[] = {
        {2, " 1,历史知识,问题1,答1,错,错,错\r\n 2,历史知识,问题2,答2,错,错,错\r\n"
            " 3,历史知识,问题5,答5,错,错,错\r\n 4,历史知识,问题4,答4,错,错,错\r\n"},
        {4, " 1,历史知识,问题1,答1,错,错,错\r\n 2,历史知识,问题2,答2,错,错,错\r\n"
            " 3,历史知识,问题3,答3,错,错,错\r\n 4,历史知识,问题4,答4,错,错,错\r\n"},
        {0, " 1,历史知识,问题5,答5,错,错,错\r\n 2,历史知识,问题2,答2,错,错,错\r\n"
            " 3,历史知识,问题3,答3,错,错,错\r\n 4,历史知识,问题4,答4,错,错,错\r\n"},
    };
    for (const auto& c : cases) {
        const BankWrite w = deleteQuestion(before, r.bank, 0, c.row);
        ASSERT_TRUE(w.ok) << w.message;
        EXPECT_EQ(w.bytes, gbk(c.expected)) << c.row;
        EXPECT_EQ(w.bank.count(), 4u);
    }
}

TEST(BankWriter, DeleteKeepsLfLineEnds)
{
    const std::string before = fiveLines("\n");
    const BankLoadResult r = load(before);
    const BankWrite w = deleteQuestion(before, r.bank, 0, 3);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.bytes.find('\r'), std::string::npos);
    EXPECT_EQ(w.bank.record(3).question, "问题5");
}

TEST(BankWriter, TheOnlyRecordIsNotDeleted)
{
    const std::string before = "1,a,q,c,w,w,w\r\n";
    const BankLoadResult r = load(before);
    const BankWrite w = deleteQuestion(before, r.bank, 0, 0);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.message.find("只剩"), std::string::npos);
    EXPECT_TRUE(w.bytes.empty());
}

TEST(BankWriter, RefusesFieldsThatWouldBreakTheFile)
{
    const std::string gbFile = gbk(fiveLines());
    const std::string utf8File = fiveLines();
    const struct {
        const std::string* file;
        QuestionFields f;
        std::string messagePart; // empty: the write goes through
    } cases[] = {
        {&gbFile, fields("a,b"), "不能带有逗号或分号！"},
        {&gbFile, fields("say \"hi\""), "不能带有逗号或分号！"},
        {&gbFile, fields("two\nlines"), "不能带有逗号或分号！"},
        {&gbFile, fields("cr\rhere"), "不能带有逗号或分号！"},
        {&gbFile, fields("  "), "待输入框不能为空！"},
        {&gbFile, fields("q", ""), "待输入框不能为空！"},
        {&gbFile, fields("q", "笑😀"), "“正确答案”"},
        {&gbFile, fields("𠀀字"), "“题目”"},
        {&gbFile, fields("a，b“c”"), ""},
        {&utf8File, fields("q", "笑😀"), ""},
    };
    for (const auto& c : cases) {
        const BankLoadResult r = load(*c.file);
        for (int writer = 0; writer < 2; ++writer) {
            const BankWrite w = writer == 0 ? appendQuestion(*c.file, r.bank, 0, c.f)
                                            : rewriteQuestion(*c.file, r.bank, 0, 1, c.f);
            if (c.messagePart.empty()) {
                EXPECT_TRUE(w.ok) << c.f.question << " " << w.message;
            } else {
                EXPECT_FALSE(w.ok) << c.f.question;
                EXPECT_NE(w.message.find(c.messagePart), std::string::npos) << w.message;
                EXPECT_TRUE(w.bytes.empty());
            }
        }
    }
}

TEST(BankWriter, RefusesWhileLinesWereSkipped)
{
    const std::string before = "1,a,q,c,w,w,w\r\nbroken line\r\n2,a,q,c,w,w,w\r\n";
    const BankLoadResult r = load(before);
    ASSERT_EQ(r.badLines.size(), 1u);
    const BankWrite writes[] = {appendQuestion(before, r.bank, r.badLines.size(), fields()),
                                rewriteQuestion(before, r.bank, r.badLines.size(), 0, fields()),
                                deleteQuestion(before, r.bank, r.badLines.size(), 0)};
    for (const BankWrite& w : writes) {
        EXPECT_FALSE(w.ok);
        EXPECT_NE(w.message.find("1 行没有读懂"), std::string::npos) << w.message;
    }
}

TEST(BankWriter, RowsBeyondTheBankAreRefused)
{
    const std::string before = gbk(fiveLines());
    const BankLoadResult r = load(before);
    EXPECT_FALSE(rewriteQuestion(before, r.bank, 0, 5, fields()).ok);
    EXPECT_FALSE(deleteQuestion(before, r.bank, 0, 5).ok);
}

// A bank of the Chinese ANSI code page holds "€" as the byte 0x80: an add, a change and a
// delete keep it so, and a "€" typed in is written the same way (the followed digit makes
// no four-byte code of it).
TEST(BankWriter, TheEuroSignStaysTheCodePagesByte)
{
    const std::string euroLine = gbk(" 1,其它题目,价格") + "\x80" + gbk("5,对,错,错,错\r\n");
    const std::string before = euroLine + gbk(fiveLines()).substr(gbk(" 1,历史知识,问题1,答1,错,错,错\r\n").size());
    const BankLoadResult r = load(before);
    ASSERT_EQ(r.bank.count(), 5u);
    ASSERT_EQ(r.bank.record(0).question, "价格€5");

    const BankWrite added = appendQuestion(before, r.bank, 0, fields("€5是多少？", "五欧元"));
    ASSERT_TRUE(added.ok) << added.message;
    EXPECT_EQ(added.bytes, before + " 6," + gbk("其它题目,") + "\x80" + gbk("5是多少？,五欧元,错一,错二,错三\r\n"));

    const BankWrite changed = rewriteQuestion(before, r.bank, 0, 1, fields("问题2", "答2"));
    ASSERT_TRUE(changed.ok) << changed.message;
    EXPECT_EQ(changed.bytes.substr(0, euroLine.size() - 1), euroLine.substr(1)); // the line, its number trimmed
    EXPECT_EQ(changed.bank.record(0).question, "价格€5");

    const BankWrite deleted = deleteQuestion(before, r.bank, 0, 4);
    ASSERT_TRUE(deleted.ok) << deleted.message;
    EXPECT_EQ(deleted.bytes.substr(0, euroLine.size()), euroLine);
}

namespace {

enum class Encoding { Gb, Utf8, Utf8Bom };

// A test.dat as the given editor would save the UTF-8 text.
std::string savedAs(Encoding enc, const std::string& utf8)
{
    switch (enc) {
    case Encoding::Gb:
        return gbk(utf8);
    case Encoding::Utf8:
        return utf8;
    case Encoding::Utf8Bom:
        break;
    }
    return "\xEF\xBB\xBF" + utf8;
}

std::string joined(std::initializer_list<std::string_view> lines, std::string_view end)
{
    std::string s;
    for (std::string_view l : lines)
        s += std::string(l) + std::string(end);
    return s;
}

} // namespace

// Every writer keeps the form the file was found in: its encoding (a BOM included) and
// its line end (CR LF, LF or a lone CR). A DOS Ctrl-Z end mark is dropped by all three,
// so it never ends up between the old lines and an appended one.
TEST(BankWriter, KeepsTheFilesEncodingAndLineEnds)
{
    enum class Writer { Append, Change, Delete };
    // Three records; the first and the last begin with a blank, as appended lines do.
    const std::string_view one = " 1,历史知识,问一,答一,错,错,错";
    const std::string_view two = "2,诗词对联,问二,答二,错,错,错";
    const std::string_view three = " 3,其它题目,问三,答三,错,错,错";
    struct Form {
        Encoding enc;
        std::string_view end;
        int eofMarks; // Ctrl-Z bytes after the text
        bool lastLineEnded;
    };
    std::vector<Form> forms;
    for (Encoding enc : {Encoding::Gb, Encoding::Utf8, Encoding::Utf8Bom})
        for (std::string_view end : {"\r\n", "\n", "\r"})
            for (int eofMarks : {0, 1, 2})
                for (bool lastLineEnded : {true, false})
                    forms.push_back({enc, end, eofMarks, lastLineEnded});

    for (const Form& f : forms) {
        std::string text = joined({one, two, three}, f.end);
        if (!f.lastLineEnded)
            text.resize(text.size() - f.end.size());
        const std::string before = savedAs(f.enc, text) + std::string(f.eofMarks, '\x1A');
        const BankLoadResult r = load(before);
        ASSERT_EQ(r.bank.count(), 3u);
        for (Writer writer : {Writer::Append, Writer::Change, Writer::Delete}) {
            std::string expected;
            BankWrite w;
            switch (writer) {
            case Writer::Append:
                expected = joined({one, two, three, " 4,其它题目,新题,对,错一,错二,错三"}, f.end);
                w = appendQuestion(before, r.bank, 0, fields());
                break;
            case Writer::Change:
                expected = joined({"1,历史知识,问一,答一,错,错,错", "2,其它题目,改题,新答,错一,错二,错三",
                                   "3,其它题目,问三,答三,错,错,错"},
                                  f.end);
                w = rewriteQuestion(before, r.bank, 0, 1, fields("改题", "新答"));
                break;
            case Writer::Delete:
                expected = joined({" 1,其它题目,问三,答三,错,错,错", " 2,诗词对联,问二,答二,错,错,错"}, f.end);
                w = deleteQuestion(before, r.bank, 0, 0);
                break;
            }
            const std::string what = "encoding " + std::to_string(static_cast<int>(f.enc)) + ", line end " +
                                     (f.end == "\r\n" ? "CR LF" : f.end == "\n" ? "LF" : "CR") +
                                     (f.eofMarks ? ", Ctrl-Z x" + std::to_string(f.eofMarks) : "") + (f.lastLineEnded ? "" : ", last line open") +
                                     ", writer " + std::to_string(static_cast<int>(writer));
            ASSERT_TRUE(w.ok) << what << ": " << w.message;
            EXPECT_EQ(w.bytes, savedAs(f.enc, expected)) << what;
            EXPECT_EQ(w.bank.count(), writer == Writer::Append ? 4u : writer == Writer::Change ? 3u : 2u) << what;
        }
    }
}
