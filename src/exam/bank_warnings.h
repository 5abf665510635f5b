#pragma once
// What the player is told after reading the question bank file.

#include "exam/question_bank.h"

#include <string>
#include <vector>

namespace exam {

// The warnings of one load, in the order to show them: none for a clean file.
std::vector<std::string> bankLoadWarnings(const BankLoadResult& r);

// What the player is told when there is no bank file to read (none, or no regular file of
// that name, such as a pipe); empty when there is one.
std::string missingBankWarning();

// What a write says when the file, read again before it, could not be read (r not readable).
std::string unreadableBeforeWrite(const BankLoadResult& r);

} // namespace exam
