// What the framework's frame window offers through the frame lookup, alone, under an application's
// frame class that adds an interface, and beside the keyboard manager's key lookup.
#include <gtest/gtest.h>

#include "ORXFrameWnd.h"
#include "ORXKeyboardManager.h"

namespace
{
struct IClockFace
{
    virtual ~IClockFace() {}
};

class CClockFrame : public CORXFrameWnd, public IClockFace
{
public:
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        void* pOwn = ORXOfferOwn<IClockFace>(this, iface);
        return pOwn != NULL ? pOwn : CORXFrameWnd::OfferFrameInterface(iface);
    }
};
} // namespace

TEST(FrameWndOffers, TheFrameOffersItsHooksItsHelperAndItsTearOffKeeperUnderAnyDerivedClass)
{
    CORXFrameWnd frame;
    CClockFrame clock;
    for (CORXFrameWnd* pFrame : {&frame, static_cast<CORXFrameWnd*>(&clock)})
    {
        EXPECT_EQ(static_cast<CORXFrameHooks*>(pFrame), ORXFrameOffer<CORXFrameHooks>(pFrame));
        EXPECT_EQ(static_cast<CORXFrameImplHolder*>(pFrame), ORXFrameOffer<CORXFrameImplHolder>(pFrame));
        EXPECT_EQ(static_cast<CORXTearOffFrame*>(pFrame), ORXFrameOffer<CORXTearOffFrame>(pFrame));
        EXPECT_EQ(&pFrame->GetFrameImpl(), &ORXFrameOffer<CORXFrameImplHolder>(pFrame)->GetFrameImpl());
    }
    EXPECT_EQ(static_cast<IClockFace*>(&clock), ORXFrameOffer<IClockFace>(&clock));
    EXPECT_EQ(nullptr, ORXFrameOffer<IClockFace>(&frame));
}

TEST(FrameWndOffers, TheKeyboardManagersKeyLookupIsOfferedBesideTheFramesHooksWhileTheManagerLives)
{
    CORXFrameWnd frame;
    CFrameWnd plain;
    EXPECT_EQ(nullptr, ORXFrameOffer<CORXCommandKeyLink>(&frame));
    {
        CORXKeyboardManager manager;
        CORXCommandKeyLink* pKeys = ORXFrameOffer<CORXCommandKeyLink>(&frame);
        EXPECT_NE(nullptr, pKeys);
        EXPECT_EQ(pKeys, ORXFrameOffer<CORXCommandKeyLink>(&plain));
        EXPECT_EQ(static_cast<CORXFrameHooks*>(&frame), ORXFrameOffer<CORXFrameHooks>(&frame));
        EXPECT_EQ(nullptr, ORXFrameOffer<CORXFrameHooks>(&plain));
    }
    EXPECT_EQ(nullptr, ORXFrameOffer<CORXCommandKeyLink>(&frame));
    EXPECT_EQ(static_cast<CORXFrameHooks*>(&frame), ORXFrameOffer<CORXFrameHooks>(&frame));
}
