// The ten question categories in the order of the filter options and the editor's list.
#include "exam/bank_writer.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(QuestionCategories, InOptionOrder)
{
    const std::string_view order[] = {"游戏知识", "古代常识", "佛道礼仪", "历史知识", "音律棋牌",
                                      "茶酒中药", "古代工艺", "书画艺术", "诗词对联", "其它题目"};
    ASSERT_EQ(exam::kQuestionCategories.size(), std::size(order));
    for (std::size_t k = 0; k < std::size(order); ++k)
        EXPECT_EQ(exam::kQuestionCategories[k], order[k]) << k + 1;
}
