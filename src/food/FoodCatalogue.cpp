#include "food/FoodCatalogue.h"

#include "food/FoodCatalogueData.h"

static_assert(CFoodCatalogue::kRowCount == kFoodRowCount);

namespace {

const FoodCategory* FindCategory(int row)
{
    if (row < CFoodCatalogue::kFirstRow || row > CFoodCatalogue::kLastRow)
        return nullptr;
    return &kFoodCategories[static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow)];
}

} // namespace

std::string_view CFoodCatalogue::CategoryLabel(int row) const
{
    const FoodCategory* category = FindCategory(row);
    return category ? category->label : std::string_view();
}

int CFoodCatalogue::DishBoxId(int row) const
{
    const FoodCategory* category = FindCategory(row);
    return category ? category->dishBoxId : 0;
}

int CFoodCatalogue::PortionBoxId(int row) const
{
    const FoodCategory* category = FindCategory(row);
    return category ? category->portionBoxId : 0;
}

int CFoodCatalogue::DishCount(int row) const
{
    const FoodCategory* category = FindCategory(row);
    return category ? static_cast<int>(category->dishes.size()) : 0;
}

std::vector<std::string> CFoodCatalogue::DishEntries(int row) const
{
    const FoodCategory* category = FindCategory(row);
    if (!category)
        return {};
    std::vector<std::string> entries;
    entries.reserve(category->dishes.size() + 1);
    entries.emplace_back(kNoDishText);
    for (const FoodDish& dish : category->dishes)
        entries.emplace_back(dish.name);
    return entries;
}

float CFoodCatalogue::DishKcal(int row, int entry) const
{
    if (!IsDishEntry(row, entry))
        return 0.0f;
    return FindCategory(row)->dishes[static_cast<std::size_t>(entry - 1)].kcal;
}

const std::vector<std::string>& CFoodCatalogue::PortionEntries() const
{
    static const std::vector<std::string> entries{
        "0",   "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1",  "1.1",
        "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2",   "2.5", "3",
    };
    return entries;
}

double CFoodCatalogue::PortionFactor(int entry) const
{
    if (!IsPortionEntry(entry))
        return 0.0;
    if (entry <= 20)
        return entry * 0.1; // the product, not the nearest double to the shown text: 3 × 0.1 ≠ 0.3
    return entry == 21 ? 2.5 : 3.0;
}
