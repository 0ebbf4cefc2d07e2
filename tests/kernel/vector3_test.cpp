#include "kernel/vector3.h"

#include <gtest/gtest.h>

namespace strata {
namespace {

TEST(Vector3, LengthOfZeroAndNormalizeOfZero) {
    double len = -1.0;
    EXPECT_EQ(vecLength(vecZero()), 0.0);
    EXPECT_EQ(vecNormalize(vecZero(), &len), vecZero());
    EXPECT_EQ(len, 0.0);
}

TEST(Vector3, ComponentIndexBeyondTwoIsZ) {
    const Vector3 v = vecSet(1, 2, 3);
    EXPECT_EQ(vecComponent(v, 0), 1);
    EXPECT_EQ(vecComponent(v, 1), 2);
    EXPECT_EQ(vecComponent(v, 7), 3);
    EXPECT_EQ(vecComponent(v, -1), 3);
}

TEST(Vector3, CrossFollowsTheRightHandRule) {
    EXPECT_EQ(vecCross(vecSet(1, 0, 0), vecSet(0, 1, 0)), vecSet(0, 0, 1));
    EXPECT_EQ(vecCross(vecSet(0, 1, 0), vecSet(0, 0, 1)), vecSet(1, 0, 0));
}

}  // namespace
}  // namespace strata
