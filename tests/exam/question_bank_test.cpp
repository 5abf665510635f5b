#include "exam/question_bank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <random>

using namespace exam;

namespace {

// The system converter, one call, as the test's own reference (not the reader's code).
bool systemConvert(std::string_view in, const char* from, const char* to, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string src(in);
    out.assign(src.size() * 4 + 16, '\0');
    char* inPtr = src.data();
    char* outPtr = out.data();
    std::size_t inLeft = src.size(), outLeft = out.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    out.resize(ok ? out.size() - outLeft : 0);
    return ok;
}

std::string gbk(std::string_view utf8)
{
    std::string out;
    EXPECT_TRUE(systemConvert(utf8, "UTF-8", "GB18030", out));
    return out;
}

// A scratch file that goes away with the test.
struct TempFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("bank_test_" + std::to_string(std::random_device{}()) + ".dat");
    ~TempFile()
    {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    void write(std::string_view bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
};

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
    const QuestionView second = r.bank.record(1);
    EXPECT_EQ(second.id, "2"); // the leading blank of an appended line is skipped
    EXPECT_EQ(second.category, "诗词对联");
    EXPECT_EQ(second.question, "床前明月光的下一句是？");
    EXPECT_EQ(second.correct, "疑是地上霜");
    EXPECT_EQ(second.wrong1, "举头望明月");
    EXPECT_EQ(second.wrong2, "低头思故乡");
    EXPECT_EQ(second.wrong3, "白日依山尽");
    EXPECT_EQ(r.bank.listLine(0), "<1>[游戏知识] 长安城的城门朝哪边？");
    EXPECT_EQ(r.bank.listLine(1), "<2>[诗词对联] 床前明月光的下一句是？");
}

TEST(QuestionBankParse, AcceptsUtf8WithAndWithoutBom)
{
    const BankLoadResult plain = parseQuestionBank(kTwoLines);
    ASSERT_EQ(plain.bank.count(), 2u);
    EXPECT_EQ(plain.bank.encoding, TextEncoding::Utf8);
    const BankLoadResult bom = parseQuestionBank(std::string("\xEF\xBB\xBF") + kTwoLines);
    ASSERT_EQ(bom.bank.count(), 2u);
    EXPECT_EQ(bom.bank.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(bom.bank.record(0).id, "1");
    EXPECT_EQ(bom.bank.record(1).wrong3, "白日依山尽");
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
        // The number in "第N行格式有误" is the file's own line: blank lines count, whatever
        // ends them and whether they hold blanks or nothing.
        {"blank lines are counted", "\r\n\r\n1,a,b,c,d,e,f\r\n坏行\r\n", 1, {4}},
        {"blank lines of every ending", "\n\r \t\r\n1,a,b,c,d,e,f\n\nx\ry\r\n", 1, {6, 7}},
        {"bad line after a blank one at the end", "1,a,b,c,d,e,f\r\n\r\n\r\n2,a\r\n\r\n", 1, {4}},
        // A Ctrl-Z at the very end is the end-of-file mark of DOS editors.
        {"Ctrl-Z after the last line end", "1,a,b,c,d,e,f\r\n\x1A", 1, {}},
        {"Ctrl-Z for the last line end", "1,a,b,c,d,e,f\r\n2,a,b,c,d,e,f\x1A", 2, {}},
        {"several Ctrl-Z", "1,a,b,c,d,e,f\r\n\x1A\x1A", 1, {}},
        {"a Ctrl-Z inside the file stays text", "\x1A\r\n1,a,b,c,d,e,f\r\n", 1, {1}},
        // The largest growth in decoding: in the Chinese ANSI code page each byte 0x80 is a
        // "€", three bytes in UTF-8, so the decoded line is three times as long as the file's.
        {"a long line of the code page's euro sign", "1,a,b,c,d,e," + std::string(5000, '\x80') + "\r\n", 1, {}},
        {"a line of nothing but the euro sign", std::string(5000, '\x80') + "\r\n1,a,b,c,d,e,f\r\n", 1, {1}},
    };
    for (const Case& c : cases) {
        const BankLoadResult r = parseQuestionBank(c.text);
        EXPECT_TRUE(r.readable) << c.name;
        EXPECT_EQ(r.bank.count(), c.records) << c.name;
        EXPECT_EQ(r.badLines, c.bad) << c.name;
    }
    const BankLoadResult quoted = parseQuestionBank("1,a,\"b,c\" tail,c,d,e,f\r\n");
    ASSERT_EQ(quoted.bank.count(), 1u);
    EXPECT_EQ(quoted.bank.record(0).question, "b,c");
    const BankLoadResult trimmed = parseQuestionBank("  7 , 其它题目 ,问  ,c,d,e,f\r\n");
    ASSERT_EQ(trimmed.bank.count(), 1u);
    EXPECT_EQ(trimmed.bank.record(0).id, "7");
    EXPECT_EQ(trimmed.bank.listLine(0), "<7>[其它题目] 问");
    std::string euros;
    for (int i = 0; i < 5000; ++i)
        euros += "€";
    const BankLoadResult euro = parseQuestionBank("1,a,b,c,d,e," + std::string(5000, '\x80') + "\r\n");
    ASSERT_EQ(euro.bank.count(), 1u);
    EXPECT_EQ(euro.bank.record(0).wrong3, euros);
    const BankLoadResult ctrlZ = parseQuestionBank("1,a,b,c,d,e,f\x1A");
    ASSERT_EQ(ctrlZ.bank.count(), 1u);
    EXPECT_EQ(ctrlZ.bank.record(0).wrong3, "f"); // the mark is not part of the last field
}

TEST(QuestionBankParse, DosEndOfFileMarkInAGbkFile)
{
    const BankLoadResult r = parseQuestionBank(gbk(kTwoLines) + "\x1A");
    ASSERT_TRUE(r.readable);
    EXPECT_EQ(r.bank.encoding, TextEncoding::Gb18030);
    EXPECT_TRUE(r.badLines.empty());
    EXPECT_EQ(r.bank.count(), 2u);
}

TEST(QuestionBankParse, CodePageTextShapedLikeOverlongUtf8IsReadInTheCodePage)
{
    // "饛垐" is F0 8F 88 88 in the code page: the shape of a four-byte UTF-8 sequence, but
    // one that would spell U+F208, which UTF-8 writes in three bytes. Such a form is not
    // UTF-8, so the file is in the code page.
    const std::string bytes = gbk("1,a,饛垐,c,d,e,f\r\n");
    ASSERT_EQ(bytes, "1,a,\xF0\x8F\x88\x88,c,d,e,f\r\n");
    const BankLoadResult r = parseQuestionBank(bytes);
    ASSERT_EQ(r.bank.count(), 1u);
    EXPECT_EQ(r.bank.encoding, TextEncoding::Gb18030);
    EXPECT_EQ(r.bank.record(0).question, "饛垐");
}

TEST(QuestionBankParse, NoRecordLimit)
{
    std::string text;
    for (int i = 1; i <= 40000; ++i)
        text += std::to_string(i) + ",其它题目,问题" + std::to_string(i) + ",对,错,错,错\r\n";
    const BankLoadResult r = parseQuestionBank(text);
    ASSERT_EQ(r.bank.count(), 40000u);
    EXPECT_EQ(r.bank.record(39999).id, "40000");
    EXPECT_EQ(r.bank.listLine(39999), "<40000>[其它题目] 问题40000");
}

TEST(QuestionBankParse, CharactersBeyondTheBasicPlaneDoNotOverrunTheText)
{
    // FE51 FE52 FE53 FE6C FE76 FE91 are two-byte codes of characters beyond U+FFFF: four
    // bytes of UTF-8 for two of the file. Fields full of them, in many lines.
    const std::string six = "\xFE\x51\xFE\x52\xFE\x53\xFE\x6C\xFE\x76\xFE\x91";
    std::string expected6;
    ASSERT_TRUE(systemConvert(six, "GB18030", "UTF-8", expected6));
    ASSERT_EQ(expected6.size(), 24u); // 6 characters of 4 bytes each
    std::string field;
    for (int k = 0; k < 8; ++k)
        field += six;
    std::string expectedField;
    for (int k = 0; k < 8; ++k)
        expectedField += expected6;
    std::string bytes;
    for (int i = 1; i <= 5000; ++i)
        bytes += std::to_string(i) + "," + field + "," + field + "," + field + "," + field + "," + field + "," +
                 field + "\r\n";
    const BankLoadResult r = parseQuestionBank(bytes);
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    ASSERT_EQ(r.bank.count(), 5000u);
    for (std::size_t i : {std::size_t{0}, std::size_t{2500}, std::size_t{4999}}) {
        const QuestionView v = r.bank.record(i);
        EXPECT_EQ(v.category, expectedField);
        EXPECT_EQ(v.wrong3, expectedField);
    }
    // Sixteen bytes of FE51 alone, the shortest file that overran before.
    std::string out;
    ASSERT_TRUE(decodeToUtf8("\xFE\x51\xFE\x51\xFE\x51\xFE\x51\xFE\x51\xFE\x51\xFE\x51\xFE\x51",
                             TextEncoding::Gb18030, out));
    EXPECT_EQ(out.size(), 32u);
}

TEST(QuestionBankFile, MissingFileIsUnreadable)
{
    const BankLoadResult r = loadQuestionBankFile("/nonexistent-dir/test.dat");
    EXPECT_FALSE(r.readable);
    EXPECT_FALSE(r.tooLarge);
    EXPECT_EQ(r.bank.count(), 0u);
}

TEST(QuestionBankFile, ReadsAFileAndItsDosMark)
{
    TempFile f;
    f.write(gbk(kTwoLines) + "\x1A");
    const BankLoadResult r = loadQuestionBankFile(f.path.string());
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    ASSERT_EQ(r.bank.count(), 2u);
    EXPECT_EQ(r.bank.record(0).question, "长安城的城门朝哪边？");
}

TEST(QuestionBankFile, ATooLargeFileIsRefusedWithoutReadingIt)
{
    TempFile f;
    f.write(kTwoLines);
    // Sparse: it takes neither disk nor memory.
    std::filesystem::resize_file(f.path, kMaxBankFileBytes + 1);
    const BankLoadResult r = loadQuestionBankFile(f.path.string());
    EXPECT_TRUE(r.tooLarge);
    EXPECT_FALSE(r.readable);
    EXPECT_EQ(r.bank.count(), 0u);
    // At the limit it is read (NUL bytes make one long malformed line).
    std::filesystem::resize_file(f.path, kMaxBankFileBytes);
    const BankLoadResult atLimit = loadQuestionBankFile(f.path.string());
    EXPECT_FALSE(atLimit.tooLarge);
    EXPECT_TRUE(atLimit.readable);
    EXPECT_EQ(atLimit.bank.count(), 2u);
    EXPECT_EQ(atLimit.badLines, std::vector<int>{3});
}

TEST(QuestionBankParse, ManyEmptyLinesTakeNoRoom)
{
    // 32 million line feeds: the reader used to reserve a record per line feed and abort.
    const std::string lines(std::size_t{32} << 20, '\n');
    const BankLoadResult r = parseQuestionBank(lines + "1,a,b,c,d,e,f\n");
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    ASSERT_EQ(r.bank.count(), 1u);
    EXPECT_LT(r.bank.storageBytes(), 1024u);
}

TEST(QuestionBankParse, MemoryStaysWithinTwiceTheDecodedText)
{
    std::string utf8;
    for (int i = 1; i <= 30000; ++i) {
        const std::string n = std::to_string(i);
        utf8.append(" ").append(n).append(",诗词对联,第").append(n);
        utf8 += "题：春眠不觉晓的下一句是什么,处处闻啼鸟,夜来风雨声,花落知多少,举头望明月\r\n";
    }
    const BankLoadResult r = parseQuestionBank(gbk(utf8));
    ASSERT_EQ(r.bank.count(), 30000u);
    EXPECT_LE(r.bank.storageBytes(), 2 * utf8.size());
}

TEST(QuestionBankStore, AppendedRecordsReadBackAsTheyWereGiven)
{
    QuestionBank bank;
    bank.encoding = TextEncoding::Utf8;
    bank.append(QuestionRecord{"1", "古代常识", "问一", "对", "错一", "错二", "错三"});
    bank.append(QuestionRecord{"2", "", "", "", "", "", ""});
    const QuestionRecord third{"3", "书画艺术", "问三，含逗号", "甲", "乙", "丙", "丁𠀀"};
    bank.append(third);
    ASSERT_EQ(bank.count(), 3u);
    EXPECT_EQ(bank.listLine(0), "<1>[古代常识] 问一");
    EXPECT_EQ(bank.listLine(1), "<2>[] ");
    EXPECT_EQ(bank.listLine(2), "<3>[书画艺术] 问三，含逗号");
    EXPECT_EQ(listLine(third), "<3>[书画艺术] 问三，含逗号");
    const QuestionRecord back = bank.record(2).toRecord();
    EXPECT_EQ(back.question, third.question);
    EXPECT_EQ(back.wrong3, third.wrong3);
    EXPECT_EQ(bank.record(1).wrong3, "");
    EXPECT_EQ(bank.record(0).wrong2, "错二");

    // A copy is independent; a moved-from bank is empty.
    QuestionBank copy = bank;
    copy.append(bank.record(0));
    EXPECT_EQ(copy.count(), 4u);
    EXPECT_EQ(bank.count(), 3u);
    EXPECT_EQ(copy.record(3).question, "问一");
    EXPECT_EQ(copy.encoding, TextEncoding::Utf8);
    QuestionBank moved = std::move(copy);
    EXPECT_EQ(moved.count(), 4u);
    EXPECT_EQ(copy.count(), 0u); // NOLINT(bugprone-use-after-move): moved-from state is specified
    copy = moved;
    EXPECT_EQ(copy.listLine(3), "<1>[古代常识] 问一");
}

TEST(QuestionBankParse, RandomEditsNeverCrashOrLoseGoodRecords)
{
    // A valid bank, then thousands of copies with one line damaged, written as GB18030,
    // UTF-8 or UTF-8 with BOM. Every other line must come through unchanged, and malformed
    // lines are reported only where the damaged line now lies. One round in four also gets
    // a byte that no encoding allows: then that line is reported too, and the rest loads.
    const std::string categories[] = {"古代常识", "诗词对联", "其它题目"};
    std::vector<std::u32string> lines;
    for (int i = 1; i <= 30; ++i) {
        std::string s = std::to_string(i) + "," + categories[i % 3] + ",第" + std::to_string(i) +
                        "题€𠀀·é,甲,乙,丙,丁";
        std::u32string u;
        std::string tmp;
        EXPECT_TRUE(systemConvert(s, "UTF-8", "UTF-32LE", tmp));
        u.resize(tmp.size() / 4);
        std::memcpy(u.data(), tmp.data(), tmp.size());
        lines.push_back(u);
    }
    auto toUtf8 = [](const std::u32string& u) {
        std::string out;
        EXPECT_TRUE(systemConvert(std::string_view(reinterpret_cast<const char*>(u.data()), u.size() * 4),
                                  "UTF-32LE", "UTF-8", out));
        return out;
    };
    const std::u32string junk = U",\"\r\n \t一𠀀éx€";
    std::mt19937 rng(12345);
    int valid = 0, broken = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::size_t victim = rng() % lines.size();
        std::u32string damaged = lines[victim];
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
        const int form = static_cast<int>(rng() % 3);
        const bool breakIt = rng() % 4 == 0;
        auto encode = [&](const std::u32string& u) { return form == 0 ? gbk(toUtf8(u)) : toUtf8(u); };
        std::string damagedBytes = encode(damaged);
        if (breakIt)
            damagedBytes.insert(rng() % (damagedBytes.size() + 1), 1, '\xFF'); // in no encoding
        std::string text = form == 2 ? "\xEF\xBB\xBF" : "";
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i == victim ? damagedBytes : encode(lines[i])) + "\r\n";
        const BankLoadResult r = parseQuestionBank(text);
        if (breakIt) {
            ASSERT_FALSE(r.badLines.empty()) << "round " << round;
            ++broken;
        } else {
            ++valid;
        }
        ASSERT_TRUE(r.readable) << "round " << round;
        const TextEncoding forms[] = {TextEncoding::Gb18030, TextEncoding::Utf8, TextEncoding::Utf8Bom};
        ASSERT_EQ(r.bank.encoding, forms[form]) << "round " << round;
        // Every undamaged line comes through, in order, as its own record.
        std::size_t next = 0;
        for (std::size_t k = 0; k < r.bank.count(); ++k) {
            if (next == victim)
                ++next;
            if (next < lines.size()) {
                const QuestionView v = r.bank.record(k);
                const std::string n = std::to_string(next + 1);
                if (v.id == n && v.category == categories[(next + 1) % 3] && v.question == "第" + n + "题€𠀀·é" &&
                    v.correct == "甲" && v.wrong1 == "乙" && v.wrong2 == "丙" && v.wrong3 == "丁" &&
                    r.bank.listLine(k) == "<" + n + ">[" + categories[(next + 1) % 3] + "] 第" + n + "题€𠀀·é")
                    ++next;
            }
        }
        if (next == victim)
            ++next;
        ASSERT_EQ(next, lines.size()) << "round " << round;
        // Malformed lines lie where the damaged line now is: after the lines before it,
        // before the lines after it. Lines counted here on their own: CR LF, CR or LF.
        int fileLines = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
                ++fileLines;
        const int after = static_cast<int>(lines.size() - victim - 1);
        for (int bad : r.badLines) {
            ASSERT_GT(bad, static_cast<int>(victim)) << "round " << round;
            ASSERT_LE(bad, fileLines - after) << "round " << round;
        }
    }
    EXPECT_GT(valid, 2000);
    EXPECT_GT(broken, 600);
}

