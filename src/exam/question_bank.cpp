#include "exam/question_bank.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <sys/stat.h>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

namespace exam {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kEuro = "\xE2\x82\xAC";

constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

std::uint64_t load8(const char* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// True when one of the eight bytes of w is zero.
constexpr bool hasZeroByte(std::uint64_t w) { return ((w - kEveryByte) & ~w & kHighBits) != 0; }

// The first CR or LF from p on, or end; eight bytes at a time.
const char* findLineEnd(const char* p, const char* end)
{
    while (end - p >= 8) {
        const std::uint64_t w = load8(p);
        if (hasZeroByte(w ^ (kEveryByte * '\n')) || hasZeroByte(w ^ (kEveryByte * '\r')))
            break;
        p += 8;
    }
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

// What bytes are as UTF-8: ASCII only, valid UTF-8 with more than ASCII, or not UTF-8.
enum class Utf8Form { Ascii, Valid, Invalid };

Utf8Form classifyUtf8(std::string_view s)
{
    const char* const data = s.data();
    const auto* b = reinterpret_cast<const unsigned char*>(data);
    const std::size_t n = s.size();
    std::size_t i = 0;
    bool ascii = true;
    while (true) {
        while (n - i >= 8 && (load8(data + i) & kHighBits) == 0)
            i += 8;
        while (i < n && b[i] < 0x80)
            ++i;
        if (i == n)
            break;
        ascii = false;
        const unsigned char c = b[i];
        int extra = 0;
        std::uint32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return Utf8Form::Invalid;
        }
        if (i + static_cast<std::size_t>(extra) >= n)
            return Utf8Form::Invalid;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = b[i + static_cast<std::size_t>(k)];
            if ((cc & 0xC0) != 0x80)
                return Utf8Form::Invalid;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return Utf8Form::Invalid;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return ascii ? Utf8Form::Ascii : Utf8Form::Valid;
}

bool isValidUtf8(std::string_view s) { return classifyUtf8(s) != Utf8Form::Invalid; }

// A file without BOM is read as UTF-8 when most of the lines that hold more than ASCII are
// valid UTF-8, else in the code page: one bad byte in a UTF-8 bank spoils only its own line,
// and Chinese text in GB18030 is next to never valid UTF-8. A line ends at every CR and LF;
// a file of ASCII only, and a tie, are read in the code page.
struct EncodingVote {
    std::size_t utf8Lines = 0;
    std::size_t otherLines = 0;

    void count(Utf8Form form)
    {
        utf8Lines += form == Utf8Form::Valid;
        otherLines += form == Utf8Form::Invalid;
    }
    TextEncoding decision() const { return utf8Lines > otherLines ? TextEncoding::Utf8 : TextEncoding::Gb18030; }
};

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

// GB18030 in two tables that glibc's converter fills once (0 marks a code it does not
// map): the two-byte area (lead 0x81..0xFE, trail 0x40..0xFE without 0x7F) and the
// four-byte codes of the Basic Multilingual Plane (linear index below 39420). Four-byte
// codes from 0x90308130 on map linearly to U+10000..U+10FFFF.
constexpr int kTrailCount = 0xFF - 0x40; // 0x40..0xFE
constexpr std::uint32_t kFourByteBmpCount = 39420;
constexpr std::uint32_t kFourByteSupplementaryStart = 189000; // index of 0x90308130
struct GbTables {
    // A two-byte code's character as its UTF-8 bytes, in memory order and padded with
    // zero bytes to four: each is written with one four-byte store.
    std::vector<std::uint32_t> twoByte;
    std::vector<char32_t> fourByteBmp;
};

// Converts a run of codes of `width` bytes each, all at once or, should the converter
// refuse one, one by one.
void fillByConverter(iconv_t cd, std::string& codes, std::size_t width, std::vector<char32_t>& out)
{
    auto run = [&](char* in, std::size_t inBytes, char32_t* dst, std::size_t dstCount) {
        std::size_t inLeft = inBytes;
        auto* outPtr = reinterpret_cast<char*>(dst);
        std::size_t outLeft = dstCount * sizeof(char32_t);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
               outLeft == 0;
    };
    const std::size_t n = codes.size() / width;
    out.assign(n, 0);
    if (run(codes.data(), codes.size(), out.data(), n))
        return;
    for (std::size_t k = 0; k < n; ++k) {
        char32_t one = 0;
        out[k] = run(codes.data() + k * width, width, &one, 1) ? one : 0;
    }
}

const GbTables& gbTables()
{
    static const GbTables tables = [] {
        GbTables t;
        iconv_t cd = iconv_open("UTF-32LE", "GB18030");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            t.twoByte.assign(static_cast<std::size_t>(126 * kTrailCount), 0);
            t.fourByteBmp.assign(kFourByteBmpCount, 0);
            return t;
        }
        std::string codes;
        codes.reserve(static_cast<std::size_t>(126 * kTrailCount) * 2);
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F) { // 0x7F is no trail byte: its slot stays 0
                    codes.push_back(static_cast<char>(lead));
                    codes.push_back(static_cast<char>(trail));
                }
        std::vector<char32_t> pairs;
        fillByConverter(cd, codes, 2, pairs);
        t.twoByte.assign(static_cast<std::size_t>(126 * kTrailCount), 0);
        std::size_t k = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F) {
                    const char32_t cp = pairs[k++];
                    if (cp == 0)
                        continue;
                    char utf8[4] = {};
                    putUtf8(utf8, cp);
                    std::memcpy(&t.twoByte[static_cast<std::size_t>((lead - 0x81) * kTrailCount + (trail - 0x40))],
                                utf8, 4);
                }
        codes.clear();
        codes.reserve(kFourByteBmpCount * 4);
        for (std::uint32_t i = 0; i < kFourByteBmpCount; ++i) {
            codes.push_back(static_cast<char>(0x81 + i / 12600));
            codes.push_back(static_cast<char>(0x30 + i / 1260 % 10));
            codes.push_back(static_cast<char>(0x81 + i / 10 % 126));
            codes.push_back(static_cast<char>(0x30 + i % 10));
        }
        fillByConverter(cd, codes, 4, t.fourByteBmp);
        iconv_close(cd);
        return t;
    }();
    return tables;
}

