#include "tests/support/ControlTest.h"

#include "automation/ControlObjects.h"

void OleEnvironment::SetUp()
{
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    InstallControlObjects();
    if (m_bRegisterControl) {
        ASSERT_EQ(TestContainer::RegisterControl(), S_OK) << "Norvak.ocx must load and register";
    }
}

void OleEnvironment::TearDown()
{
    OleUninitialize();
}
