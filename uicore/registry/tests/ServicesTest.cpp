// The services registry and the clean-up registry: who is asked, in which order, and that neither
// loses an entry however many there are.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ORXCleanUp.h"
#include "ORXServices.h"

namespace
{
class IGreeter
{
public:
    virtual ~IGreeter() {}
    virtual BOOL Greet(std::string& strTrace) = 0;
};

class CGreeter : public IGreeter
{
public:
    CGreeter(char cName, BOOL bAnswer = FALSE) : m_cName(cName), m_bAnswer(bAnswer) {}
    virtual BOOL Greet(std::string& strTrace)
    {
        strTrace += m_cName;
        return m_bAnswer;
    }
    char m_cName;
    BOOL m_bAnswer;
};

// Removes another provider when asked.
class CLeaver : public IGreeter
{
public:
    explicit CLeaver(IGreeter* pOther) : m_pOther(pOther) {}
    virtual BOOL Greet(std::string& strTrace)
    {
        strTrace += '!';
        CORXServices::Unregister<IGreeter>(m_pOther);
        return FALSE;
    }
    IGreeter* m_pOther;
};

std::string Ask()
{
    std::string strTrace;
    CORXServices::Any<IGreeter>([&strTrace](IGreeter* p) { return p->Greet(strTrace); });
    return strTrace;
}

std::vector<int> g_steps;
template <int N> void Step()
{
    g_steps.push_back(N);
}
template <int... N> void RegisterSteps(std::integer_sequence<int, N...>)
{
    // Registered from the highest number down, each ranked by its number.
    int dummy[] = {(ORXRegisterCleanUp(1000 - N, Step<1000 - N>), 0)...};
    (void)dummy;
}
} // namespace

TEST(Services, ProvidersAreAskedByRankThenNewestFirstWhateverTheOrderTheyCameIn)
{
    CGreeter a('a'), b('b'), c('c'), d('d');
    EXPECT_EQ(nullptr, CORXServices::Find<IGreeter>());
    CORXServices::Register<IGreeter>(&c, CORXServices::rankLast);
    CORXServices::Register<IGreeter>(&a);
    CORXServices::Register<IGreeter>(&b);
    CORXServices::Register<IGreeter>(&d, CORXServices::rankFirst);
    CORXServices::Register<IGreeter>(&a); // kept once
    EXPECT_EQ("dbac", Ask());
    EXPECT_EQ(&d, CORXServices::Find<IGreeter>());

    CORXServices::Unregister<IGreeter>(&d);
    CORXServices::Unregister<IGreeter>(&b);
    EXPECT_EQ("ac", Ask());
    EXPECT_EQ(&a, CORXServices::Find<IGreeter>());
    CORXServices::Unregister<IGreeter>(&a);
    CORXServices::Unregister<IGreeter>(&c);
    EXPECT_EQ("", Ask());
    EXPECT_EQ(nullptr, CORXServices::Find<IGreeter>());
}

TEST(Services, TheFirstAnswerEndsTheAskingAndAProviderGoneMeanwhileIsNotAsked)
{
    CGreeter a('a'), b('b', TRUE), c('c');
    CLeaver leaver(&a);
    CORXServices::Register<IGreeter>(&a, 2);
    CORXServices::Register<IGreeter>(&b, 3);
    CORXServices::Register<IGreeter>(&c, 4);
    std::string strTrace;
    EXPECT_TRUE(CORXServices::Any<IGreeter>([&strTrace](IGreeter* p) { return p->Greet(strTrace); }));
    EXPECT_EQ("ab", strTrace);

    CORXServices::Register<IGreeter>(&leaver, 1);
    EXPECT_EQ("!b", Ask());
    int nTold = 0;
    CORXServices::ForEach<IGreeter>([&nTold](IGreeter*) { nTold++; });
    EXPECT_EQ(3, nTold); // the leaver, b and c: a has gone
    CORXServices::Unregister<IGreeter>(&leaver);
    CORXServices::Unregister<IGreeter>(&b);
    CORXServices::Unregister<IGreeter>(&c);
}

TEST(CleanUp, EveryStepRunsOnceInRankOrderHoweverManyRegister)
{
    g_steps.clear();
    RegisterSteps(std::make_integer_sequence<int, 100>());
    ORXCleanUpGlobals();
    ASSERT_EQ(100u, g_steps.size());
    for (int i = 0; i < 100; i++)
        EXPECT_EQ(901 + i, g_steps[i]);
    ORXCleanUpGlobals();
    EXPECT_EQ(100u, g_steps.size());
}

// Interfaces named in a namespace and in none stand side by side: each is found by its own kind
// right after it is registered, whichever came first.
class CNamedRole
{
public:
    virtual ~CNamedRole() {}
};

TEST(Services, InterfacesOfEveryScopeAreFoundBesideEachOther)
{
    CNamedRole named;
    CGreeter greeter('x');
    for (int nOrder = 0; nOrder < 2; nOrder++)
    {
        if (nOrder == 0)
        {
            CORXServices::Register<CNamedRole>(&named);
            CORXServices::Register<IGreeter>(&greeter);
        }
        else
        {
            CORXServices::Register<IGreeter>(&greeter);
            CORXServices::Register<CNamedRole>(&named);
        }
        EXPECT_EQ(&named, CORXServices::Find<CNamedRole>()) << nOrder;
        EXPECT_EQ(&greeter, CORXServices::Find<IGreeter>()) << nOrder;
        CORXServices::Unregister<CNamedRole>(&named);
        CORXServices::Unregister<IGreeter>(&greeter);
        EXPECT_EQ(nullptr, CORXServices::Find<CNamedRole>());
        EXPECT_EQ(nullptr, CORXServices::Find<IGreeter>());
    }
}
