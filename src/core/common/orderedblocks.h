// Work in blocks on several threads whose results go on in order: items [0, count) are made a
// round of blocks at a time, a block per thread, and each block is passed on in item order before
// the next round starts, so the result is the same as on one thread and only a round is held.
#pragma once

#include <cstddef>
#include <functional>

namespace pelmora {

// The threads for `count` items in blocks of `blockSize`: one when they fit in one block, else as
// many as the machine has cores, up to four.
std::size_t orderedBlockThreads(std::size_t count, std::size_t blockSize);

// Calls `make(slot, from, to)` for the blocks of a round, each on its own thread (`slot` below
// `threads`, one per block of the round), then `pass(slot)` for each in order. False as soon as a
// pass says false; the rounds after it are not made.
bool makeInOrderedBlocks(std::size_t count, std::size_t blockSize, std::size_t threads,
                         const std::function<void(std::size_t slot, std::size_t from, std::size_t to)>& make,
                         const std::function<bool(std::size_t slot)>& pass);

}  // namespace pelmora
