#pragma once
// What the fuzz targets share: reading numbers off the front of an input, the
// quiet headless host, and stopping at a broken promise.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "vxtools.h"
#include "vxtools_headless.h"

namespace vxfuzz {

// The fuzzer's bytes, taken from the front; an exhausted input reads zeros.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  // `bytes` bytes, big-endian, as an unsigned number.
  uint64_t number(int bytes);
  // A signed 64-bit number, often one of the extremes.
  int64_t anyint();
  std::vector<uint8_t> rest() const { return {data_ + at_, data_ + size_}; }
  std::string reststring() const { return {data_ + at_, data_ + size_}; }
  size_t remaining() const { return size_ - at_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Installs the headless host on the calling thread (libFuzzer's) once, with
// the diagnostic log neither echoed nor kept.
vx::HeadlessHost& quiethost();

// `run`'s answer; `peak` becomes the most heap, in bytes, that the calling
// thread held on the way beyond what it held before (counted through the
// sanitizer's allocation hooks, installed on first use).
void startheapcount();
int64_t heapcountpeak();
template <class Run>
auto heapmeasured(int64_t& peak, Run run) {
  startheapcount();
  auto answer = run();
  peak = heapcountpeak();
  return answer;
}

// Aborts with `what` when a promise of the code under test does not hold, so
// that libFuzzer keeps the input.
void require(bool holds, const char* what);

}  // namespace vxfuzz
