#include "runtime/platform.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#if defined(__EMSCRIPTEN__)
#include <emscripten/threading.h>
#else
#include <charconv>
#include <sys/syscall.h>
#endif

namespace vx {

#if defined(__EMSCRIPTEN__)

// Without the floating-point to_chars: the fewest significant digits (1 to
// 17, which always suffice) whose decimal form reads back to the same value.
std::string shortestscientific(double value) {
  char buffer[64];
  for (int precision = 0; precision <= 16; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  // printf writes at least two exponent digits ("e+05"); to_chars does not.
  std::string text = buffer;
  const size_t e = text.find('e');
  size_t digits = e + 2;
  while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
  return text;
}

void setplatformthreadname(const std::string&) {}
std::string platformthreadname() { return {}; }
bool onprocessinitialthread() { return emscripten_is_main_runtime_thread(); }

int64_t platformstacksize(int64_t requested) {
  constexpr int64_t LargestStack = int64_t{64} << 20;
  return std::min(requested, LargestStack);
}

#else

std::string shortestscientific(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

void setplatformthreadname(const std::string& name) { pthread_setname_np(pthread_self(), name.c_str()); }

std::string platformthreadname() {
  char buffer[32] = {};
  pthread_getname_np(pthread_self(), buffer, sizeof buffer);
  return buffer;
}

bool onprocessinitialthread() { return syscall(SYS_gettid) == getpid(); }

int64_t platformstacksize(int64_t requested) { return requested; }

#endif

}  // namespace vx