// Decodes GB18030 bytes to UTF-8 at out, which must have room for 3 * n bytes (the byte
// 0x80 becomes the three of "€"; every other code takes at most twice its own length:
// two bytes give at most four, always stored as four, which stays within the room).
// Returns the number of bytes written, or npos when the bytes are not valid GB18030. A
// lone 0x80 reads as "€", as the Chinese ANSI code page (in which old banks were written)
// has it.
std::size_t decodeGb18030Into(const unsigned char* b, std::size_t n, char* out, const GbTables& t)
{
    char* o = out;
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            *o++ = static_cast<char>(c);
            ++i;
            continue;
        }
        if (c == 0x80) { // the Chinese ANSI code page's euro sign, which GB18030 lacks
            o = putUtf8(o, 0x20AC);
            ++i;
            continue;
        }
        if (c == 0xFF || i + 1 >= n)
            return std::string::npos;
        const unsigned char d = b[i + 1];
        if (d >= 0x40 && d <= 0xFE) {
            const std::uint32_t utf8 = t.twoByte[static_cast<std::size_t>((c - 0x81) * kTrailCount + (d - 0x40))];
            if (utf8 == 0)
                return std::string::npos;
            std::memcpy(o, &utf8, 4);
            // No two-byte code stands for an ASCII character: two, three or four bytes, as
            // the first one says.
            const auto first = static_cast<unsigned char>(*o);
            o += 2 + (first >= 0xE0) + (first >= 0xF0);
            i += 2;
            continue;
        }
        if (d < 0x30 || d > 0x39 || i + 3 >= n)
            return std::string::npos;
        const unsigned char e = b[i + 2];
        const unsigned char f = b[i + 3];
        if (e < 0x81 || e > 0xFE || f < 0x30 || f > 0x39)
            return std::string::npos;
        const std::uint32_t index = static_cast<std::uint32_t>(c - 0x81) * 12600 +
                                    static_cast<std::uint32_t>(d - 0x30) * 1260 +
                                    static_cast<std::uint32_t>(e - 0x81) * 10 + static_cast<std::uint32_t>(f - 0x30);
        char32_t cp = 0;
        if (index < kFourByteBmpCount)
            cp = t.fourByteBmp[index];
        else if (index >= kFourByteSupplementaryStart && index - kFourByteSupplementaryStart <= 0xFFFFF)
            cp = 0x10000 + (index - kFourByteSupplementaryStart);
        if (cp == 0)
            return std::string::npos;
        o = putUtf8(o, cp);
        i += 4;
    }
    return static_cast<std::size_t>(o - out);
}

