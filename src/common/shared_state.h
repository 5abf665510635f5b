#pragma once
// The one program-wide flag the windows share.

namespace common {
// True exactly while the beast-shop budget window is loaded; read by the beast-HP window
// to decide where it returns. Cleared at start-up.
inline bool PetShopOpen = false;
} // namespace common
