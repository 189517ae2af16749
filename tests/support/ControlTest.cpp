#include "tests/support/ControlTest.h"

#include "tests/support/PageConsistency.h"

namespace {

// Every program with tests of this fixture needs OLE.
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

} // namespace

void ControlTest::Create(CNorvakCtrl* made)
{
    control = made ? made : new CNorvakCtrl;
    ASSERT_EQ(container.Create(static_cast<IOleObject*>(control)), S_OK);
}

void ControlTest::Start()
{
    ASSERT_EQ(container.Activate(), S_OK);
    container.events.clear();
}

std::vector<Variant> ControlTest::Longs(const std::vector<LONG>& values)
{
    std::vector<Variant> args;
    for (LONG value : values)
        args.push_back(Variant::Long(value));
    return args;
}

Variant ControlTest::Call(DISPID dispid, std::vector<Variant> args)
{
    Variant result;
    EXPECT_EQ(container.Call(dispid, std::move(args), &result), S_OK) << dispid;
    return result;
}

LONG ControlTest::Long(DISPID dispid, std::vector<Variant> args)
{
    Variant result = Call(dispid, std::move(args));
    EXPECT_TRUE(result.type() == VT_I4 || result.type() == VT_I2) << dispid;
    return result.type() == VT_I2 ? (*result).iVal : (*result).lVal;
}

bool ControlTest::Bool(DISPID dispid, std::vector<Variant> args)
{
    Variant result = Call(dispid, std::move(args));
    EXPECT_EQ(result.type(), VT_BOOL) << dispid;
    return (*result).boolVal != VARIANT_FALSE;
}

std::wstring ControlTest::Text(DISPID dispid, std::vector<Variant> args)
{
    Variant result = Call(dispid, std::move(args));
    EXPECT_EQ(result.type(), VT_BSTR) << dispid;
    return (*result).bstrVal ? (*result).bstrVal : L"";
}

void ControlTest::ExpectEveryPageConsistent(const std::string& after) const
{
    for (int page = 0; page < control->DoGetPageCounts(); ++page) {
        PageRef ref = control->GetPageRef(page);
        ASSERT_TRUE(ref) << after << ": page " << page;
        EXPECT_EQ(ref.page->m_nIndex, page) << after;
        EXPECT_EQ(CheckPageConsistency(*ref.page, *ref.cells), "") << after << ": page " << page;
    }
}

ControlInContainer::ControlInContainer() : m_control(new CNorvakCtrl)
{
    EXPECT_EQ(m_container.Create(static_cast<IOleObject*>(m_control)), S_OK);
    EXPECT_EQ(m_container.Activate(), S_OK);
}

void ControlInContainer::Destroy()
{
    m_container.Destroy();
    m_control = nullptr;
}
