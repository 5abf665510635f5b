#include "exam/bank_warnings.h"

#include "common/file_exists.h"

#include <algorithm>

namespace exam {

std::vector<std::string> bankLoadWarnings(const BankLoadResult& r)
{
    if (r.tooLarge)
        return {"科举题库文件太大，无法读取！"};
    if (!r.readable)
        return {"无法读取科举题库文件！"};
    if (r.badLines.empty())
        return {};
    // The first ten line numbers, then how many there are in all.
    constexpr std::size_t kListed = 10;
    std::string text = "科举题库文件第";
    const std::size_t shown = std::min(r.badLines.size(), kListed);
    for (std::size_t k = 0; k < shown; ++k) {
        if (k > 0)
            text += "、";
        text += std::to_string(r.badLines[k]);
    }
    text += "行格式有误，已跳过";
    if (r.badLines.size() > shown) {
        text += "等共";
        text += std::to_string(r.badLines.size());
        text += "行";
    }
    text += "！";
    return {text};
}

std::string missingBankWarning()
{
    return common::fileExists(std::string(kBankFileName)) ? std::string() : "对不起，找不到科举题库文件！";
}

std::string unreadableBeforeWrite(const BankLoadResult& r)
{
    return r.tooLarge ? "科举题库文件太大，无法读取，这次没有写入。" : "无法读取科举题库文件，这次没有写入。";
}

} // namespace exam
