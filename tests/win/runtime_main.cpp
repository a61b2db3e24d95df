#include <gtest/gtest.h>

#include "runtime/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  runtime::Initialise();
  return RUN_ALL_TESTS();
}
