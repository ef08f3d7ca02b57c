#include "common/orderedblocks.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace pelmora {

std::size_t orderedBlockThreads(std::size_t count, std::size_t blockSize)
{
    if (count <= blockSize)
        return 1;
    return std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), 4);
}

bool makeInOrderedBlocks(std::size_t count, std::size_t blockSize, std::size_t threads,
                         const std::function<void(std::size_t, std::size_t, std::size_t)>& make,
                         const std::function<bool(std::size_t)>& pass)
{
    for (std::size_t from = 0; from < count;) {
        std::vector<std::pair<std::size_t, std::size_t>> round;
        for (; round.size() < threads && from < count; from = round.back().second)
            round.emplace_back(from, std::min(count, from + blockSize));
        {
            std::vector<std::jthread> helpers;
            for (std::size_t slot = 1; slot < round.size(); ++slot)
                helpers.emplace_back([&, slot] { make(slot, round[slot].first, round[slot].second); });
            make(0, round[0].first, round[0].second);
        }  // the helpers are joined here
        for (std::size_t slot = 0; slot < round.size(); ++slot)
            if (!pass(slot))
                return false;
    }
    return true;
}

}  // namespace pelmora
