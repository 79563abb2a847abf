// The one lookup through which a frame window is asked for an interface: what the frame offers
// itself, class by class down its chain, then what providers registered with CORXServices offer for
// any frame.
#ifndef VELMORA_ORXFRAMEOFFERS_H
#define VELMORA_ORXFRAMEOFFERS_H

#include <afxwin.h>

#include <typeinfo>

// A frame window that implements interfaces of its own. Each class of a frame's chain answers for
// the interfaces it adds and passes any other request on to its base class, so a derived frame
// offers what it adds together with all that its bases offer.
class CORXFrameOffers
{
public:
    virtual ~CORXFrameOffers() {}
    // The object through which the frame implements the interface, NULL when it implements none.
    virtual void* OfferFrameInterface(const std::type_info& iface) { return NULL; }
};

// What an object outside the frames (the keyboard manager's key lookup) offers on their behalf,
// registered with CORXServices while it can answer. Providers are asked after the frame itself, in
// the services' order.
class CORXFrameOfferProvider
{
public:
    virtual ~CORXFrameOfferProvider() {}
    // pFrame may be NULL or any window; the provider decides what it offers for it.
    virtual void* OfferFrameInterface(CWnd* pFrame, const std::type_info& iface) = 0;
};

// A frame class's answer for the interfaces I... that it implements itself: the object as the
// interface asked for, NULL for any other interface.
template <class... I, class T> void* ORXOfferOwn(T* pThis, const std::type_info& iface)
{
    void* pFound = NULL;
    (void)(((iface == typeid(I)) && (pFound = static_cast<I*>(pThis)) != NULL) || ...);
    return pFound;
}

// The interface I as the frame offers it, else as the first provider offers it for the frame; NULL
// when nobody does. A NULL frame asks the providers alone. The only way a frame is asked.
void* ORXFrameOfferOf(CWnd* pFrame, const std::type_info& iface);
template <class I> I* ORXFrameOffer(CWnd* pFrame)
{
    return static_cast<I*>(ORXFrameOfferOf(pFrame, typeid(I)));
}

#endif // VELMORA_ORXFRAMEOFFERS_H
