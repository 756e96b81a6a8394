// The program's name as the title bar, the task bar and the splash screen show it.
#pragma once

namespace zuzazizo {

inline constexpr const char* program_title = "Zuzazizo (Corvane, Pocketeer) Simulator";

}  // namespace zuzazizo
