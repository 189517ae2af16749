#pragma once

// The fixture of the tests that drive a control made in this process through the test container:
// OLE for the whole program, the control given to the container and, once started, activated in
// place (its window and its initial pages made), calls by DISPID with their results read as the
// test wants them, and the consistency check of every page.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "tests/support/TestContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// OLE for the whole test program; first registers the built control when asked. The fixture
// installs one without registration; a program without the fixture installs its own.
class OleEnvironment : public ::testing::Environment
{
public:
    explicit OleEnvironment(bool registerControl = false) : m_bRegisterControl(registerControl) {}
    void SetUp() override;
    void TearDown() override;

private:
    bool m_bRegisterControl;
};

class ControlTest : public ::testing::Test
{
protected:
    // Gives the container a new control, a plain CNorvakCtrl unless one is made by the test.
    void Create(CNorvakCtrl* made = nullptr);
    // Activates the control in place and forgets the events of the start.
    void Start();

    static Variant L(LONG value) { return Variant::Long(value); }
    static Variant S(const wchar_t* text) { return Variant::String(text); }
    static Variant B(bool value) { return Variant::Bool(value); }
    static std::vector<Variant> Longs(const std::vector<LONG>& values);

    // A call that must succeed, and its result.
    Variant Call(DISPID dispid, std::vector<Variant> args = {});
    LONG Long(DISPID dispid, std::vector<Variant> args = {}); // VT_I4 or VT_I2
    bool Bool(DISPID dispid, std::vector<Variant> args = {});
    std::wstring Text(DISPID dispid, std::vector<Variant> args = {});

    // Every page has its index and passes the consistency checker.
    void ExpectEveryPageConsistent(const std::string& after) const;

    TestContainer container;
    CNorvakCtrl* control = nullptr;
};

// A further control made in this process, in a container of its own and activated in place as the
// fixture's is, for tests of two controls in one process.
class ControlInContainer
{
public:
    ControlInContainer();
    CNorvakCtrl* operator->() const { return m_control; }
    CNorvakCtrl& operator*() const { return *m_control; }
    // Closes and releases the control now.
    void Destroy();
    bool IsAlive() const { return m_control != nullptr; }

private:
    TestContainer m_container;
    CNorvakCtrl* m_control = nullptr;
};
