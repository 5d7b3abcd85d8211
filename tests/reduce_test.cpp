#include <gtest/gtest.h>

#include "report/reduce.h"

namespace {

TEST(Reduce, WorkedValues) {
  struct Case {
    int32_t value, digitSum, reduce, keepingMasters, atLeastOnce;
  } cases[] = {
      {7, 7, 7, 7, 7},          {10, 1, 1, 1, 1},
      {11, 2, 2, 11, 2},        {19, 10, 1, 1, 1},
      {22, 4, 4, 22, 4},        {29, 11, 2, 11, 2},
      {49, 13, 4, 4, 4},        {0, 0, 0, 0, 0},
      {-7, 7, -7, -7, 7},       {-1980, 18, -1980, -1980, 9},
      {99999, 45, 9, 9, 9},     {INT32_MIN, 47, INT32_MIN, INT32_MIN, 2},
      {INT32_MAX, 46, 1, 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DigitSum(c.value), c.digitSum) << c.value;
    EXPECT_EQ(ReduceNumber(c.value), c.reduce) << c.value;
    EXPECT_EQ(ReduceKeepingMasters(c.value), c.keepingMasters) << c.value;
    EXPECT_EQ(ReduceAtLeastOnce(c.value), c.atLeastOnce) << c.value;
  }
}

}  // namespace
