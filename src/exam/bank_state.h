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
    // The file as it was read: lines the load left out, and its size and modification time
    // (nanoseconds) to see whether someone changed it since.
    std::size_t skippedLines = 0;
    long long fileSize = -1;
    long long fileTime = 0;
    std::array<std::string, 4> answerLetters{"A", "B", "C", "D"};
};

// The main window's bank state; reset at start-up.
BankState& bankState();
void resetBankState();

} // namespace exam
