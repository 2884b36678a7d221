#pragma once
// Delta debugging: the shortest list of steps found that still fails the same way. Splits the list into n
// chunks and tries each chunk alone, then the list without each chunk; keeps the first that still fails and
// starts again, else splits finer, until single steps cannot be left out (a list from which no single step
// can be removed), or the budget is spent: the number of items that the tries may hand to `fails` in all, so
// that long lists, whose tries cost more, get fewer of them.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

template <class T>
struct ShrinkResult {
    std::vector<T> items;
    int tries = 0;
    std::size_t itemsTried = 0; // over all tries
    bool budgetSpent = false; // the list may still be longer than it needs to be
};

// `fails` answers whether a list still shows the failure; the whole list must.
template <class T>
ShrinkResult<T> ShrinkFailingList(std::vector<T> items, const std::function<bool(const std::vector<T>&)>& fails,
                                  std::size_t budget)
{
    ShrinkResult<T> result;
    std::size_t n = 2;
    const auto tryList = [&](const std::vector<T>& candidate) {
        ++result.tries;
        result.itemsTried += candidate.size();
        return fails(candidate);
    };
    while (items.size() >= 2) {
        const std::size_t chunk = (items.size() + n - 1) / n;
        bool reduced = false;
        // Each chunk alone, then each complement.
        for (int pass = 0; pass < 2 && !reduced; ++pass) {
            for (std::size_t start = 0; start < items.size() && !reduced; start += chunk) {
                const std::size_t end = std::min(items.size(), start + chunk);
                const std::size_t size = pass == 0 ? end - start : items.size() - (end - start);
                if (result.itemsTried + size > budget) {
                    result.budgetSpent = true;
                    result.items = items;
                    return result;
                }
                std::vector<T> candidate;
                if (pass == 0) {
                    candidate.assign(items.begin() + static_cast<std::ptrdiff_t>(start),
                                     items.begin() + static_cast<std::ptrdiff_t>(end));
                } else {
                    candidate.assign(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(start));
                    candidate.insert(candidate.end(), items.begin() + static_cast<std::ptrdiff_t>(end), items.end());
                }
                if (candidate.size() < items.size() && !candidate.empty() && tryList(candidate)) {
                    items = std::move(candidate);
                    n = pass == 0 ? 2 : std::max<std::size_t>(n - 1, 2);
                    reduced = true;
                }
            }
        }
        if (!reduced) {
            if (n >= items.size()) {
                break; // no single step can go
            }
            n = std::min(items.size(), 2 * n);
        }
    }
    result.items = std::move(items);
    return result;
}