bool decodeGb18030(std::string_view in, std::string& out)
{
    out.resize(in.size() * 3);
    const std::size_t written =
        decodeGb18030Into(reinterpret_cast<const unsigned char*>(in.data()), in.size(), out.data(), gbTables());
    out.resize(written == std::string::npos ? 0 : written);
    return written != std::string::npos;
}

} // namespace

std::string listLine(const QuestionRecord& r) { return "<" + r.id + ">[" + r.category + "] " + r.question; }

TextEncoding detectEncoding(std::string_view bytes)
{
    if (bytes.substr(0, kBom.size()) == kBom)
        return TextEncoding::Utf8Bom;
    EncodingVote vote;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* lineEnd = findLineEnd(p, end);
        vote.count(classifyUtf8(std::string_view(p, static_cast<std::size_t>(lineEnd - p))));
        if (lineEnd == end)
            break;
        p = lineEnd + 1;
    }
    return vote.decision();
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
    case TextEncoding::Gb18030: {
        // "€" is written as the code page's 0x80, as it was read.
        out.clear();
        std::string part;
        while (true) {
            const std::size_t euro = utf8.find(kEuro);
            if (!convert(utf8.substr(0, euro), "UTF-8", "GB18030", part))
                return false;
            out += part;
            if (euro == std::string_view::npos)
                return true;
            out += '\x80';
            utf8.remove_prefix(euro + kEuro.size());
        }
    }
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

// ---- the bank in memory ----

QuestionRecord QuestionView::toRecord() const
{
    return {std::string(id),     std::string(category), std::string(question), std::string(correct),
            std::string(wrong1), std::string(wrong2),   std::string(wrong3)};
}

QuestionBank::QuestionBank(const QuestionBank& other) : encoding(other.encoding), m_rows(other.m_rows)
{
    reserveText(other.m_size);
    if (other.m_size)
        std::memcpy(m_text, other.m_text, other.m_size);
    m_size = other.m_size;
}

QuestionBank& QuestionBank::operator=(const QuestionBank& other)
{
    if (this != &other) {
        QuestionBank copy(other);
        *this = std::move(copy);
    }
    return *this;
}

QuestionBank::QuestionBank(QuestionBank&& other) noexcept
    : encoding(other.encoding),
      m_text(std::exchange(other.m_text, nullptr)),
      m_size(std::exchange(other.m_size, 0)),
      m_capacity(std::exchange(other.m_capacity, 0)),
      m_rows(std::move(other.m_rows))
{
    other.m_rows.clear();
}

