#pragma once

// Records for new cells: instead of one heap allocation per cell, the records lie side by side in
// blocks of up to kMaxBlockCells. A reader that fills a page says how many cells it expects; a
// page's table, which makes its cells one at a time, lets the blocks grow with what it made. A cell from
// a block is deleted like any other (its delete gives it back to its block), and a block is freed
// with the last of its cells, so no other code needs to know where a cell came from.
//
// Ownership: the caller owns every cell it is handed. The maker holds a reference on the block it
// is filling, and one for each slot it has not handed out yet, and gives them up when it moves to
// the next block or is destroyed; a block's unused slots go with its last cell.

#include "sheet/model/NorvakCell.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class CCellRecordBlocks
{
public:
    static constexpr size_t kMaxBlockCells = 1024;
    // No count is known: each block holds as many cells as were made before it, from
    // kFirstGrowingBlockCells up to kMaxBlockCells, so that a page with a few edited cells stays small.
    static constexpr size_t kGrowing = SIZE_MAX;
    static constexpr size_t kFirstGrowingBlockCells = 8;

    // expected: how many cells the caller means to ask for; no block is made larger than what is
    // still expected, so a reader that passes a count it has checked allocates nothing beyond it.
    explicit CCellRecordBlocks(size_t expected) : m_expected(expected) {}
    CCellRecordBlocks(const CCellRecordBlocks&) = delete;
    CCellRecordBlocks& operator=(const CCellRecordBlocks&) = delete;
    ~CCellRecordBlocks();

    // A fresh default cell. May throw std::bad_alloc.
    std::unique_ptr<CNorvakCell> Make();

    // For the cell's delete: the cell (already destroyed) in slot - 1 of its block.
    static void Release(CNorvakCell* cell, uint16_t slot);

private:
    struct Block;
    void NextBlock();
    void ReleaseBlock();
    static void Unref(Block* block, uint32_t count);

    Block* m_block = nullptr;
    size_t m_capacity = 0;
    size_t m_next = 0; // the first unused slot of m_block
    size_t m_expected;
    size_t m_made = 0;
};
