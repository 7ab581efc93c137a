#include <unistd.h>

#include <climits>

#include "platform/application.h"

namespace platform {

std::string RunningExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./lumora";
  return std::string(buffer, static_cast<size_t>(n));
}

}  // namespace platform
