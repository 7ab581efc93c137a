#include <iconv.h>

#include <cstring>

// The game names its text's code page CP932, as glibc calls it; the page's C
// library knows the same table only as Shift_JIS. The link sends every
// iconv_open here (-Wl,--wrap=iconv_open).
extern "C" iconv_t __real_iconv_open(const char* to, const char* from);

extern "C" iconv_t __wrap_iconv_open(const char* to, const char* from) {
  auto name = [](const char* charset) { return std::strcmp(charset, "CP932") == 0 ? "SHIFT_JIS" : charset; };
  return __real_iconv_open(name(to), name(from));
}
