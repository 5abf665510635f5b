#pragma once
// The examination question bank kept in test.dat: one question per line, seven
// comma-separated fields (number, category, question, correct answer, three wrong answers).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exam {

inline constexpr std::string_view kBankFileName = "test.dat";

// A file larger than this is not read: the bank of the largest original program holds
// at most 32767 records, a few megabytes.
inline constexpr std::size_t kMaxBankFileBytes = std::size_t{64} << 20;

// A record the editor builds or changes: it owns its texts.
struct QuestionRecord {
    std::string id;
    std::string category;
    std::string question;
    std::string correct;
    std::string wrong1;
    std::string wrong2;
    std::string wrong3;
};

// A record as the bank holds it: the same fields, as views into the bank's text. The
// views stay valid while the bank lives and is not changed.
struct QuestionView {
    std::string_view id;
    std::string_view category;
    std::string_view question;
    std::string_view correct;
    std::string_view wrong1;
    std::string_view wrong2;
    std::string_view wrong3;

    QuestionRecord toRecord() const;
};

// How the file's bytes were written, so a rewrite keeps the same form.
enum class TextEncoding { Gb18030, Utf8, Utf8Bom };

// "<" id ">[" category "] " question: the line the bank list shows for a record.
std::string listLine(const QuestionRecord& r);

// The bank in memory: every record's texts back to back in one UTF-8 buffer, the list
// line of a record included, and per record where its fields lie.
class QuestionBank {
public:
    QuestionBank() = default;
    QuestionBank(const QuestionBank& other);
    QuestionBank& operator=(const QuestionBank& other);
    QuestionBank(QuestionBank&& other) noexcept;
    QuestionBank& operator=(QuestionBank&& other) noexcept;
    ~QuestionBank();

    std::size_t count() const { return m_rows.size(); }
    // row < count()
    QuestionView record(std::size_t row) const;
    std::string_view listLine(std::size_t row) const;

    // Adds a record at the end (throws std::length_error beyond 4 GB of text).
    void append(const QuestionRecord& r);
    void append(const QuestionView& r);

    // Bytes the bank holds in memory (texts and the table of fields).
    std::size_t storageBytes() const;

    TextEncoding encoding = TextEncoding::Gb18030;

private:
    friend struct BankLoadResult parseQuestionBank(std::string_view bytes);
    struct Row {
        std::uint32_t start;  // the list line's "<"
        std::uint32_t len[7]; // the seven fields in order
    };
    char* m_text = nullptr; // malloc'd, never zero-filled
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::vector<Row> m_rows;

    void reserveText(std::size_t bytes);
    void clear(); // no records; the room stays
    void shrinkToFit();
    void appendFields(const std::string_view (&f)[7]);
};

struct BankLoadResult {
    bool readable = false;         // false: the file could not be opened or read
    bool tooLarge = false;         // the file is larger than the bank may be (readable is false)
    QuestionBank bank;             // every well-formed record, in file order
    std::vector<int> badLines;     // 1-based numbers of the lines that were not seven fields
};

// Splits one line into fields: a field ends at a comma, blanks before a field are
// skipped, blanks at its end are dropped, and a field that begins with a double quote
// runs to the next double quote (what follows up to the comma is ignored).
std::vector<std::string> splitFields(std::string_view line);

// Decodes the bytes (UTF-8 with or without BOM, else GB18030) and parses them line by
// line: blank lines are skipped, a line that does not decode or does not hold exactly
// seven fields is counted in badLines and left out, every other line becomes a record. Ctrl-Z bytes at
// the very end (the end-of-file mark of old DOS editors) are not part of the text.
BankLoadResult parseQuestionBank(std::string_view bytes);

// Reads and parses the file; readable is false when it cannot be read.
BankLoadResult loadQuestionBankFile(const std::string& path);

// Text conversion between the file's encoding and UTF-8. decode returns false when the
// bytes are not valid in that encoding. In GB18030 a lone byte 0x80 stands for "€", as in
// the Chinese ANSI code page, both ways.
bool decodeToUtf8(std::string_view bytes, TextEncoding enc, std::string& out);
bool encodeFromUtf8(std::string_view utf8, TextEncoding enc, std::string& out);
// How parseQuestionBank reads the bytes: UTF-8 with BOM when they begin with one, else
// UTF-8 when most of the lines (ended by each CR and LF) that hold more than ASCII are
// valid UTF-8, else GB18030.
TextEncoding detectEncoding(std::string_view bytes);

} // namespace exam