namespace {

// Our decoder and the system's on the same bytes: both refuse, or both give the same text.
struct DecodeComparison {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    std::string ours, theirs = std::string(16, '\0');
    long compared = 0, accepted = 0, mismatches = 0;
    ~DecodeComparison() { iconv_close(cd); }

    void check(const char* bytes, std::size_t n)
    {
        const bool ourOk = decodeToUtf8(std::string_view(bytes, n), TextEncoding::Gb18030, ours);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes);
        char* out = theirs.data();
        std::size_t inLeft = n, outLeft = theirs.size();
        bool theirOk = false;
        while (true) {
            theirOk = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
            // Where the system's GB18030 stops at a lone 0x80, the ANSI code page reads "€".
            if (theirOk || inLeft == 0 || static_cast<unsigned char>(*in) != 0x80 || outLeft < 3)
                break;
            std::memcpy(out, "\xE2\x82\xAC", 3);
            out += 3;
            outLeft -= 3;
            ++in;
            --inLeft;
        }
        ++compared;
        accepted += theirOk;
        const std::string_view theirText(theirs.data(), theirs.size() - outLeft);
        if (ourOk != theirOk || (ourOk && ours != theirText)) {
            if (++mismatches <= 10) {
                std::string hex;
                for (std::size_t k = 0; k < n; ++k) {
                    char h[4];
                    std::snprintf(h, sizeof h, "%02X", static_cast<unsigned char>(bytes[k]));
                    hex += h;
                }
                ADD_FAILURE() << "decoders disagree on " << hex << ": ours " << (ourOk ? "accepts" : "refuses")
                              << ", the system's " << (theirOk ? "accepts" : "refuses");
            }
        }
    }
};

} // namespace

