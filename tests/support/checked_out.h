// The value a suite's getter writes, the getter's success checked:
// Out<int32_t>([&](auto* v) { return layers->CountLayers(v); }).
#pragma once

#include <gtest/gtest.h>

namespace vx::test {

template <class T, class Getter>
T Out(Getter getter) {
  T value{};
  EXPECT_EQ(0, getter(&value));
  return value;
}

}  // namespace vx::test
