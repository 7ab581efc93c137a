#include "platform/language/lettering.h"

#include "platform/language/translation.h"

namespace platform {

int32_t ProportionalHalfWidth(int32_t height) { return CurrentLanguage() == Language::English ? height : 0; }

}  // namespace platform