TEST(QuestionBankDecode, AgreesWithTheSystemConverterOnEveryTwoByteCode)
{
    DecodeComparison cmp;
    ASSERT_NE(cmp.cd, reinterpret_cast<iconv_t>(-1));
    // Every lead byte with every second byte, valid or not.
    for (int lead = 0x80; lead <= 0xFF; ++lead)
        for (int second = 0x00; second <= 0xFF; ++second) {
            const char code[2] = {static_cast<char>(lead), static_cast<char>(second)};
            cmp.check(code, 2);
        }
    EXPECT_EQ(cmp.mismatches, 0);
    // 126 lead bytes times 190 trail bytes (0x40..0xFE without 0x7F) are codes.
    EXPECT_GE(cmp.accepted, 126 * 190 - 200);

    // Every two-byte code in one stream, with ASCII between them.
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
    std::string ours, theirs;
    ASSERT_TRUE(decodeToUtf8(bytes, TextEncoding::Gb18030, ours));
    ASSERT_TRUE(systemConvert(bytes, "GB18030", "UTF-8", theirs));
    EXPECT_EQ(ours, theirs);

    // A lone lead byte at the end, or a byte GB18030 never uses, is refused.
    std::string bad;
    EXPECT_FALSE(decodeToUtf8("ab\x81", TextEncoding::Gb18030, bad));
    EXPECT_FALSE(decodeToUtf8("\xFF\x41", TextEncoding::Gb18030, bad));
    EXPECT_FALSE(decodeToUtf8("\xFF", TextEncoding::Gb18030, bad));
    // A lone 0x80 is the ANSI code page's euro sign; as a second byte it is part of a code.
    std::string euro;
    ASSERT_TRUE(decodeToUtf8("\x80", TextEncoding::Gb18030, euro));
    EXPECT_EQ(euro, "€");
    ASSERT_TRUE(decodeToUtf8("5\x80\x80\xD6\xD0", TextEncoding::Gb18030, euro));
    EXPECT_EQ(euro, "5€€中");
    ASSERT_TRUE(decodeToUtf8(std::string(4000, '\x80'), TextEncoding::Gb18030, euro)); // three times as long
    ASSERT_EQ(euro.size(), 12000u);
    EXPECT_EQ(euro.substr(11997), "€");
    ASSERT_TRUE(decodeToUtf8("\x81\x80", TextEncoding::Gb18030, euro));
    std::string code;
    ASSERT_TRUE(systemConvert("\x81\x80", "GB18030", "UTF-8", code));
    EXPECT_EQ(euro, code);
}

