#pragma once

// A second control beside a test fixture's, in a container of its own, activated with its default
// pages: the one that writes the file the fixture's control opens. The container owns the control.

#include "tests/support/ControlTest.h"

#include <utility>
#include <vector>

struct WriterControl
{
    TestContainer container;
    CNorvakCtrl* control = new CNorvakCtrl;

    WriterControl()
    {
        EXPECT_EQ(container.Create(static_cast<IOleObject*>(control)), S_OK);
        EXPECT_EQ(container.Activate(), S_OK);
    }
    void Save(std::vector<Variant> args)
    {
        Variant result;
        ASSERT_EQ(container.Call(kDoSave, std::move(args), &result), S_OK);
        ASSERT_EQ(result.type(), VT_BOOL);
        EXPECT_NE((*result).boolVal, VARIANT_FALSE);
    }
};
