#pragma once
// The help texts of the trade-run clock and of the hot-key sender, line by line.

#include <string>
#include <string_view>

namespace tradeclock {

// The clock's help (Form22), lines joined by CR LF.
std::string clockHelpText();
// The hot-key sender's help (Form16), lines joined by CR LF.
std::string hotkeyHelpText();

} // namespace tradeclock