TEST(QuestionBankDecode, AgreesWithTheSystemConverterOnEveryFourByteCode)
{
    // First and third bytes 0x81..0xFE, second and fourth 0x30..0x39: 1,587,600 codes, the
    // Basic Multilingual Plane from 81308130 and the other planes from 90308130 on.
    DecodeComparison cmp;
    ASSERT_NE(cmp.cd, reinterpret_cast<iconv_t>(-1));
    char code[4];
    for (int a = 0x81; a <= 0xFE; ++a)
        for (int b = 0x30; b <= 0x39; ++b)
            for (int c = 0x81; c <= 0xFE; ++c)
                for (int d = 0x30; d <= 0x39; ++d) {
                    code[0] = static_cast<char>(a);
                    code[1] = static_cast<char>(b);
                    code[2] = static_cast<char>(c);
                    code[3] = static_cast<char>(d);
                    cmp.check(code, 4);
                }
    EXPECT_EQ(cmp.compared, 126L * 10 * 126 * 10);
    EXPECT_EQ(cmp.mismatches, 0);
    // U+0080..U+FFFF less the two-byte area, and the 1,048,576 code points U+10000..U+10FFFF.
    EXPECT_GT(cmp.accepted, 1048576L + 30000);

    // Third or fourth byte out of range, or the code cut short, is refused by both.
    const char* const cut[] = {"\x81\x30\x80\x30", "\x81\x30\x81\x2F", "\x81\x30\xFF\x30", "\x81\x30\x81\x3A",
                               "\x81\x30\x81", "\x81\x30"};
    for (const char* bytes : cut)
        cmp.check(bytes, std::strlen(bytes));
    EXPECT_EQ(cmp.mismatches, 0);
    // Known anchors: 81308130 is U+0080, 90308130 is U+10000, E3329A35 is U+10FFFF.
    std::string out;
    ASSERT_TRUE(decodeToUtf8("\x81\x30\x81\x30", TextEncoding::Gb18030, out));
    EXPECT_EQ(out, "\xC2\x80");
    ASSERT_TRUE(decodeToUtf8("\x90\x30\x81\x30", TextEncoding::Gb18030, out));
    EXPECT_EQ(out, "\xF0\x90\x80\x80");
    ASSERT_TRUE(decodeToUtf8("\xE3\x32\x9A\x35", TextEncoding::Gb18030, out));
    EXPECT_EQ(out, "\xF4\x8F\xBF\xBF");
    EXPECT_FALSE(decodeToUtf8("\xE3\x32\x9A\x36", TextEncoding::Gb18030, out)); // beyond U+10FFFF
}

