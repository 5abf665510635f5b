#include "exam/question_bank.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iconv.h>
#include <random>

using namespace exam;

namespace {

std::string gbk(std::string_view utf8)
{
    std::string out;
    EXPECT_TRUE(encodeFromUtf8(utf8, TextEncoding::Gb18030, out));
    return out;
}

const char* const kTwoLines = "1,游戏知识,长安城的城门朝哪边？,南,北,东,西\r\n"
                              " 2,诗词对联,床前明月光的下一句是？,疑是地上霜,举头望明月,低头思故乡,白日依山尽\r\n";

} // namespace

TEST(QuestionBankParse, ReadsGbkRecordsAndBuildsListLines)
{
    const BankLoadResult r = parseQuestionBank(gbk(kTwoLines));
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    ASSERT_EQ(r.bank.count(), 2u);
    EXPECT_EQ(r.bank.encoding, TextEncoding::Gb18030);
    EXPECT_EQ(r.bank.records[1].id, "2"); // the leading blank of an appended line is skipped
    EXPECT_EQ(r.bank.records[1].correct, "疑是地上霜");
    EXPECT_EQ(r.bank.listLines[0], "<1>[游戏知识] 长安城的城门朝哪边？");
}

TEST(QuestionBankParse, AcceptsUtf8WithAndWithoutBom)
{
    const BankLoadResult plain = parseQuestionBank(kTwoLines);
    ASSERT_EQ(plain.bank.count(), 2u);
    EXPECT_EQ(plain.bank.encoding, TextEncoding::Utf8);
    const BankLoadResult bom = parseQuestionBank(std::string("\xEF\xBB\xBF") + kTwoLines);
    ASSERT_EQ(bom.bank.count(), 2u);
    EXPECT_EQ(bom.bank.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(bom.bank.records[0].id, "1");
}

TEST(QuestionBankParse, TableOfMalformedInputs)
{
    struct Case {
        const char* name;
        std::string text;
        std::size_t records;
        std::vector<int> bad;
    };
    const Case cases[] = {
        {"empty file", "", 0, {}},
        {"only blank lines", "\r\n\r\n  \r\n", 0, {}},
        {"no final line end", "1,a,b,c,d,e,f", 1, {}},
        {"short last line", "1,a,b,c,d,e,f\r\n2,a,b\r\n", 1, {2}},
        {"extra fields", "1,a,b,c,d,e,f,g\r\n2,a,b,c,d,e,f\r\n", 1, {1}},
        {"blank line between", "1,a,b,c,d,e,f\r\n\r\n2,a,b,c,d,e,f\r\n", 2, {}},
        {"quoted comma", "1,a,\"b,c\",c,d,e,f\r\n", 1, {}},
        {"unterminated quote", "1,a,\"b,c,d,e,f\r\n", 0, {1}},
        {"trailing comma", "1,a,b,c,d,e,\r\n", 1, {}},
        {"trailing comma too many", "1,a,b,c,d,e,f,\r\n", 0, {1}},
        {"lone LF and CR ends", "1,a,b,c,d,e,f\n2,a,b,c,d,e,f\r3,a,b,c,d,e,f", 3, {}},
        {"bad lines keep their numbers", "x\r\n1,a,b,c,d,e,f\r\ny,z\r\n", 1, {1, 3}},
    };
    for (const Case& c : cases) {
        const BankLoadResult r = parseQuestionBank(c.text);
        EXPECT_TRUE(r.readable) << c.name;
        EXPECT_EQ(r.bank.count(), c.records) << c.name;
        EXPECT_EQ(r.badLines, c.bad) << c.name;
    }
    const BankLoadResult quoted = parseQuestionBank("1,a,\"b,c\" tail,c,d,e,f\r\n");
    ASSERT_EQ(quoted.bank.count(), 1u);
    EXPECT_EQ(quoted.bank.records[0].question, "b,c");
    const BankLoadResult trimmed = parseQuestionBank("  7 , 其它题目 ,问  ,c,d,e,f\r\n");
    ASSERT_EQ(trimmed.bank.count(), 1u);
    EXPECT_EQ(trimmed.bank.records[0].id, "7");
    EXPECT_EQ(trimmed.bank.listLines[0], "<7>[其它题目] 问");
}

TEST(QuestionBankParse, NoRecordLimit)
{
    std::string text;
    for (int i = 1; i <= 40000; ++i)
        text += std::to_string(i) + ",其它题目,问题" + std::to_string(i) + ",对,错,错,错\r\n";
    const BankLoadResult r = parseQuestionBank(text);
    ASSERT_EQ(r.bank.count(), 40000u);
    EXPECT_EQ(r.bank.records.back().id, "40000");
}

TEST(QuestionBankParse, RandomMutationsNeverCrashOrLoseGoodRecords)
{
    // A valid bank, then thousands of copies with one line damaged: the other lines
    // must all come through unchanged.
    std::vector<std::string> lines;
    for (int i = 1; i <= 30; ++i)
        lines.push_back(std::to_string(i) + ",古代常识,第" + std::to_string(i) + "题,甲,乙,丙,丁");
    std::mt19937 rng(12345);
    const std::string junk = ",\"\r\n \xE4\xB8\x80\xFF\x81\x30";
    for (int round = 0; round < 3000; ++round) {
        const std::size_t victim = rng() % lines.size();
        std::string damaged = lines[victim];
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = damaged.empty() ? 0 : rng() % (damaged.size() + 1);
            switch (rng() % 3) {
            case 0:
                damaged.insert(at, 1, junk[rng() % junk.size()]);
                break;
            case 1:
                if (!damaged.empty())
                    damaged.erase(std::min(at, damaged.size() - 1), 1);
                break;
            default:
                damaged = damaged.substr(0, at);
                break;
            }
        }
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i == victim ? damaged : lines[i]) + "\r\n";
        const BankLoadResult r = parseQuestionBank(text);
        if (!r.readable)
            continue; // bytes that are neither UTF-8 nor GB18030: nothing is loaded, nothing crashes
        // Every undamaged line comes through, in order, as its own record.
        std::size_t next = 0;
        for (const QuestionRecord& rec : r.bank.records) {
            if (next == victim)
                ++next;
            if (next < lines.size() && rec.id == std::to_string(next + 1) &&
                rec.question == "第" + std::to_string(next + 1) + "题" && rec.wrong3 == "丁")
                ++next;
        }
        if (next == victim)
            ++next;
        ASSERT_EQ(next, lines.size()) << "round " << round;
    }
}

