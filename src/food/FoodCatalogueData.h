#pragma once
// The catalogue's constant data, shared by CFoodCatalogue and nothing else.

#include <array>
#include <span>
#include <string_view>

inline constexpr int kFoodRowCount = 16;

struct FoodDish {
    std::string_view name; // UTF-8
    float kcal;            // per serving
};

struct FoodCategory {
    std::string_view label;
    int dishBoxId;
    int portionBoxId;
    std::span<const FoodDish> dishes; // in box order, entry 1 first
};

// Rows 1 to 16 at indexes 0 to 15.
extern const std::array<FoodCategory, kFoodRowCount> kFoodCategories;
