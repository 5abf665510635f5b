#pragma once
// Furniture (家具): 18 material categories with their unit prices and 57 pieces of
// furniture in four levels, with the recipes of the level-1 and level-2 pieces.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tables {

struct MaterialCategory {
    std::string_view caption; // the label: "[普通木料类]"
    std::string_view name;    // written into the diagram: "普通木材类"
    int price;
};

struct FurnitureRecipe {
    std::string_view caption;          // the label: "[桦木圆桌]"
    std::string_view name;             // written into the diagram
    int level;                         // 1 … 4
    std::string_view levelText;        // "10级"; empty on levels 3 and 4
    std::array<std::int8_t, 4> materials; // material Indices from slot 0, -1 for an empty slot
};

inline constexpr int kMaterialCount = 18;
inline constexpr int kFirstFurniture = 18;  // label Index of the first piece
inline constexpr int kFurnitureCount = 57;
inline constexpr int kFurnitureSentinel = 75; // the label that marks nothing

extern const std::array<MaterialCategory, kMaterialCount> kMaterials;
extern const std::array<FurnitureRecipe, kFurnitureCount> kFurniture;

// The price of a recipe: its slots' unit prices added up.
int recipeTotal(const FurnitureRecipe& r);

// What a label click writes into the recipe diagram. Every label Index 0 … 74 has a
// record; others write nothing.
struct FurnitureDiagram {
    enum class Kind { Nothing, Material, Recipe, NameOnly } kind = Kind::Nothing;
    std::array<std::string, 4> slotNames;  // Recipe only; "" for an empty slot
    std::array<std::string, 4> slotPrices; // Recipe only
    std::string levelText;                 // Recipe only
    std::string name;                      // all kinds but Nothing
    std::string total;                     // Material: the unit price; Recipe: the total
};
FurnitureDiagram furnitureDiagram(int labelIndex);

// The label caption of Index 0 … 74, "" otherwise (the sentinel shows nothing).
std::string_view furnitureCaption(int labelIndex);

} // namespace tables
