// The random order in which a test draws its questions.
//
// Shuffle is not the textbook Fisher-Yates: it walks the list from the top with an extra
// slot beyond the end, and the index it swaps with is drawn from below i, never i itself.
// So for n >= 2 it yields one of (n - 1)! arrangements, and the value that started last
// never ends first. The program has always drawn its tests this way; keep it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace modRandomize {

// The last order drawn by RandomOrder.
extern std::vector<std::int32_t> randomOrder;

// A source of uniform values in [0, 1). Empty means the default: a generator freshly seeded
// from the clock at every Shuffle. Tests install a deterministic one.
using UniformSource = std::function<double()>;
void setUniformSource(UniformSource source);

// Rearranges list in place and returns it.
std::vector<std::int32_t>& Shuffle(std::vector<std::int32_t>& list);

// randomOrder = Shuffle(0, 1, ..., n - 1). n <= 0 leaves an empty order.
void RandomOrder(std::int32_t n);

} // namespace modRandomize
