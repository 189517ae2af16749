// The COM doors of the framework other than dispatch: a class object whose object cannot be made,
// and a drop target whose handlers fail, answer failures instead of letting the exception out.

#include "framework/ClassFactory.h"
#include "framework/OleDataTransfer.h"

#include <gtest/gtest.h>

#include <new>

namespace {

const CLSID kNoClass = {0x1C0FFEE0, 0x0BAD, 0x4A11, {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}};

class ThrowingFactory final : public COleObjectFactory
{
public:
    ThrowingFactory() : COleObjectFactory(kNoClass, &Make, "Norvak.NoClass") {}
    bool UpdateRegistry(bool) override { return true; }

private:
    static IUnknown* Make() { throw std::bad_alloc(); }
};

TEST(ComBoundary, AClassObjectWhoseObjectCannotBeMadeAnswersOutOfMemory)
{
    ThrowingFactory factory;
    IUnknown* made = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(factory.CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&made)), E_OUTOFMEMORY);
    EXPECT_EQ(made, nullptr);
}

// A target that takes every drag as a copy and fails as asked in its handlers.
class FailingTarget final : public COleDropTarget
{
public:
    bool failEnter = false;
    bool failDrop = false;

    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) override
    {
        if (failEnter)
            throw std::bad_alloc();
        return DROPEFFECT_COPY;
    }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_COPY; }
    bool OnDrop(COleDataObject*, DROPEFFECT, CPoint) override
    {
        if (failDrop)
            throw std::bad_alloc();
        return true;
    }
};

TEST(ComBoundary, ADropTargetWhoseHandlerFailsTakesNothing)
{
    FailingTarget target;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.failEnter = true;
    EXPECT_EQ(target.DragEnter(nullptr, 0, POINTL{}, &effect), E_OUTOFMEMORY);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.failDrop = true;
    EXPECT_EQ(target.Drop(nullptr, 0, POINTL{}, &effect), E_OUTOFMEMORY);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.failDrop = false;
    EXPECT_EQ(target.Drop(nullptr, 0, POINTL{}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY)) << "the target goes on taking drops";
}

} // namespace
