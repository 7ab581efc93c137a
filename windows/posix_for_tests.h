// The few POSIX calls the tests make, on the Windows C runtime's own, so the
// test sources build for Windows as they are.
#pragma once
#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <string.h>

inline char* mkdtemp(char* pattern) {
  if (_mktemp_s(pattern, strlen(pattern) + 1) != 0 || _mkdir(pattern) != 0) return nullptr;
  return pattern;
}
inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && getenv(name) != nullptr) return 0;
  return _putenv_s(name, value);
}
// An empty value takes the variable out of the environment.
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }
#endif
