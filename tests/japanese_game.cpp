#include <gtest/gtest.h>

#include "platform/language/translation.h"

namespace {

// Every test sees the original Japanese game unless it asks for English.
class JapaneseGame : public testing::Environment {
 public:
  void SetUp() override { platform::UseLanguage(platform::Language::Japanese, LUMORA_GAME_DIR "locale"); }
};

const testing::Environment* const kJapaneseGame = testing::AddGlobalTestEnvironment(new JapaneseGame);

}  // namespace
