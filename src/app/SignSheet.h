#pragma once
#include <array>

#include "app/Bindings.h"
#include "platform/Types.h"

// The sheet of signs (files::kSigns): where each sign lies and where its key caps are, which the
// game reads and zem-assetgen draws into. Row 0 holds the seven signs with the default keys on
// their caps; row 1 the same boards without caps, for keys the player has bound otherwise: the
// game puts a blank cap (the last cell of row 1) where each cap was and letters the bound key's
// name on it.
namespace signsheet {

inline constexpr int kSignSize = 80;
inline constexpr int kSigns = 7;
inline constexpr int kSheetWidth = (kSigns + 1) * kSignSize;
inline constexpr int kSheetHeight = 2 * kSignSize;

// Sign `code` (1 to 7) with its default caps, or its bare board.
inline constexpr platform::Rect SignCell(int code, bool bare)
{
    const int top = bare ? kSignSize : 0;
    return {kSignSize * (code - 1), top, kSignSize * code, top + kSignSize};
}

// A blank cap, 60 x 24, stretched to the width a key's name needs.
inline constexpr platform::Rect kBlankCap = {kSigns * kSignSize + 10, kSignSize + 9, kSigns * kSignSize + 70,
                                             kSignSize + 33};

// A cap on a sign: its place within the sign's cell, the action whose key it shows, and how wide
// it may grow, about its middle, for a longer name before the name is lettered smaller.
struct CapSpot {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f; // 0: no cap here
    Action action = Action::Count;
    float widest = 0.0f;
};
inline constexpr float kCapHeight = 24.0f;

// The caps of each sign by its code less one: walk (left, right), jump, bubble, change of form,
// bubble platform (jump, then change of form in the air); the pit and goal signs have none.
inline constexpr std::array<std::array<CapSpot, 2>, kSigns> kCaps = {{
    {{{12, 9, 24, Action::WalkLeft, 30}, {44, 9, 24, Action::WalkRight, 30}}},
    {{{28, 9, 24, Action::Jump, 66}, {}}},
    {{{10, 9, 60, Action::Bubble, 66}, {}}},
    {{{12, 9, 24, Action::Form, 30}, {}}},
    {{{8, 9, 24, Action::Jump, 30}, {48, 9, 24, Action::Form, 30}}},
    {{{}, {}}},
    {{{}, {}}},
}};

} // namespace signsheet
