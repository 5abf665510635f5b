#include "exam/question_bank.h"

#include <cerrno>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <sstream>

namespace exam {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

bool convert(std::string_view in, const char* from, const char* to, std::string& out)
{
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string src(in);
    char* inPtr = src.data();
    std::size_t inLeft = src.size();
    std::string buf(src.size() * 2 + 16, '\0');
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buf.data();
        std::size_t outLeft = buf.size();
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    return ok;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::string listLine(const QuestionRecord& r) { return "<" + r.id + ">[" + r.category + "] " + r.question; }

TextEncoding detectEncoding(std::string_view bytes)
{
    if (bytes.substr(0, kBom.size()) == kBom)
        return TextEncoding::Utf8Bom;
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii && isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Gb18030;
}

bool decodeToUtf8(std::string_view bytes, TextEncoding enc, std::string& out)
{
    switch (enc) {
    case TextEncoding::Utf8Bom:
        if (bytes.substr(0, kBom.size()) == kBom)
            bytes.remove_prefix(kBom.size());
        [[fallthrough]];
    case TextEncoding::Utf8:
        if (!isValidUtf8(bytes))
            return false;
        out.assign(bytes);
        return true;
    case TextEncoding::Gb18030:
        return convert(bytes, "GB18030", "UTF-8", out);
    }
    return false;
}

bool encodeFromUtf8(std::string_view utf8, TextEncoding enc, std::string& out)
{
    switch (enc) {
    case TextEncoding::Utf8Bom:
        out = std::string(kBom) + std::string(utf8);
        return isValidUtf8(utf8);
    case TextEncoding::Utf8:
        out.assign(utf8);
        return isValidUtf8(utf8);
    case TextEncoding::Gb18030:
        return convert(utf8, "UTF-8", "GB18030", out);
    }
    return false;
}

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        std::string field;
        if (i < n && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                field.assign(line.substr(i + 1));
                i = n;
            } else {
                field.assign(line.substr(i + 1, close - i - 1));
                i = close + 1;
                while (i < n && line[i] != ',')
                    ++i;
            }
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? n : comma;
            std::size_t e = end;
            while (e > i && isBlank(line[e - 1]))
                --e;
            field.assign(line.substr(i, e - i));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= n)
            break;
        ++i; // past the comma
        if (i == n) {
            fields.emplace_back(); // a trailing comma ends with an empty field
            break;
        }
    }
    return fields;
}

BankLoadResult parseQuestionBank(std::string_view bytes)
{
    BankLoadResult result;
    const TextEncoding enc = detectEncoding(bytes);
    std::string text;
    if (!decodeToUtf8(bytes, enc, text))
        return result;
    result.readable = true;
    result.bank.encoding = enc;

    std::size_t pos = 0;
    int lineNo = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        ++lineNo;
        // CR LF, a lone CR or a lone LF each end one line.
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
            if (pos < text.size() && text[pos] == '\n')
                ++pos;
        } else if (pos < text.size()) {
            ++pos;
        }

        bool blank = true;
        for (char c : line)
            if (!isBlank(c)) {
                blank = false;
                break;
            }
        if (blank)
            continue;
        std::vector<std::string> f = splitFields(line);
        if (f.size() != 7) {
            result.badLines.push_back(lineNo);
            continue;
        }
        QuestionRecord r{std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3]),
                         std::move(f[4]), std::move(f[5]), std::move(f[6])};
        result.bank.listLines.push_back(listLine(r));
        result.bank.records.push_back(std::move(r));
    }
    return result;
}

BankLoadResult loadQuestionBankFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return {};
    return parseQuestionBank(bytes);
}

} // namespace exam