// One byte that does not decode spoils only its own line: the line is reported by its
// number like any malformed line, and the rest of the bank loads.
TEST(QuestionBankParse, AnUndecodableByteSpoilsOnlyItsLine)
{
    const std::string good1 = gbk("1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴");
    const std::string good3 = gbk("3,其它题目,中国最长的河流？,长江,黄河,珠江,黑龙江");
    const struct {
        const char* name;
        std::string text;
        TextEncoding encoding;
        std::vector<int> bad;
    } cases[] = {
        {"GB18030, a byte no code uses", good1 + "\r\n2,a,\xFF,c,d,e,f\r\n" + good3 + "\r\n", TextEncoding::Gb18030, {2}},
        {"GB18030, a code cut by the line end", good1 + "\r\n2,a,b,c,d,e,\xD6\r\n" + good3, TextEncoding::Gb18030, {2}},
        {"GB18030, a bad four-byte code", good1 + "\n2,a,\x81\x30\x20\x30,c,d,e,f\n" + good3 + "\n",
         TextEncoding::Gb18030, {2}},
        {"GB18030, the first and the last line", "\xFF\r\n" + good1 + "\r\n" + good3 + "\r\n\x81", TextEncoding::Gb18030,
         {1, 4}},
        {"UTF-8, a stray byte",
         "1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n2,a,\xFF,c,d,e,f\r\n3,其它题目,中国最长的河流？,长江,黄河,珠江,黑龙江\r\n",
         TextEncoding::Utf8, {2}},
        {"UTF-8 with BOM, a cut code",
         "\xEF\xBB\xBF" "1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴\r\n2,a,\xE4\xB8,c,d,e,f\r\n"
         "3,其它题目,中国最长的河流？,长江,黄河,珠江,黑龙江\r\n",
         TextEncoding::Utf8Bom, {2}},
    };
    for (const auto& c : cases) {
        const BankLoadResult r = parseQuestionBank(c.text);
        ASSERT_TRUE(r.readable) << c.name;
        EXPECT_EQ(r.bank.encoding, c.encoding) << c.name;
        EXPECT_EQ(r.badLines, c.bad) << c.name;
        ASSERT_EQ(r.bank.count(), 2u) << c.name;
        EXPECT_EQ(r.bank.listLine(0), "<1>[历史知识] 秦始皇的名字叫什么？") << c.name;
        EXPECT_EQ(r.bank.record(1).wrong3, "黑龙江") << c.name;
    }
}

