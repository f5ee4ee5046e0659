#include "platform/font_finder.h"

#include <gtest/gtest.h>

#include <fstream>

// Runs against the fonts installed here (fonts-dejavu-core at least).

namespace pavodin {
namespace {

TEST(FindConsoleFont, AnAbsentWindowsFaceFallsBackToAFixedWidthFontOfTheWeight) {
  FontChoice bold, regular;
  std::string error;
  ASSERT_TRUE(FindConsoleFont("Lucida Console", 700, &bold, &error)) << error;
  EXPECT_TRUE(bold.fixed_width) << bold.family;
  EXPECT_GE(bold.weight, 600) << bold.path;
  EXPECT_TRUE(std::ifstream(bold.path).good()) << bold.path;

  ASSERT_TRUE(FindConsoleFont("Lucida Console", 400, &regular, &error)) << error;
  EXPECT_TRUE(regular.fixed_width);
  EXPECT_LT(regular.weight, 600);
  EXPECT_NE(regular.path, bold.path);
}

TEST(FindConsoleFont, AProportionalFaceIsNotTaken) {
  FontChoice choice;
  std::string error;
  ASSERT_TRUE(FindConsoleFont("DejaVu Sans", 700, &choice, &error)) << error;
  EXPECT_TRUE(choice.fixed_width);
  EXPECT_NE(choice.family, "DejaVu Sans");
}

TEST(FindConsoleFont, AnInstalledFixedWidthFaceIsTakenByName) {
  FontChoice choice;
  std::string error;
  ASSERT_TRUE(FindConsoleFont("DejaVu Sans Mono", 400, &choice, &error)) << error;
  EXPECT_EQ(choice.family, "DejaVu Sans Mono");
  // Weights out of range or unset are taken as regular, not refused.
  ASSERT_TRUE(FindConsoleFont("DejaVu Sans Mono", 0, &choice, &error)) << error;
  EXPECT_TRUE(choice.fixed_width);
  ASSERT_TRUE(FindConsoleFont("DejaVu Sans Mono", 5000, &choice, &error)) << error;
  EXPECT_TRUE(choice.fixed_width);
  // A Windows-1252 face name is converted, not passed on as broken UTF-8.
  ASSERT_TRUE(FindConsoleFont("Fonte Ma\xe7\xe3", 700, &choice, &error)) << error;
  EXPECT_TRUE(choice.fixed_width);
}

}  // namespace
}  // namespace pavodin
