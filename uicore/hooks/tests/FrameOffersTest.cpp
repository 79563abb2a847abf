// The frame lookup: what a frame offers class by class, what providers add for any frame, and in
// which order they are asked.
#include <gtest/gtest.h>

#include "ORXFrameOffers.h"
#include "ORXServices.h"

namespace
{
// Interfaces with a field each, so that an answer at the wrong address reads the wrong value.
struct IAlpha
{
    virtual ~IAlpha() {}
    int m_nAlpha = 1;
};
struct IBeta
{
    virtual ~IBeta() {}
    int m_nBeta = 2;
};
struct IGamma
{
    virtual ~IGamma() {}
};

class CAlphaFrame : public CFrameWnd, public CORXFrameOffers, public IAlpha
{
public:
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        void* pOwn = ORXOfferOwn<IAlpha>(this, iface);
        return pOwn != NULL ? pOwn : CORXFrameOffers::OfferFrameInterface(iface);
    }
};

// Adds an interface and passes the rest to the class below.
class CAlphaBetaFrame : public CAlphaFrame, public IBeta
{
public:
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        void* pOwn = ORXOfferOwn<IBeta>(this, iface);
        return pOwn != NULL ? pOwn : CAlphaFrame::OfferFrameInterface(iface);
    }
};

// Offers its own IBeta for every window, or for frames alone.
class CBetaProvider : public CORXFrameOfferProvider, public IBeta
{
public:
    explicit CBetaProvider(BOOL bFramesOnly = FALSE) : m_bFramesOnly(bFramesOnly) {}
    virtual void* OfferFrameInterface(CWnd* pFrame, const std::type_info& iface)
    {
        m_nAsked++;
        if (m_bFramesOnly && (pFrame == NULL || !pFrame->IsFrameWnd()))
            return NULL;
        return ORXOfferOwn<IBeta>(this, iface);
    }
    BOOL m_bFramesOnly;
    int m_nAsked = 0;
};
} // namespace

TEST(FrameOffers, AFrameOffersWhatEachClassOfItsChainAdds)
{
    CAlphaBetaFrame derived;
    CAlphaFrame base;
    CFrameWnd plain;
    CWnd* pDerived = &derived;

    ASSERT_EQ(static_cast<IAlpha*>(&derived), ORXFrameOffer<IAlpha>(pDerived));
    ASSERT_EQ(static_cast<IBeta*>(&derived), ORXFrameOffer<IBeta>(pDerived));
    EXPECT_EQ(1, ORXFrameOffer<IAlpha>(pDerived)->m_nAlpha);
    EXPECT_EQ(2, ORXFrameOffer<IBeta>(pDerived)->m_nBeta);
    EXPECT_EQ(nullptr, ORXFrameOffer<IGamma>(pDerived));

    // The base offers only its own; a frame of no offers and no frame offer nothing.
    EXPECT_EQ(static_cast<IAlpha*>(&base), ORXFrameOffer<IAlpha>(&base));
    EXPECT_EQ(nullptr, ORXFrameOffer<IBeta>(&base));
    EXPECT_EQ(nullptr, ORXFrameOffer<IAlpha>(&plain));
    EXPECT_EQ(nullptr, ORXFrameOffer<IAlpha>(NULL));
}

TEST(FrameOffers, ProvidersOfferForAnyFrameAfterTheFrameItselfWhileRegistered)
{
    CAlphaBetaFrame derived;
    CAlphaFrame base;
    CWnd plainWnd;
    CBetaProvider provider;
    CORXServices::Register<CORXFrameOfferProvider>(&provider);

    // The frame's own answer comes first and leaves the providers unasked.
    EXPECT_EQ(static_cast<IBeta*>(&derived), ORXFrameOffer<IBeta>(&derived));
    EXPECT_EQ(0, provider.m_nAsked);
    // Where the frame offers none, the provider's stands beside the frame's own offers.
    EXPECT_EQ(static_cast<IBeta*>(&provider), ORXFrameOffer<IBeta>(&base));
    EXPECT_EQ(static_cast<IAlpha*>(&base), ORXFrameOffer<IAlpha>(&base));
    EXPECT_EQ(static_cast<IBeta*>(&provider), ORXFrameOffer<IBeta>(&plainWnd));
    EXPECT_EQ(static_cast<IBeta*>(&provider), ORXFrameOffer<IBeta>(NULL));
    EXPECT_EQ(nullptr, ORXFrameOffer<IGamma>(&base));

    // Providers are asked in rank order until one offers.
    CBetaProvider framesOnly(TRUE);
    CORXServices::Register<CORXFrameOfferProvider>(&framesOnly, CORXServices::rankFirst);
    EXPECT_EQ(static_cast<IBeta*>(&framesOnly), ORXFrameOffer<IBeta>(&base));
    EXPECT_EQ(static_cast<IBeta*>(&provider), ORXFrameOffer<IBeta>(&plainWnd));
    CORXServices::Unregister<CORXFrameOfferProvider>(&framesOnly);

    CORXServices::Unregister<CORXFrameOfferProvider>(&provider);
    EXPECT_EQ(nullptr, ORXFrameOffer<IBeta>(&base));
    EXPECT_EQ(nullptr, ORXFrameOffer<IBeta>(NULL));
}
