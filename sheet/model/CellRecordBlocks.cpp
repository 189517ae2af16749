#include "sheet/model/CellRecordBlocks.h"

#include <algorithm>
#include <atomic>
#include <new>

static_assert(CCellRecordBlocks::kMaxBlockCells < UINT16_MAX, "a slot number must fit the cell's field");

// A header followed by the cells' slots.
struct CCellRecordBlocks::Block
{
    // The live cells and the slots not handed out yet, and one while a maker fills the block.
    // Cells of one page may be deleted by whichever thread holds their control, so the count is
    // kept atomically.
    std::atomic<uint32_t> refs{1};

    static constexpr size_t kSlotsOffset =
        (sizeof(std::atomic<uint32_t>) + alignof(CNorvakCell) - 1) / alignof(CNorvakCell) * alignof(CNorvakCell);

    CNorvakCell* Slots() { return reinterpret_cast<CNorvakCell*>(reinterpret_cast<char*>(this) + kSlotsOffset); }
    static Block* Of(CNorvakCell* slots)
    {
        return reinterpret_cast<Block*>(reinterpret_cast<char*>(slots) - kSlotsOffset);
    }
};

CCellRecordBlocks::~CCellRecordBlocks()
{
    ReleaseBlock();
}

// The maker's reference and those of the slots it did not hand out.
void CCellRecordBlocks::ReleaseBlock()
{
    if (m_block)
        Unref(m_block, uint32_t(1 + m_capacity - m_next));
    m_block = nullptr;
}

std::unique_ptr<CNorvakCell> CCellRecordBlocks::Make()
{
    if (!m_block || m_next == m_capacity)
        NextBlock();
    CNorvakCell* cell = new (m_block->Slots() + m_next) CNorvakCell();
    ++m_next;
    cell->m_nBlockSlot = uint16_t(m_next);
    ++m_made;
    if (m_expected > 0 && m_expected != kGrowing)
        --m_expected;
    return std::unique_ptr<CNorvakCell>(cell);
}

void CCellRecordBlocks::NextBlock()
{
    const size_t capacity = m_expected == kGrowing
                                ? std::clamp<size_t>(m_made, kFirstGrowingBlockCells, kMaxBlockCells)
                                : std::clamp<size_t>(m_expected, 1, kMaxBlockCells);
    void* memory = ::operator new(Block::kSlotsOffset + capacity * sizeof(CNorvakCell));
    ReleaseBlock();
    // Every slot's reference is taken at once, so that making a cell changes no shared count.
    m_block = new (memory) Block;
    m_block->refs.store(uint32_t(1 + capacity), std::memory_order_relaxed);
    m_capacity = capacity;
    m_next = 0;
}

void CCellRecordBlocks::Unref(Block* block, uint32_t count)
{
    if (block->refs.fetch_sub(count) == count) {
        block->~Block();
        ::operator delete(block);
    }
}

void CCellRecordBlocks::Release(CNorvakCell* cell, uint16_t slot)
{
    Unref(Block::Of(cell - (slot - 1)), 1);
}
