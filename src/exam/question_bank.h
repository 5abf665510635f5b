#pragma once
// The examination question bank kept in test.dat: one question per line, seven
// comma-separated fields (number, category, question, correct answer, three wrong answers).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace exam {

inline constexpr std::string_view kBankFileName = "test.dat";

struct QuestionRecord {
    std::string id;
    std::string category;
    std::string question;
    std::string correct;
    std::string wrong1;
    std::string wrong2;
    std::string wrong3;
};

// How the file's bytes were written, so a rewrite keeps the same form.
enum class TextEncoding { Gb18030, Utf8, Utf8Bom };

// "<" id ">[" category "] " question: the line the bank list shows for a record.
std::string listLine(const QuestionRecord& r);

struct QuestionBank {
    std::vector<QuestionRecord> records;
    std::vector<std::string> listLines; // parallel to records
    TextEncoding encoding = TextEncoding::Gb18030;

    std::size_t count() const { return records.size(); }
};

struct BankLoadResult {
    bool readable = false;         // false: the file could not be opened or decoded
    QuestionBank bank;             // every well-formed record, in file order
    std::vector<int> badLines;     // 1-based numbers of the lines that were not seven fields
};

// Splits one line into fields: a field ends at a comma, blanks before a field are
// skipped, blanks at its end are dropped, and a field that begins with a double quote
// runs to the next double quote (what follows up to the comma is ignored).
std::vector<std::string> splitFields(std::string_view line);

// Decodes the bytes (UTF-8 with or without BOM, else GB18030) and parses them line by
// line: blank lines are skipped, a line that does not hold exactly seven fields is
// counted in badLines and left out, every other line becomes a record.
BankLoadResult parseQuestionBank(std::string_view bytes);

// Reads and parses the file; readable is false when it cannot be read.
BankLoadResult loadQuestionBankFile(const std::string& path);

// Text conversion between the file's encoding and UTF-8. decode returns false when the
// bytes are not valid in that encoding.
bool decodeToUtf8(std::string_view bytes, TextEncoding enc, std::string& out);
bool encodeFromUtf8(std::string_view utf8, TextEncoding enc, std::string& out);
TextEncoding detectEncoding(std::string_view bytes);

} // namespace exam
