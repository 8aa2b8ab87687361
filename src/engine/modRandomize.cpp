#include "modRandomize.h"

#include <chrono>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <random>

namespace modRandomize {

std::vector<std::int32_t> randomOrder;

namespace {

UniformSource g_source;

// Largest double below 1: whatever a source returns, j must stay below i.
constexpr double belowOne = 0x1.fffffffffffffp-1;

double clampUnit(double r)
{
    if (!(r >= 0.0)) // also catches NaN
        return 0.0;
    return r > belowOne ? belowOne : r;
}

} // namespace

void setUniformSource(UniformSource source)
{
    g_source = std::move(source);
}

std::vector<std::int32_t>& Shuffle(std::vector<std::int32_t>& list)
{
    if (list.empty())
        return list;

    UniformSource next = g_source;
    if (!next) {
        // Reseeded from the clock at every call. The top 53 bits make r strictly below 1;
        // uniform_real_distribution may round up to exactly 1.0 with libstdc++.
        auto seed = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        next = [engine = std::mt19937_64(seed)]() mutable {
            return static_cast<double>(engine() >> 11) * 0x1.0p-53;
        };
    }

    const std::size_t ub = list.size() - 1;
    list.push_back(0); // the extra slot at ub + 1
    for (std::size_t i = ub + 1; i-- > 0;) {
        const double r = clampUnit(next());
        const auto j = static_cast<std::size_t>(std::floor(r * static_cast<double>(i)));
        list[i + 1] = list[j];
        list[j] = list[i];
    }
    list[0] = list[ub + 1];
    list.pop_back();
    return list;
}

void RandomOrder(std::int32_t n)
{
    randomOrder.assign(static_cast<std::size_t>(n > 0 ? n : 0), 0);
    std::iota(randomOrder.begin(), randomOrder.end(), 0);
    Shuffle(randomOrder);
}

} // namespace modRandomize
