#pragma once
// What the player is told after reading the question bank file.

#include "exam/question_bank.h"

#include <string>
#include <vector>

namespace exam {

// The warnings of one load, in the order to show them: none for a clean file.
std::vector<std::string> bankLoadWarnings(const BankLoadResult& r);

} // namespace exam
