#pragma once
// The question bank and the quiz state the main window keeps for the whole run.

#include "exam/question_bank.h"

#include <array>
#include <string>

namespace exam {

struct BankState {
    QuestionBank bank;
    bool bankLoaded = false;
    bool bankItemChosen = false;
    bool quoteToggle = false;
    int categoryFilterIndex = 11; // 11: no category chosen
    std::array<std::string, 4> answerLetters{"A", "B", "C", "D"};
};

// The main window's bank state; reset at start-up.
BankState& bankState();
void resetBankState();

} // namespace exam
