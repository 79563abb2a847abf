// The frame lookup: the frame's own offers, then the providers'.
#include "ORXFrameOffers.h"

#include "ORXServices.h"

void* ORXFrameOfferOf(CWnd* pFrame, const std::type_info& iface)
{
    // The one cast from a window to what it offers: everything else a frame implements is reached
    // through the answer.
    CORXFrameOffers* pOffers = pFrame != NULL ? dynamic_cast<CORXFrameOffers*>(pFrame) : NULL;
    void* pFound = pOffers != NULL ? pOffers->OfferFrameInterface(iface) : NULL;
    if (pFound == NULL)
        CORXServices::Any<CORXFrameOfferProvider>([&](CORXFrameOfferProvider* pProvider) {
            pFound = pProvider->OfferFrameInterface(pFrame, iface);
            return pFound != NULL;
        });
    return pFound;
}
