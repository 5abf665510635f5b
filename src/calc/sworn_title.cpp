#include "calc/sworn_title.h"

namespace calc {

SwornTitle swornTitle(std::string_view first, std::string_view picked, std::string_view count,
                      std::string_view second)
{
    SwornTitle t;
    if (first.empty() || picked.empty() || count.empty() || second.empty()) {
        t.warning = kMsgSwornIncomplete;
        return t;
    }
    t.title = "金兰之";
    t.title.append(first).append(picked).append(count).append(second);
    return t;
}

} // namespace calc