TEST(QuestionBankFile, MissingFileIsUnreadable)
{
    const BankLoadResult r = loadQuestionBankFile("/nonexistent-dir/test.dat");
    EXPECT_FALSE(r.readable);
    EXPECT_EQ(r.bank.count(), 0u);
}

TEST(QuestionBankDecode, AgreesWithTheSystemConverterOnEveryTwoByteCode)
{
    // Every two-byte code, ASCII between them, and a four-byte sequence (U+0080).
    std::string bytes = "1,";
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            if (trail != 0x7F) {
                bytes.push_back(static_cast<char>(lead));
                bytes.push_back(static_cast<char>(trail));
                if (trail % 16 == 0)
                    bytes += "ab";
            }
    bytes += "\x81\x30\x81\x30,end";
    std::string ours;
    ASSERT_TRUE(decodeToUtf8(bytes, TextEncoding::Gb18030, ours));

    iconv_t cd = iconv_open("UTF-8", "GB18030");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string theirs(bytes.size() * 2, '\0');
    char* in = bytes.data();
    char* out = theirs.data();
    std::size_t inLeft = bytes.size(), outLeft = theirs.size();
    ASSERT_NE(iconv(cd, &in, &inLeft, &out, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(cd);
    theirs.resize(theirs.size() - outLeft);
    EXPECT_EQ(ours, theirs);

    // A lone lead byte at the end, or a byte GB18030 never uses, is refused.
    std::string bad;
    EXPECT_FALSE(decodeToUtf8("ab\x81", TextEncoding::Gb18030, bad));
    EXPECT_FALSE(decodeToUtf8("\x80", TextEncoding::Gb18030, bad));
    EXPECT_FALSE(decodeToUtf8("\xFF\x41", TextEncoding::Gb18030, bad));
}