// Banks written in the Chinese ANSI code page hold "€" as the one byte 0x80.
TEST(QuestionBankParse, TheCodePagesEuroSignReads)
{
    const BankLoadResult r = parseQuestionBank(gbk("1,其它题目,一欧元写作") + "\x80" + gbk("？,") + "\x80" + gbk(",$,£,¥\r\n"));
    ASSERT_TRUE(r.readable);
    EXPECT_TRUE(r.badLines.empty());
    ASSERT_EQ(r.bank.count(), 1u);
    EXPECT_EQ(r.bank.record(0).question, "一欧元写作€？");
    EXPECT_EQ(r.bank.record(0).correct, "€");
    std::string back;
    ASSERT_TRUE(encodeFromUtf8("€5，中€", TextEncoding::Gb18030, back));
    EXPECT_EQ(back, "\x80" "5" + gbk("，中") + "\x80");
}


// The encoding of a file without BOM is voted on by its lines: a line ends at every CR and
// LF, and only the lines that hold more than ASCII vote. The reader takes the vote in the
// pass that reads the lines, reading them as the first line beyond ASCII suggests, and
// reads them again when most lines say otherwise.
TEST(QuestionBankParse, TheLinesBeyondAsciiVoteOnTheEncoding)
{
    const std::string u1 = "1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴";
    const std::string u2 = "2,其它题目,中国最长的河流？,长江,黄河,珠江,黑龙江";
    const std::string g1 = gbk(u1), g2 = gbk(u2);
    const std::string ascii = "3,a,b,c,d,e,f";
    const struct {
        const char* name;
        std::string text;
        TextEncoding encoding;
        std::size_t records;
        std::vector<int> bad;
    } cases[] = {
        {"ASCII only", ascii + "\r\n" + ascii + "\r\n", TextEncoding::Gb18030, 2, {}},
        {"UTF-8 throughout", u1 + "\r\n" + ascii + "\r\n" + u2 + "\r\n", TextEncoding::Utf8, 3, {}},
        {"GB18030 throughout", g1 + "\r\n" + ascii + "\r\n" + g2 + "\r\n", TextEncoding::Gb18030, 3, {}},
        // UTF-8 read in the code page may or may not decode: u1 does, u2 does not.
        {"a tie is read in the code page", g1 + "\r\n" + u2 + "\r\n", TextEncoding::Gb18030, 1, {2}},
        {"a tie, UTF-8 first", u1 + "\r\n" + g2 + "\r\n", TextEncoding::Gb18030, 2, {}},
        {"two UTF-8 lines against one", u1 + "\r\n" + g2 + "\r\n" + u2 + "\r\n", TextEncoding::Utf8, 2, {2}},
        {"two UTF-8 lines after one", g1 + "\r\n" + u1 + "\r\n" + u2 + "\r\n", TextEncoding::Utf8, 2, {1}},
        {"ASCII lines do not vote", ascii + "\r\n" + ascii + "\r\n" + u1 + "\r\n" + ascii + "\r\n" + g2 + "\r\n" +
                                        ascii + "\r\n" + g1 + "\r\n",
         TextEncoding::Gb18030, 7, {}},
        // Read as UTF-8 first, "你" cut after its first two bytes fails; in the code page
        // the line is "浣".
        {"first line read again in the code page", "4,a,\xE4\xBD,c,d,e,f\r\n" + g1 + "\r\n" + g2 + "\r\n",
         TextEncoding::Gb18030, 3, {}},
        {"UTF-8 after a code-page line that fails in UTF-8", "\xFF\r\n" + u1 + "\r\n" + u2 + "\r\n", TextEncoding::Utf8,
         2, {1}},
        // Every CR and LF ends a line for the vote: a lone CR splits two UTF-8 halves.
        {"lone CR and LF ends", u1 + "\r" + u2 + "\n" + g1 + "\n", TextEncoding::Utf8, 2, {3}},
        {"Ctrl-Z after the last line", g1 + "\r\n" + u1 + "\r\n" + u2 + "\x1A\x1A", TextEncoding::Utf8, 2, {1}},
        {"a BOM outweighs the vote", "\xEF\xBB\xBF" + g1 + "\r\n" + g2 + "\r\n" + u1 + "\r\n", TextEncoding::Utf8Bom, 1,
         {1, 2}},
    };
    for (const auto& c : cases) {
        const BankLoadResult r = parseQuestionBank(c.text);
        ASSERT_TRUE(r.readable) << c.name;
        EXPECT_EQ(r.bank.encoding, c.encoding) << c.name;
        EXPECT_EQ(detectEncoding(c.text), c.encoding) << c.name;
        EXPECT_EQ(r.bank.count(), c.records) << c.name;
        EXPECT_EQ(r.badLines, c.bad) << c.name;
    }
    // The lines read again are read in the code page only, and once.
    const BankLoadResult again = parseQuestionBank("4,a,\xE4\xBD,c,d,e,f\r\n" + g1 + "\r\n" + g2 + "\r\n");
    ASSERT_EQ(again.bank.count(), 3u);
    EXPECT_EQ(again.bank.record(0).question, "浣");
    EXPECT_EQ(again.bank.listLine(1), "<1>[历史知识] 秦始皇的名字叫什么？");
    EXPECT_EQ(again.bank.record(2).wrong3, "黑龙江");
}

