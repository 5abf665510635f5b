#include "exam/bank_state.h"

namespace exam {

BankState& bankState()
{
    static BankState s;
    return s;
}

void resetBankState() { bankState() = BankState{}; }

} // namespace exam
