// The managers' roles in the services registry: each manager is the process's one from its
// construction to its destruction, a newer one takes the role over, and none stays reachable once
// it is gone.
#include <gtest/gtest.h>

#include "ORXKeyboardManager.h"
#include "ORXMouseManager.h"
#include "ORXTearOffManager.h"
#include "ORXUserToolsManager.h"

namespace
{
template <class T, class Make> void ExpectHeldUntilGone(Make fnMake, T* (*pfnHolder)())
{
    ASSERT_EQ(nullptr, pfnHolder());
    T* pFirst = fnMake();
    EXPECT_EQ(pFirst, pfnHolder());
    T* pSecond = fnMake();
    EXPECT_EQ(pSecond, pfnHolder());
    delete pFirst; // an older manager going leaves the role with the newer
    EXPECT_EQ(pSecond, pfnHolder());
    delete pSecond;
    EXPECT_EQ(nullptr, pfnHolder());
}
} // namespace

TEST(ManagerRoles, EachManagerHoldsItsRoleFromConstructionUntilItGoes)
{
    {
        SCOPED_TRACE("keyboard");
        ExpectHeldUntilGone([]() { return new CORXKeyboardManager; }, ORXKeyboardManager);
    }
    {
        SCOPED_TRACE("mouse");
        ExpectHeldUntilGone([]() { return new CORXMouseManager; }, ORXMouseManager);
    }
    {
        SCOPED_TRACE("user tools");
        ExpectHeldUntilGone([]() { return new CORXUserToolsManager(32500, 32510, 32519); },
                            ORXUserToolsManager);
    }
    // The application hands the tear-off manager its role.
    SCOPED_TRACE("tear-off");
    ExpectHeldUntilGone(
        []() {
            CORXTearOffManager* pManager = new CORXTearOffManager;
            ORXSetTearOffManager(pManager);
            return pManager;
        },
        ORXTearOffManager);
}
