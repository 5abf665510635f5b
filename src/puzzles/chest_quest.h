#pragma once
// The 战神箱 quest: its eighteen questions on the history of Chinese mathematics with a
// keyword search that pages through the hits, and the ten small number puzzles.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace puzzles {

// The two layouts of the chest-quest window keep their own copy of the questions: the
// wide one puts an empty line between every question and its answer, the tall one only
// in entries 1 to 3.
enum class ChestLayout { Tall, Wide };

inline constexpr int kChestQuizSize = 18;

// ChestQuizTable: entry i of a layout, lines joined by CR LF.
const std::string& chestQuizEntry(ChestLayout layout, int index);

// What the answer box and the two paging buttons show after a search or a page turn.
struct ChestView {
    std::string answer;
    bool upEnabled = false;   // "上翻"
    bool downEnabled = false; // "下翻"
};

// The keyword search of one window: every change of the keyword searches afresh; the
// page turns step through the hits without wrapping.
class ChestSearch {
public:
    explicit ChestSearch(ChestLayout layout) : m_layout(layout) {}

    ChestView search(std::string_view keyword);
    // "上翻" and "下翻"; at an end they change nothing.
    ChestView pageUp();
    ChestView pageDown();

    int hitCount() const { return static_cast<int>(m_hits.size()); }
    int hitPos() const { return m_pos; }

private:
    ChestView view() const;
    ChestLayout m_layout;
    std::vector<int> m_hits; // entry indices, table order
    int m_pos = 0;
};

// The ten puzzles, each reading its own row of fields (the texts as typed, UTF-8).
enum class ChestPuzzle {
    SumToN,                 // Text3: n
    SquareOfSum,            // Text4: A+B=, C-B=, A-C=
    PhraseCharacter,        // Text5: n
    TwoNumberProduct,       // Text6: two factors
    TopPairMinusBottomPair, // Text7: four integers
    OuterMinusInner,        // Text8: four integers
    LargestSquareMinusRest, // Text9: three integers
    CircleOutsideTest,      // Text10: centre x, y, diameter, four points
    NearestPoint,           // Text11: reference x, y, four points
    OrchardPair,            // Text12: 东园, 南园, 西园, 北园
};

inline constexpr int kChestPuzzleCount = 10;

// Number of fields of a puzzle and the most characters each takes; 0 for a value that is
// not one of the ten puzzles (its answer is always empty).
int chestPuzzleFieldCount(ChestPuzzle p);
int chestPuzzleFieldLength(ChestPuzzle p);

// The answer for the fields as they stand: a number, one character or a sentence; empty
// while a field is empty or a number is out of the puzzle's range. Fields beyond the
// puzzle's count are ignored, missing ones count as empty.
std::string solveChestPuzzle(ChestPuzzle p, std::span<const std::string> fields);

} // namespace puzzles
