#include "platform/language/language_choice.h"

namespace platform {

// The locale's variables are all a POSIX system has to say.
std::optional<Language> SystemLanguage() { return std::nullopt; }

}  // namespace platform
