// Runs the plain-C checks of the library's C call (c_api_check.c).
#include <gtest/gtest.h>

extern "C" const char* nuvel_c_api_check(void);

TEST(CApi, FromPlainC) {
  const char* failed = nuvel_c_api_check();
  EXPECT_EQ(failed, nullptr) << failed;
}