namespace {

// Well-formed UTF-8 by the table of byte ranges in the Unicode standard, as a reference.
bool wellFormedUtf8(std::string_view s)
{
    struct Range {
        unsigned char lo, hi;
    };
    auto in = [](unsigned char c, Range r) { return c >= r.lo && c <= r.hi; };
    const Range tail{0x80, 0xBF};
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::vector<Range> next;
        if (c <= 0x7F)
            next = {};
        else if (c >= 0xC2 && c <= 0xDF)
            next = {tail};
        else if (c == 0xE0)
            next = {{0xA0, 0xBF}, tail};
        else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF)
            next = {tail, tail};
        else if (c == 0xED)
            next = {{0x80, 0x9F}, tail};
        else if (c == 0xF0)
            next = {{0x90, 0xBF}, tail, tail};
        else if (c >= 0xF1 && c <= 0xF3)
            next = {tail, tail, tail};
        else if (c == 0xF4)
            next = {{0x80, 0x8F}, tail, tail};
        else
            return false;
        for (std::size_t k = 0; k < next.size(); ++k)
            if (i + 1 + k >= s.size() || !in(static_cast<unsigned char>(s[i + 1 + k]), next[k]))
                return false;
        i += 1 + next.size();
    }
    return true;
}

// The vote as stated: BOM, else count the CR/LF-separated lines with a byte above ASCII.
TextEncoding referenceEncoding(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return TextEncoding::Utf8Bom;
    int utf8 = 0, other = 0;
    std::string line;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\r' || bytes[i] == '\n') {
            if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
                ++(wellFormedUtf8(line) ? utf8 : other);
            line.clear();
        } else {
            line += bytes[i];
        }
    }
    return utf8 > other ? TextEncoding::Utf8 : TextEncoding::Gb18030;
}

} // namespace

