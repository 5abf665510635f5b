// Fuzz entry point of the question bank reader: any bytes as a test.dat.

#include "exam/question_bank.h"

#include "fuzz_require.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <string>
#include <string_view>

using fuzz::require;

namespace {

// The system converter's view of the same bytes, with a lone 0x80 read as "€" as the
// Chinese ANSI code page has it.
bool systemDecode(std::string_view bytes, std::string& out)
{
    static iconv_t cd = iconv_open("UTF-8", "GB18030");
    require(cd != reinterpret_cast<iconv_t>(-1));
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string in(bytes);
    out.assign(in.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    bool ok = false;
    while (true) {
        ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
        if (ok || inLeft == 0 || static_cast<unsigned char>(*inPtr) != 0x80 || outLeft < 3)
            break;
        std::memcpy(outPtr, "\xE2\x82\xAC", 3);
        outPtr += 3;
        outLeft -= 3;
        ++inPtr;
        --inLeft;
    }
    out.resize(out.size() - outLeft);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const exam::BankLoadResult r = exam::parseQuestionBank(bytes);
    // Only a bank too large for memory is unreadable; a byte that does not decode spoils
    // its own line.
    require(r.readable || (r.tooLarge && r.bank.count() == 0));
    int previous = 0;
    for (int line : r.badLines) { // file lines, rising
        require(line > previous);
        previous = line;
    }
    for (std::size_t row = 0; row < r.bank.count(); ++row) {
        const exam::QuestionView v = r.bank.record(row);
        std::string expected = "<";
        expected.append(v.id).append(">[").append(v.category).append("] ").append(v.question);
        require(r.bank.listLine(row) == expected);
        for (std::string_view f : {v.id, v.category, v.question, v.correct, v.wrong1, v.wrong2, v.wrong3})
            require(f.find_first_of("\r\n") == std::string_view::npos);
    }
    // A copy of the bank reads the same.
    const exam::QuestionBank copy = r.bank;
    require(copy.count() == r.bank.count());
    if (copy.count() > 0)
        require(copy.listLine(copy.count() - 1) == r.bank.listLine(r.bank.count() - 1));

    // The GB18030 decoder agrees with the system's on every input.
    std::string ours, theirs;
    const bool ourOk = exam::decodeToUtf8(bytes, exam::TextEncoding::Gb18030, ours);
    const bool theirOk = systemDecode(bytes, theirs);
    require(ourOk == theirOk);
    if (ourOk)
        require(ours == theirs);

    (void)exam::splitFields(bytes.substr(0, 256));
    return 0;
}
