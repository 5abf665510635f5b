#include "exam/question_bank.h"

#include <cerrno>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <algorithm>

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

// Writes one code point as UTF-8 at p; returns the position after it.
char* putUtf8(char* p, char32_t cp)
{
    if (cp < 0x80) {
        *p++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *p++ = static_cast<char>(0xC0 | (cp >> 6));
        *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (cp >> 12));
        *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (cp >> 18));
        *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return p;
}

// The two-byte area of GB18030 (lead 0x81..0xFE, trail 0x40..0xFE without 0x7F), looked
// up through a table that glibc's converter fills once; 0 marks a code it does not map.
// Four-byte sequences are rare in a question bank and go through the converter one by one.
constexpr int kTrailCount = 0xFF - 0x40; // 0x40..0xFE
const std::vector<char32_t>& gbkTwoByteTable()
{
    static const std::vector<char32_t> table = [] {
        std::vector<char32_t> t(static_cast<std::size_t>(126 * kTrailCount), 0);
        iconv_t cd = iconv_open("UTF-32LE", "GB18030");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return t;
        auto convertPairs = [&](std::string& in, std::vector<char32_t>& out) {
            char* inPtr = in.data();
            std::size_t inLeft = in.size();
            auto* outPtr = reinterpret_cast<char*>(out.data());
            std::size_t outLeft = out.size() * sizeof(char32_t);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            return iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
                   outLeft == 0;
        };
        // Every pair at once; should the converter refuse one, the pairs go one by one.
        std::string all;
        all.reserve(t.size() * 2);
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F) {
                    all.push_back(static_cast<char>(lead));
                    all.push_back(static_cast<char>(trail));
                }
        std::vector<char32_t> decoded(all.size() / 2);
        const bool whole = convertPairs(all, decoded);
        std::size_t k = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                char32_t cp = whole ? decoded[k] : 0;
                if (!whole) {
                    std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
                    std::vector<char32_t> one(1);
                    if (convertPairs(pair, one))
                        cp = one[0];
                }
                t[static_cast<std::size_t>((lead - 0x81) * kTrailCount + (trail - 0x40))] = cp;
                ++k;
            }
        }
        iconv_close(cd);
        return t;
    }();
    return table;
}

bool decodeGb18030(std::string_view in, std::string& out)
{
    // A GB18030 character never takes more bytes in UTF-8 than half again its own length.
    out.resize(in.size() + in.size() / 2 + 4);
    const std::vector<char32_t>& table = gbkTwoByteTable();
    const auto* b = reinterpret_cast<const unsigned char*>(in.data());
    const std::size_t n = in.size();
    char* o = out.data();
    std::size_t i = 0;
    bool ok = true;
    while (i < n) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            *o++ = static_cast<char>(c);
            ++i;
            continue;
        }
        if (c == 0x80 || c == 0xFF || i + 1 >= n) {
            ok = false;
            break;
        }
        const unsigned char d = b[i + 1];
        if (d >= 0x40 && d <= 0xFE && d != 0x7F) {
            const char32_t cp = table[static_cast<std::size_t>((c - 0x81) * kTrailCount + (d - 0x40))];
            if (cp == 0) {
                ok = false;
                break;
            }
            o = putUtf8(o, cp);
            i += 2;
            continue;
        }
        std::string one;
        if (d >= 0x30 && d <= 0x39 && i + 3 < n && convert(in.substr(i, 4), "GB18030", "UTF-8", one) &&
            !one.empty() && one.size() <= 4) {
            for (char x : one)
                *o++ = x;
            i += 4;
            continue;
        }
        ok = false;
        break;
    }
    out.resize(ok ? static_cast<std::size_t>(o - out.data()) : 0);
    return ok;
}

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
        return decodeGb18030(bytes, out);
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

namespace {

// Splits a line into at most maxFields views (one more than maxFields means "too many").
// Returns the number of fields found, up to maxFields + 1.
std::size_t splitViews(std::string_view line, std::string_view* fields, std::size_t maxFields)
{
    std::size_t count = 0;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        std::string_view field;
        if (i < n && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                field = line.substr(i + 1);
                i = n;
            } else {
                field = line.substr(i + 1, close - i - 1);
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
            field = line.substr(i, e - i);
            i = end;
        }
        if (count < maxFields)
            fields[count] = field;
        if (++count > maxFields)
            return count;
        if (i >= n)
            break;
        ++i; // past the comma
        if (i == n) {
            if (count < maxFields)
                fields[count] = {}; // a trailing comma ends with an empty field
            ++count;
            break;
        }
    }
    return count;
}

} // namespace

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string_view> views(line.size() + 2);
    const std::size_t count = splitViews(line, views.data(), views.size() - 1);
    return {views.begin(), views.begin() + static_cast<std::ptrdiff_t>(std::min(count, views.size() - 1))};
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

    std::size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    result.bank.records.reserve(lines);
    result.bank.listLines.reserve(lines);

    std::size_t pos = 0;
    int lineNo = 0;
    std::string_view f[7];
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const std::string_view line(text.data() + pos, end - pos);
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
        if (splitViews(line, f, 7) != 7) {
            result.badLines.push_back(lineNo);
            continue;
        }
        QuestionRecord& r = result.bank.records.emplace_back();
        r.id.assign(f[0]);
        r.category.assign(f[1]);
        r.question.assign(f[2]);
        r.correct.assign(f[3]);
        r.wrong1.assign(f[4]);
        r.wrong2.assign(f[5]);
        r.wrong3.assign(f[6]);
        result.bank.listLines.push_back(listLine(r));
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