TEST(QuestionBankParse, TheVoteAgreesWithItsPlainStatementOnGeneratedFiles)
{
    // Files of a few lines, so ties and near ties are common: records in UTF-8, in the code
    // page or ASCII, with stray bytes, codes cut short, every line end, Ctrl-Z at the end and
    // now and then a BOM. The reader's encoding and its malformed lines must be those of
    // the vote as stated, with every line decoded in the encoding voted for.
    const std::string records[] = {"1,历史知识,秦始皇的名字叫什么？,嬴政,胡亥,扶苏,子婴",
                                   "2,诗词对联,床前明月光的下一句是？,疑是地上霜,举头望明月,低头思故乡,白日依山尽",
                                   "3,其它题目,一欧元写作€？,€,$,£,¥", "4,古代常识,é·𠀀,甲,乙,丙,丁",
                                   "5,其它题目,What is 1+1 in 中文?,二,three,four,five"};
    const std::string asciiRecords[] = {"6,a,b,c,d,e,f", "7,Other,What is 1+1?,2,3,4,5"};
    const std::string strays[] = {"\xFF", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8", "\xD6",
                                  "\x81\x30", "\xF0\x8F\x88\x88", "\xC3\xA9", "\xE4\xB8\xAD"};
    const std::string ends[] = {"\r\n", "\r\n", "\n", "\r", "\r\r\n", "\n\n"};
    std::mt19937 rng(20261211);
    auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    int decided[3] = {};
    int rereads = 0;
    for (int round = 0; round < 4000; ++round) {
        const unsigned utf8Share = static_cast<unsigned>(pick(101));
        std::string text = pick(40) == 0 ? "\xEF\xBB\xBF" : "";
        const std::size_t lines = 1 + pick(9);
        for (std::size_t l = 0; l < lines; ++l) {
            std::string line = records[pick(std::size(records))];
            const std::size_t kind = pick(10);
            if (pick(6) == 0)
                line = asciiRecords[pick(std::size(asciiRecords))];
            else if (pick(100) >= utf8Share)
                line = gbk(line);
            if (kind == 1 || kind == 2) { // a stray byte or a code cut short somewhere
                const std::string& s = strays[pick(std::size(strays))];
                line.insert(pick(line.size() + 1), s);
            }
            if (kind == 3)
                line.resize(pick(line.size() + 1));
            text += line;
            if (l + 1 < lines || pick(3))
                text += ends[pick(std::size(ends))];
        }
        if (pick(4) == 0)
            text.append(1 + pick(2), '\x1A');

        std::string_view body = text;
        while (!body.empty() && body.back() == '\x1A')
            body.remove_suffix(1);
        const TextEncoding expected = referenceEncoding(body);
        ASSERT_EQ(detectEncoding(text), referenceEncoding(text)) << "round " << round;
        const BankLoadResult r = parseQuestionBank(text);
        ASSERT_TRUE(r.readable) << "round " << round;
        ASSERT_EQ(r.bank.encoding, expected) << "round " << round;
        ++decided[static_cast<int>(expected)];

        // Each line on its own, decoded in the encoding voted for.
        if (expected == TextEncoding::Utf8Bom)
            body.remove_prefix(3);
        const TextEncoding lineEncoding = expected == TextEncoding::Gb18030 ? expected : TextEncoding::Utf8;
        std::vector<int> bad;
        std::vector<std::string> lists;
        int lineNo = 0;
        bool firstBeyondAscii = true, readAgain = false;
        for (std::size_t i = 0; i < body.size();) {
            std::size_t end = i;
            while (end < body.size() && body[end] != '\r' && body[end] != '\n')
                ++end;
            const std::string_view raw = body.substr(i, end - i);
            ++lineNo;
            i = end + (end < body.size() && body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n' ? 2 : 1);
            if (expected != TextEncoding::Utf8Bom && firstBeyondAscii &&
                std::any_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
                firstBeyondAscii = false;
                readAgain = wellFormedUtf8(raw) != (expected == TextEncoding::Utf8);
            }
            std::string decoded;
            if (!decodeToUtf8(raw, lineEncoding, decoded)) {
                bad.push_back(lineNo);
                continue;
            }
            if (decoded.find_first_not_of(" \t") == std::string::npos)
                continue;
            const std::vector<std::string> f = splitFields(decoded);
            if (f.size() != 7) {
                bad.push_back(lineNo);
                continue;
            }
            lists.push_back("<" + f[0] + ">[" + f[1] + "] " + f[2]);
        }
        rereads += readAgain;
        ASSERT_EQ(r.badLines, bad) << "round " << round;
        ASSERT_EQ(r.bank.count(), lists.size()) << "round " << round;
        for (std::size_t k = 0; k < lists.size(); ++k)
            ASSERT_EQ(r.bank.listLine(k), lists[k]) << "round " << round << ", record " << k;
    }
    // Every outcome, and the reading again, came up often.
    for (int n : decided)
        EXPECT_GT(n, 80);
    EXPECT_GT(rereads, 200);
}
