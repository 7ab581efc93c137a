#include <gtest/gtest.h>

#include <stdexcept>

#include "script.h"

TEST(Script, ReadsEveryStepAndLeavesOutCommentsAndBlankLines) {
  const auto steps = ParseScript(
      "seed 42\n\n# the title\nstart\nframes 3\npress 10 20 right\nrelease 10 20\nclick 1 2 left\n"
      "move 5 6   # slide\nkey 27\nshot out.png\nreturn\ndialogshot panel.png\nhidden cells.txt\n");
  ASSERT_EQ(steps.size(), 12u);
  EXPECT_EQ(steps[0].kind, ScriptStep::Kind::Seed);
  EXPECT_EQ(steps[0].a, 42);
  EXPECT_EQ(steps[1].kind, ScriptStep::Kind::Start);
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[2].a, 3);
  EXPECT_EQ(steps[3].kind, ScriptStep::Kind::Press);
  EXPECT_TRUE(steps[3].right);
  EXPECT_FALSE(steps[4].right);
  EXPECT_EQ(steps[5].kind, ScriptStep::Kind::Click);
  EXPECT_EQ(steps[6].kind, ScriptStep::Kind::Move);
  EXPECT_EQ(steps[6].b, 6);
  EXPECT_EQ(steps[7].a, 27);
  EXPECT_EQ(steps[8].file, "out.png");
  EXPECT_EQ(steps[9].kind, ScriptStep::Kind::Return);
  EXPECT_EQ(steps[10].kind, ScriptStep::Kind::DialogShot);
  EXPECT_EQ(steps[10].file, "panel.png");
  EXPECT_EQ(steps[11].kind, ScriptStep::Kind::Hidden);
  EXPECT_EQ(steps[11].file, "cells.txt");
}

TEST(Script, ABadLineIsNamedByItsNumber) {
  const char* bad[] = {"start\nfly 1 2\n", "start\nclick 1\n", "start\nframes -1\n", "start\nclick 1 2 middle\n",
                       "start\nkey 27 28\n", "start\nshot\n", "start\nhidden\n"};
  for (const char* text : bad) {
    try {
      ParseScript(text);
      FAIL() << text;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind("line 2:", 0), 0u) << e.what();
    }
  }
}

TEST(Script, ABoxShotTakesTheRestOfItsLineAsTheText) {
  const auto steps = ParseScript("boxshot box.png\nboxshot given.png ﾌｧｲﾙ /a b/c は開けません  \n");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].kind, ScriptStep::Kind::BoxShot);
  EXPECT_EQ(steps[0].file, "box.png");
  EXPECT_EQ(steps[0].text, "");
  EXPECT_EQ(steps[1].file, "given.png");
  EXPECT_EQ(steps[1].text, "ﾌｧｲﾙ /a b/c は開けません");
  EXPECT_THROW(ParseScript("boxshot\n"), std::runtime_error);
}