QuestionBank& QuestionBank::operator=(QuestionBank&& other) noexcept
{
    if (this != &other) {
        std::free(m_text);
        encoding = other.encoding;
        m_text = std::exchange(other.m_text, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_rows = std::move(other.m_rows);
        other.m_rows.clear();
    }
    return *this;
}

QuestionBank::~QuestionBank() { std::free(m_text); }

QuestionView QuestionBank::record(std::size_t row) const
{
    const Row& r = m_rows[row];
    const char* p = m_text + r.start + 1; // past "<"
    QuestionView v;
    v.id = {p, r.len[0]};
    p += r.len[0] + 2; // ">["
    v.category = {p, r.len[1]};
    p += r.len[1] + 2; // "] "
    std::string_view* rest[] = {&v.question, &v.correct, &v.wrong1, &v.wrong2, &v.wrong3};
    for (std::size_t k = 0; k < 5; ++k) {
        *rest[k] = {p, r.len[k + 2]};
        p += r.len[k + 2];
    }
    return v;
}

std::string_view QuestionBank::listLine(std::size_t row) const
{
    const Row& r = m_rows[row];
    return {m_text + r.start, std::size_t{1} + r.len[0] + 2 + r.len[1] + 2 + r.len[2]};
}

std::size_t QuestionBank::storageBytes() const { return m_capacity + m_rows.capacity() * sizeof(Row); }

void QuestionBank::reserveText(std::size_t bytes)
{
    if (bytes <= m_capacity)
        return;
    void* p = std::realloc(m_text, bytes);
    if (!p)
        throw std::bad_alloc();
    m_text = static_cast<char*>(p);
    m_capacity = bytes;
}

void QuestionBank::clear()
{
    m_size = 0;
    m_rows.clear();
}

void QuestionBank::shrinkToFit()
{
    if (m_size < m_capacity && m_size > 0) {
        if (void* p = std::realloc(m_text, m_size)) {
            m_text = static_cast<char*>(p);
            m_capacity = m_size;
        }
    }
    m_rows.shrink_to_fit();
}

// A record's texts: "<" id ">[" category "] " question, then the four answers.
void QuestionBank::appendFields(const std::string_view (&f)[7])
{
    std::size_t need = 5;
    for (const std::string_view& x : f)
        need += x.size();
    if (need > std::numeric_limits<std::uint32_t>::max() - m_size)
        throw std::length_error("question bank too large");
    if (m_size + need > m_capacity)
        reserveText(std::max(m_size + need, m_capacity + m_capacity / 2 + 256));
    Row row{};
    row.start = static_cast<std::uint32_t>(m_size);
    char* o = m_text + m_size;
    auto put = [&o](std::string_view x) {
        if (!x.empty())
            std::memcpy(o, x.data(), x.size());
        o += x.size();
    };
    *o++ = '<';
    put(f[0]);
    *o++ = '>';
    *o++ = '[';
    put(f[1]);
    *o++ = ']';
    *o++ = ' ';
    for (std::size_t k = 2; k < 7; ++k)
        put(f[k]);
    for (std::size_t k = 0; k < 7; ++k)
        row.len[k] = static_cast<std::uint32_t>(f[k].size());
    m_rows.push_back(row);
    m_size += need;
}

void QuestionBank::append(const QuestionRecord& r)
{
    const std::string_view f[7] = {r.id, r.category, r.question, r.correct, r.wrong1, r.wrong2, r.wrong3};
    appendFields(f);
}

void QuestionBank::append(const QuestionView& r)
{
    const std::string_view f[7] = {r.id, r.category, r.question, r.correct, r.wrong1, r.wrong2, r.wrong3};
    appendFields(f);
}

// ---- reading ----

namespace {

// How the lines with more than ASCII are decoded; Unknown until the first of them.
enum class Reading { Unknown, Utf8, Gb18030 };

// Reads every line of the bytes into the bank, counting each in the vote on the way. With
// Unknown, the first line beyond ASCII sets the reading: UTF-8 when it is valid UTF-8, else
// GB18030. Returns the reading used (Unknown: no line went beyond ASCII).
Reading readLines(std::string_view bytes, Reading reading, EncodingVote& vote, BankLoadResult& result)
{
    QuestionBank& bank = result.bank;
    const GbTables* tables = nullptr;
    std::string scratch; // one decoded line
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    int lineNo = 0;
    std::string_view f[7];
    while (p < end) {
        const char* lineEnd = findLineEnd(p, end);
        std::string_view line(p, static_cast<std::size_t>(lineEnd - p));
        ++lineNo;
        // CR LF, a lone CR or a lone LF each end one line.
        p = lineEnd;
        if (p < end && *p == '\r') {
            ++p;
            if (p < end && *p == '\n')
                ++p;
        } else if (p < end) {
            ++p;
        }
        const Utf8Form form = classifyUtf8(line);
        vote.count(form);
        if (form != Utf8Form::Ascii) {
            if (reading == Reading::Unknown)
                reading = form == Utf8Form::Valid ? Reading::Utf8 : Reading::Gb18030;
            // A line that does not decode is a malformed line like any other.
            if (reading == Reading::Utf8) {
                if (form == Utf8Form::Invalid) {
                    result.badLines.push_back(lineNo);
                    continue;
                }
            } else {
                // CR and LF never occur inside a GB18030 code, so the lines can be found
                // in the bytes and decoded one by one; a code cut by a line end is invalid
                // either way.
                if (!tables)
                    tables = &gbTables();
                if (scratch.size() < line.size() * 3)
                    scratch.resize(line.size() * 3);
                const std::size_t len = decodeGb18030Into(reinterpret_cast<const unsigned char*>(line.data()),
                                                          line.size(), scratch.data(), *tables);
                if (len == std::string::npos) {
                    result.badLines.push_back(lineNo);
                    continue;
                }
                line = std::string_view(scratch.data(), len);
            }
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
        bank.append(QuestionView{f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
    }
    return reading;
}

} // namespace

BankLoadResult parseQuestionBank(std::string_view bytes)
{
    BankLoadResult result;
    // Old DOS editors ended a text file with Ctrl-Z.
    while (!bytes.empty() && bytes.back() == '\x1A')
        bytes.remove_suffix(1);
    if (bytes.size() > kMaxBankFileBytes) {
        result.tooLarge = true;
        return result;
    }
    try {
        const bool bom = bytes.substr(0, kBom.size()) == kBom;
        if (bom)
            bytes.remove_prefix(kBom.size());
        QuestionBank& bank = result.bank;
        // Room for the whole text decoded (at most twice the bytes in GB18030); pages never
        // written cost nothing, and the rest is handed back at the end.
        bank.reserveText(bom ? bytes.size() + 16 : bytes.size() * 2 + 16); // grows for many "€"
        // The encoding is voted on in the same pass that reads the lines, which reads them
        // as the first line beyond ASCII suggests. Should most lines say otherwise, they are
        // read once more.
        EncodingVote vote;
        const Reading used = readLines(bytes, bom ? Reading::Utf8 : Reading::Unknown, vote, result);
        const TextEncoding enc = bom ? TextEncoding::Utf8Bom : vote.decision();
        const Reading wanted = enc == TextEncoding::Gb18030 ? Reading::Gb18030 : Reading::Utf8;
        if (used != Reading::Unknown && used != wanted) {
            bank.clear();
            result.badLines.clear();
            EncodingVote again;
            readLines(bytes, wanted, again, result);
        }
        bank.encoding = enc;
        bank.shrinkToFit();
        result.readable = true;
    } catch (const std::bad_alloc&) {
        result = BankLoadResult{};
        result.tooLarge = true;
    } catch (const std::length_error&) {
        result = BankLoadResult{};
        result.tooLarge = true;
    }
    return result;
}

BankLoadResult loadQuestionBankFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return {};
    BankLoadResult result;
    std::unique_ptr<char, decltype(&std::free)> buffer(nullptr, &std::free);
    std::size_t got = 0;
    bool ok = false;
    // Room for the file as it stands and one byte more, to see it end; a file that grows
    // meanwhile (or has no size, such as a pipe) is read on in larger steps, but never
    // more than one byte past what a bank may hold.
    struct stat info {};
    std::size_t capacity = 1 << 16;
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode)) {
        if (static_cast<std::uintmax_t>(info.st_size) > kMaxBankFileBytes) {
            std::fclose(file);
            result.tooLarge = true;
            return result;
        }
        capacity = static_cast<std::size_t>(info.st_size) + 1;
    }
    while (true) {
        void* grown = std::realloc(buffer.get(), capacity);
        if (!grown) {
            result.tooLarge = true;
            break;
        }
        buffer.release();
        buffer.reset(static_cast<char*>(grown));
        got += std::fread(buffer.get() + got, 1, capacity - got, file);
        if (got < capacity) {
            ok = !std::ferror(file);
            break;
        }
        if (got > kMaxBankFileBytes) {
            result.tooLarge = true;
            break;
        }
        capacity = std::min(capacity * 2, kMaxBankFileBytes + 1);
    }
    std::fclose(file);
    if (result.tooLarge || !ok)
        return result;
    return parseQuestionBank(std::string_view(buffer.get(), got));
}

} // namespace exam
