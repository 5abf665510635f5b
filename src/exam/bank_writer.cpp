#include "exam/bank_writer.h"

#include <string>

namespace exam {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool blankOnly(std::string_view s)
{
    for (char c : s)
        if (!isBlank(c))
            return false;
    return true;
}

std::string_view trimEnd(std::string_view s)
{
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The line end the file uses: its first CR LF, LF or CR; CR LF for a file without one.
std::string_view lineEndOf(std::string_view bytes)
{
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (bytes[at] == '\n')
        return "\n";
    if (at + 1 < bytes.size() && bytes[at + 1] == '\n')
        return "\r\n";
    return "\r";
}

// The file's bytes without its Ctrl-Z end mark.
std::string_view withoutEofMark(std::string_view bytes)
{
    while (!bytes.empty() && bytes.back() == '\x1A')
        bytes.remove_suffix(1);
    return bytes;
}

// An original file is in the Chinese ANSI code page: a four-byte GB18030 code (second byte
// a digit) would not read back there. 0x80 is that code page's "€", one byte.
bool onlyTwoByteCodes(std::string_view gb)
{
    for (std::size_t i = 0; i < gb.size(); ++i) {
        const auto c = static_cast<unsigned char>(gb[i]);
        if (c <= 0x80)
            continue;
        if (i + 1 < gb.size() && gb[i + 1] >= '0' && gb[i + 1] <= '9')
            return false;
        ++i;
    }
    return true;
}

BankWrite refused(std::string message)
{
    BankWrite w;
    w.message = std::move(message);
    return w;
}

const char* const kFieldNames[6] = {"题目类型", "题目", "正确答案", "错误答案一", "错误答案二", "错误答案三"};

std::string skippedMessage(std::size_t skippedLines)
{
    return "题库文件中有 " + std::to_string(skippedLines) +
           " 行没有读懂，为免这些行在写回时丢失，现在不能添加、修改或删除题目。请先修好题库文件。";
}

// Every field filled and free of what would break the file; empty when all is well.
std::string checkFields(const std::string_view (&f)[6], TextEncoding enc)
{
    for (std::string_view s : f)
        if (blankOnly(s))
            return std::string(kEmptyFieldMessage);
    for (std::string_view s : f)
        if (s.find_first_of(",\"\r\n") != std::string_view::npos)
            return std::string(kNoCommaMessage);
    for (int i = 0; i < 6; ++i) {
        std::string encoded;
        const bool ok = encodeFromUtf8(f[i], enc, encoded);
        if (!ok || (enc == TextEncoding::Gb18030 && !onlyTwoByteCodes(encoded)))
            return std::string("“") + kFieldNames[i] + "”中有题库文件的编码存不下的字符，请换一种写法。";
    }
    return {};
}

// One line in UTF-8 without its line end.
std::string joinLine(std::string_view id, const std::string_view (&f)[6], bool trim)
{
    std::string line(id);
    for (std::string_view s : f) {
        line += ',';
        line += trim ? trimEnd(s) : s;
    }
    return line;
}

// Encodes UTF-8 text (no BOM) into the file's encoding.
bool encodeText(std::string_view utf8, TextEncoding enc, std::string& out)
{
    return encodeFromUtf8(utf8, enc == TextEncoding::Utf8Bom ? TextEncoding::Utf8 : enc, out);
}

// Parses the new bytes as the reload does, and checks they read back as `expected` records.
BankWrite finish(std::string bytes, std::size_t expected)
{
    BankLoadResult r = parseQuestionBank(bytes);
    if (!r.readable || !r.badLines.empty() || r.bank.count() != expected)
        return refused("新的题库内容读不回来，没有写入。");
    BankWrite w;
    w.ok = true;
    w.bytes = std::move(bytes);
    w.bank = std::move(r.bank);
    return w;
}

// Writes all records of `rows` (views into a bank) from scratch.
struct Line {
    std::string id;
    QuestionView v;
    const QuestionFields* changed = nullptr;
};

} // namespace

BankWrite appendQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                         const QuestionFields& fields)
{
    if (skippedLines > 0)
        return refused(skippedMessage(skippedLines));
    const std::string_view f[6] = {fields.category, fields.question, fields.correct,
                                   fields.wrong1,   fields.wrong2,   fields.wrong3};
    if (std::string why = checkFields(f, bank.encoding); !why.empty())
        return refused(why);
    const std::string_view lineEnd = lineEndOf(fileBytes);
    std::string bytes(withoutEofMark(fileBytes));
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        bytes += lineEnd;
    std::string encoded;
    if (!encodeText(joinLine(" " + std::to_string(bank.count() + 1), f, false), bank.encoding, encoded))
        return refused("新的题目存不进题库文件的编码。");
    if (bytes.empty() && bank.encoding == TextEncoding::Utf8Bom)
        bytes = "\xEF\xBB\xBF";
    bytes += encoded;
    bytes += lineEnd;
    return finish(std::move(bytes), bank.count() + 1);
}

namespace {

BankWrite writeAll(std::string_view fileBytes, const QuestionBank& bank, const std::vector<Line>& lines)
{
    const std::string_view lineEnd = lineEndOf(fileBytes);
    std::string text;
    for (const Line& l : lines) {
        if (l.changed) {
            const std::string_view f[6] = {l.changed->category, l.changed->question, l.changed->correct,
                                           l.changed->wrong1,   l.changed->wrong2,   l.changed->wrong3};
            text += joinLine(l.id, f, true);
        } else {
            const std::string_view f[6] = {l.v.category, l.v.question, l.v.correct,
                                           l.v.wrong1,   l.v.wrong2,   l.v.wrong3};
            text += joinLine(l.id, f, true);
        }
        text += lineEnd;
    }
    std::string bytes;
    if (!encodeText(text, bank.encoding, bytes))
        return refused("题库存不进文件的编码，没有写入。");
    if (bank.encoding == TextEncoding::Utf8Bom)
        bytes.insert(0, "\xEF\xBB\xBF");
    return finish(std::move(bytes), lines.size());
}

} // namespace

BankWrite rewriteQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                          std::size_t row, const QuestionFields& fields)
{
    if (skippedLines > 0)
        return refused(skippedMessage(skippedLines));
    if (row >= bank.count())
        return refused("要修改的题目不在题库里。");
    const std::string_view f[6] = {fields.category, fields.question, fields.correct,
                                   fields.wrong1,   fields.wrong2,   fields.wrong3};
    if (std::string why = checkFields(f, bank.encoding); !why.empty())
        return refused(why);
    std::vector<Line> lines(bank.count());
    for (std::size_t i = 0; i < bank.count(); ++i) {
        lines[i].v = bank.record(i);
        lines[i].id = std::string(trimEnd(lines[i].v.id));
    }
    lines[row].changed = &fields;
    return writeAll(fileBytes, bank, lines);
}

BankWrite deleteQuestion(std::string_view fileBytes, const QuestionBank& bank, std::size_t skippedLines,
                         std::size_t row)
{
    if (skippedLines > 0)
        return refused(skippedMessage(skippedLines));
    if (row >= bank.count())
        return refused("要删除的题目不在题库里。");
    if (bank.count() <= 1)
        return refused("题库里只剩这一道题了，题库不能是空的，所以不能删除它。");
    std::vector<Line> lines(bank.count() - 1);
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].v = bank.record(i);
    if (row < lines.size())
        lines[row].v = bank.record(bank.count() - 1);
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].id = " " + std::to_string(i + 1);
    return writeAll(fileBytes, bank, lines);
}

} // namespace exam
