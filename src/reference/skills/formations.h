#pragma once
// The nine battle formations, how each counters the others, and the texts and colours
// the formation window shows for a pair. Colours are &HBBGGRR values.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace skills {

inline constexpr int kFormationCount = 9;

struct FormationRecord {
    std::string_view caption;                // the list entry ("天覆阵")
    std::string_view kind;                   // "攻击型" …; empty for 普通阵
    std::array<std::string_view, 5> places;  // position lines ① … ⑤, without their digit
};

const std::array<FormationRecord, kFormationCount>& formations();

// "【天覆阵】"; empty outside 0..8.
std::string formationNameLabel(int index);
// The header and the five position lines joined by CR LF ("【普通阵】" and its one
// sentence for 普通阵); empty outside 0..8.
std::string formationDescription(int index);
// The name as the counter-table view writes it (the third one "地载阵").
std::string_view formationTableName(int index);

// How much formation a counters formation b, in percent (-10, -5, 0, 5, 10); 0 for an
// index outside 0..8.
int counterValue(int a, int b);

// The caption colour of an own-side list entry for a value of the opponent against it.
std::uint32_t counterListColour(int value);
// The colour of a value label and its arrow in the diagram.
std::uint32_t diagramColour(int value);
// "+10%", "-5%", "0".
std::string counterCaption(int value);

// The diagram for a pair: the opponent's value against the own formation and the own
// formation's value against the opponent, each with its caption and colour.
struct CounterDiagram {
    std::string opponentCaption; // Label2(1)
    std::uint32_t opponentColour = 0; // Label2(1), Line1(2), Line1(3)
    std::string ownCaption;      // Label2(0)
    std::uint32_t ownColour = 0; // Label2(0), Line1(0), Line1(1)
};
CounterDiagram counterDiagram(int opponent, int own);

// A cell of the counter-table view: "10%", "5%", "-5%", "-10%", and "0" on the diagonal,
// in blue for a positive value, red for a negative one and green for 0.
std::string counterTableText(int value);
std::uint32_t counterTableColour(int value);

// The legend box (six lines, each ended by CR LF) and the table view's explanation.
std::string_view colourLegendText();
std::string_view counterTableExplanation();

inline constexpr std::uint32_t kButtonTextColour = 0x80000012;

} // namespace skills
