#include "exam/bank_warnings.h"

#include <gtest/gtest.h>

namespace {

TEST(BankLoadWarnings, OneTextPerKindOfTrouble)
{
    exam::BankLoadResult unreadable;
    EXPECT_EQ(exam::bankLoadWarnings(unreadable), (std::vector<std::string>{"无法读取科举题库文件！"}));

    exam::BankLoadResult tooLarge;
    tooLarge.tooLarge = true;
    EXPECT_EQ(exam::bankLoadWarnings(tooLarge), (std::vector<std::string>{"科举题库文件太大，无法读取！"}));

    exam::BankLoadResult clean;
    clean.readable = true;
    EXPECT_TRUE(exam::bankLoadWarnings(clean).empty());

    exam::BankLoadResult two = clean;
    two.badLines = {2, 4};
    EXPECT_EQ(exam::bankLoadWarnings(two), (std::vector<std::string>{"科举题库文件第2、4行格式有误，已跳过！"}));

    exam::BankLoadResult many = clean; // ten numbers listed, then the count of all twelve
    many.badLines = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(exam::bankLoadWarnings(many),
              (std::vector<std::string>{"科举题库文件第1、2、3、4、5、6、7、8、9、10行格式有误，已跳过等共12行！"}));
}

} // namespace
