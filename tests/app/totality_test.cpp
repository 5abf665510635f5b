// The NPC finder over every kind of search text: empty, marks, numbers, long and odd texts.

#include "../support/edges.h"
#include "app/npc_directory.h"
#include "app/npc_finder.h"

#include <gtest/gtest.h>

TEST(AppTotality, NpcFinder)
{
    std::vector<std::string> texts = test::edgeTexts();
    texts.insert(texts.end(), {"：", ")", "(", " ", std::string(100000, 'x'), std::string("\xff\xfe\x00", 3), "\xe4\xb8"});
    for (const std::string& text : texts) {
        for (const std::size_t i : app::findNpcs(text))
            EXPECT_LT(i, app::NpcDirectory.size()) << text;
        app::npcSearchIgnored(text);
    }
}
