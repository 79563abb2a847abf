// The windowing start-up of a test program with windows, as a test environment that runs before the
// first test. A program registers it once, beside its application object:
//     ::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new CTestWindowing);
#ifndef VELMORA_TESTWINDOWING_H
#define VELMORA_TESTWINDOWING_H

#include <gtest/gtest.h>

#include "TestSupport.h"

class CTestWindowing : public ::testing::Environment
{
public:
    void SetUp() override { InitTestWindowing(); }
};

#endif // VELMORA_TESTWINDOWING_H
