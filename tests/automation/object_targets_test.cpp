// Every kind of automation object once its target is gone: the row of its cell removed, its page
// deleted, its control destroyed. Each answers the failure value of its members, touches no freed
// memory, and may be released after the control is gone.

#include "tests/automation/ObjectCalls.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

enum : DISPID
{
    kCellSetText = 9,
    kCellGetText = 10,
    kCellFont = 33,
    kRangeSetText = 7,
    kTitleGetActivePage = 4,
    kTitleGetPageTitle = 32,
    kTitleFont = 44,
    kArrowGetArrows = 1,
    kArrowFont = 13,
    kArrowGetStatusInfoFormat = 15,
    kFontSetHeight = 1,
    kFontGetHeight = 2,
    kFontSetSize = 32,
};

// A member call and the failure value it must answer.
struct Failure
{
    const char* object;
    DISPID id;
    std::vector<Variant> args;
    LONG expected;
};

class ObjectTargets : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    IDispatch* Held(DISPID id, std::vector<Variant> args = {})
    {
        return HeldObject(Call(id, std::move(args)));
    }
    IDispatch* HeldFrom(IDispatch* object, DISPID id, std::vector<Variant> args = {})
    {
        return HeldObject(Invoke(object, id, std::move(args)));
    }
    void ExpectFailures(const std::map<std::string, IDispatch*>& objects,
                        const std::vector<Failure>& failures)
    {
        for (const Failure& f : failures) {
            IDispatch* object = objects.at(f.object);
            ASSERT_NE(object, nullptr) << f.object;
            EXPECT_EQ(AsLong(Invoke(object, f.id, f.args)), f.expected) << f.object << " DISPID " << f.id;
        }
    }
};

} // namespace

TEST_F(ObjectTargets, ObjectsWhoseRowWasRemovedAnswerTheirFailureValues)
{
    IDispatch* cell = Held(kDoGetGridObject, {L(0), L(99), L(5)});
    IDispatch* font = HeldFrom(cell, kCellFont);
    IDispatch* range = Held(kDoGetGridRangeObject, {L(0), L(97), L(2), L(99), L(3)});
    ASSERT_TRUE(cell && font && range);
    EXPECT_EQ(AsLong(Invoke(font, kFontSetHeight, {L(-20)})), 1);
    ASSERT_TRUE(Bool(kDoRemovePageRow, {L(0), L(50)}));
    ModalDriver driver;
    ExpectFailures({{"cell", cell}, {"font", font}, {"range", range}},
                   {
                       {"cell", kCellSetText, {S(L"x")}, 0},
                       {"font", kFontGetHeight, {}, -1},
                       {"font", kFontSetHeight, {L(-10)}, 0},
                       {"font", kFontSetSize, {L(10)}, 0},
                       {"range", kRangeSetText, {S(L"x")}, 0},
                   });
    EXPECT_EQ(AsText(Invoke(cell, kCellGetText)), L"");
    EXPECT_TRUE(driver.seen.empty()) << "the page is there: no message";
    EXPECT_EQ(control->GetPageCell(0, 98, 5)->GetFont().font.lfHeight, -20)
        << "the cell moved up with what the object set, and the object no longer reaches it";
    ExpectEveryPageConsistent("row removed");
    for (IDispatch* object : {cell, font, range})
        object->Release();
}

TEST_F(ObjectTargets, ObjectsOfADeletedPageAnswerTheirFailureValues)
{
    IDispatch* cell = Held(kDoGetGridObject, {L(2), L(3), L(3)});
    IDispatch* cellFont = HeldFrom(cell, kCellFont);
    IDispatch* range = Held(kDoGetGridRangeObject, {L(2), L(2), L(2), L(3), L(3)});
    IDispatch* title = Held(kDoGetTabTitleObject);
    IDispatch* tabFont = HeldFrom(title, kTitleFont, {L(2)});
    ASSERT_TRUE(cell && cellFont && range && title && tabFont);
    ASSERT_TRUE(Bool(kDoDeletePage, {L(2)}));
    ModalDriver driver;
    ExpectFailures({{"cellFont", cellFont}, {"tabFont", tabFont}, {"title", title}},
                   {
                       {"cellFont", kFontGetHeight, {}, -1},
                       {"cellFont", kFontSetHeight, {L(-10)}, 0},
                       {"tabFont", kFontGetHeight, {}, -1},
                       {"tabFont", kFontSetHeight, {L(-10)}, 0},
                   });
    EXPECT_TRUE(driver.seen.empty()) << "the font objects tell nothing";
    EXPECT_EQ(AsText(Invoke(title, kTitleGetPageTitle, {L(2)})), L"");
    ExpectFailures({{"cell", cell}, {"range", range}},
                   {{"cell", kCellSetText, {S(L"x")}, 0}, {"range", kRangeSetText, {S(L"x")}, 0}});
    ASSERT_EQ(driver.seen.size(), 2u) << "the cell and range objects tell of the page";
    EXPECT_EQ(driver.seen[1].text, L"页索引无效!");
    for (IDispatch* object : {cell, cellFont, range, title, tabFont})
        object->Release();
}

TEST_F(ObjectTargets, EveryObjectOutlivesItsControlAndIsReleasedSafelyAfterIt)
{
    IDispatch* cell = Held(kDoGetGridObject, {L(0), L(2), L(2)});
    IDispatch* cellFont = HeldFrom(cell, kCellFont);
    IDispatch* range = Held(kDoGetGridRangeObject, {L(0), L(2), L(2), L(3), L(3)});
    IDispatch* title = Held(kDoGetTabTitleObject);
    IDispatch* tabFont = HeldFrom(title, kTitleFont, {L(0)});
    IDispatch* arrow = Held(kDoGetTabArrowObject);
    IDispatch* statusFont = HeldFrom(arrow, kArrowFont);
    const std::map<std::string, IDispatch*> objects{
        {"cell", cell},       {"cellFont", cellFont}, {"range", range},          {"title", title},
        {"tabFont", tabFont}, {"arrow", arrow},       {"statusFont", statusFont}};
    for (const auto& [name, object] : objects)
        ASSERT_NE(object, nullptr) << name;
    container.Destroy();
    control = nullptr;
    ModalDriver driver;
    ExpectFailures(objects, {
                                {"cell", kCellSetText, {S(L"x")}, 0},
                                {"cellFont", kFontGetHeight, {}, -1},
                                {"range", kRangeSetText, {S(L"x")}, 0},
                                {"title", kTitleGetActivePage, {}, -1},
                                {"tabFont", kFontSetHeight, {L(-10)}, 0},
                                {"arrow", kArrowGetArrows, {}, 0},
                                {"arrow", kArrowGetStatusInfoFormat, {}, 2},
                                {"statusFont", kFontGetHeight, {}, -1},
                            });
    EXPECT_EQ(AsText(Invoke(title, kTitleGetPageTitle, {L(0)})), L"");
    EXPECT_EQ((*Invoke(title, kTitleFont, {L(0)})).pdispVal, nullptr);
    EXPECT_EQ((*Invoke(arrow, kArrowFont)).pdispVal, nullptr);
    EXPECT_TRUE(driver.seen.empty());
    // The owners first: each holds its font object until it goes.
    for (const char* name : {"cell", "range", "title", "arrow", "cellFont", "tabFont", "statusFont"})
        EXPECT_EQ(objects.at(name)->Release(), 0u) << name << ": the last reference";
}
