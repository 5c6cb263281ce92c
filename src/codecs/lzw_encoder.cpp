// The encoder: one pass over the input, extending the current string while the
// dictionary knows it and emitting its code when it does not.
#include <algorithm>
#include <bit>
#include <chrono>
#include <string>

#include "codecs/lzw.h"
#include "codecs/lzw_dictionary.h"
#include "codecs/lzw_internal.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

namespace vx {
namespace {

// Progress is looked at once per this many input bytes.
constexpr size_t ProgressStep = 0x80000;
// How many bytes ahead strings are prefetched: far enough for a slot to come
// from memory while the bytes before are encoded.
constexpr size_t LookAhead = 12;
// How many bytes ahead a long string's coming slots are prefetched.
constexpr size_t ExtendAhead = 4;

class ProgressReport {
 public:
  explicit ProgressReport(size_t length) : length_(length), last_(Clock::now()) {}

  // Called before the byte at `position` is read, at multiples of ProgressStep.
  void at(size_t position) {
    const auto now = Clock::now();
    if (now - last_ <= std::chrono::milliseconds(1000)) return;
    last_ = now;
    const auto percent = static_cast<int64_t>(static_cast<double>(position) /
                                              static_cast<double>(length_) * 100.0);
    log("texttolzwunpacked: " + std::to_string(percent) + "% of " +
        inttostring(static_cast<int64_t>(length_), 32, 1, true) + " Bytes.");
  }

 private:
  using Clock = std::chrono::steady_clock;
  size_t length_;
  Clock::time_point last_;
};

// Whether the start of the data holds many different three-byte strings, as
// data that hardly compresses does: only then does the triple table repay
// the memory it takes.
bool manytriples(const std::vector<uint8_t>& data) {
  constexpr size_t Sample = size_t{1} << 16;
  std::vector<uint64_t> seen(Sample / 64, 0);  // a bit per hashed string
  size_t distinct = 0;
  const size_t end = std::min(data.size(), Sample);
  for (size_t i = 0; i + 2 < end; ++i) {
    const uint32_t bytes = (uint32_t{data[i]} << 16) | (uint32_t{data[i + 1]} << 8) | data[i + 2];
    const uint32_t bit = (bytes * 2654435761u) >> 16;
    uint64_t& word = seen[bit / 64];
    const uint64_t mask = uint64_t{1} << (bit % 64);
    if ((word & mask) == 0) ++distinct;
    word |= mask;
  }
  return distinct > Sample / 8;
}

template <typename Slots, typename Code>
class Encoder {
 public:
  Encoder(const std::vector<uint8_t>& data, std::vector<Code>& codes)
      : data_(data),
        codes_(codes),
        dictionary_(Slots::TripleTable && data.size() >= lzwdetail::TripleTableInput &&
                    manytriples(data)),
        directlength_(dictionary_.hastriples() ? 3 : 2) {
    // Pages of the reserve that are never used are never touched either.
    codes_.reserve(data.size() / 2 + 16);
  }

  // Answers the code width.
  int64_t run() {
    const size_t length = data_.size();
    ProgressReport progress(length);
    progress.at(0);
    startstring(0);
    size_t position = 1;
    while (position < length) {
      if (position % ProgressStep == 0) progress.at(position);
      const size_t stop = std::min(length, (position / ProgressStep + 1) * ProgressStep);
      // While the tables fit the caches, prefetching costs more than it saves.
      // Short of the end the look-ahead has to stop.
      if (dictionary_.outgrowscaches()) {
        const size_t fast = std::min(stop, length > LookAhead + 4 ? length - LookAhead - 4 : 0);
        // The three bytes from LookAhead on, shifted along byte by byte.
        uint32_t ahead = position < fast ? threebytes(position + LookAhead - 1) : 0;
        for (; position < fast; ++position) {
          ahead = ((ahead << 8) | data_[position + LookAhead + 2]) & 0xFFFFFF;
          lookahead(position, ahead);
          step(position);
        }
      }
      while (position < stop) {
        if (length_ >= directlength_) {
          position = extend(position, stop);
        } else {
          step(position);
          ++position;
        }
      }
    }
    emit(current_);
    return std::max<int64_t>(8, std::bit_width(largest_));
  }

 private:
  // The string's hash is needed only once it is too long for the direct
  // tables, and is made from its bytes then.
  VX_LZW_PER_BYTE void startstring(size_t position) {
    current_ = data_[position];
    length_ = 1;
  }

  uint64_t hashofbytes(size_t first, size_t count) const {
    uint64_t hash = lzwdetail::EmptyStringHash;
    for (size_t i = 0; i < count; ++i) hash = lzwdetail::stringhash(hash, data_[first + i]);
    return hash;
  }

  uint32_t threebytes(size_t first) const {
    return (uint32_t{data_[first]} << 16) | (uint32_t{data_[first + 1]} << 8) | data_[first + 2];
  }

  // Prefetches what coming look-ups may need: the current string grown by
  // this byte and the next, and, since any byte ahead may begin a string, the
  // shortest string not looked up directly that begins a few bytes ahead.
  // Not more: each prefetch that misses the caches holds a line buffer.
  VX_LZW_PER_BYTE void lookahead(size_t position, uint32_t ahead) {
    if (length_ >= directlength_)
      dictionary_.prefetchlonger(lzwdetail::stringhash(
          lzwdetail::stringhash(hash_, data_[position]), data_[position + 1]));
    if (dictionary_.hastriples()) {
      dictionary_.prefetchtriple(ahead);
    } else {
      dictionary_.prefetchlonger(hashofbytes(position + LookAhead, 3));
    }
  }

  // Grows a string that is too long for the direct tables as far as the
  // dictionary knows it, in a loop of its own (on compressible data most
  // bytes pass here); answers where it stopped.
  VX_LZW_PER_BYTE size_t extend(size_t position, size_t stop) {
    uint64_t current = current_;
    uint64_t hash = hash_;
    // The hash of the string as it will be ExtendAhead bytes on, should it
    // go on: its slot is asked for early.
    const size_t ahead = std::min(stop, data_.size() > ExtendAhead ? data_.size() - ExtendAhead : 0);
    uint64_t future = hash;
    for (size_t i = 0; i < ExtendAhead && position + i < ahead; ++i)
      future = lzwdetail::stringhash(future, data_[position + i]);
    for (; position < stop; ++position) {
      if (position < ahead) {
        future = lzwdetail::stringhash(future, data_[position + ExtendAhead]);
        dictionary_.prefetchlonger(future);
      }
      const uint8_t byte = data_[position];
      const uint64_t longerhash = lzwdetail::stringhash(hash, byte);
      const uint64_t known = dictionary_.longer(current, byte, longerhash, nextcode_);
      if (known == 0) {
        emit(current);
        ++nextcode_;
        startstring(position);
        return position + 1;
      }
      current = known;
      hash = longerhash;
    }
    current_ = current;
    hash_ = hash;
    return position;
  }

  VX_LZW_PER_BYTE void step(size_t position) {
    const uint8_t byte = data_[position];
    if (length_ >= directlength_) {
      const uint64_t longerhash = lzwdetail::stringhash(hash_, byte);
      const uint64_t known = dictionary_.longer(current_, byte, longerhash, nextcode_);
      if (known != 0) {
        current_ = known;
        hash_ = longerhash;
        return;  // the length counts no further than the direct tables
      }
    } else {
      const uint64_t known =
          length_ == 1 ? dictionary_.pair(static_cast<uint8_t>(current_), byte, nextcode_)
                       : dictionary_.triple((pairbytes_ << 8) | byte, nextcode_);
      if (known != 0) {
        if (length_ == 1) pairbytes_ = static_cast<uint32_t>((current_ << 8) | byte);
        current_ = known;
        if (++length_ == directlength_) hash_ = hashofbytes(position + 1 - length_, length_);
        return;
      }
    }
    emit(current_);
    ++nextcode_;
    startstring(position);
  }

  VX_LZW_PER_BYTE void emit(uint64_t code) {
    codes_.push_back(static_cast<Code>(code));
    largest_ = std::max(largest_, code);
  }

  const std::vector<uint8_t>& data_;
  std::vector<Code>& codes_;
  lzwdetail::Dictionary<Slots> dictionary_;
  const size_t directlength_;  // the longest strings looked up directly
  uint64_t current_ = 0;  // the code of the string being extended
  uint64_t hash_ = 0;     // the hash of its bytes
  size_t length_ = 0;     // its length, counted up to directlength_
  uint32_t pairbytes_ = 0;  // its bytes while it has two
  uint64_t nextcode_ = 256;
  uint64_t largest_ = 0;
};

}  // namespace

namespace lzwdetail {

template <typename Code>
int64_t encodeinto(const std::vector<uint8_t>& data, std::vector<Code>& codes) {
  if (data.empty()) return 8;
  if (data.size() < PackedInputLimit) return Encoder<PackedSlots, Code>(data, codes).run();
  return Encoder<WideSlots, Code>(data, codes).run();
}

int64_t encodeshort(const std::vector<uint8_t>& data, std::vector<uint32_t>& codes) {
  return encodeinto(data, codes);
}

}  // namespace lzwdetail

LZWCodes texttolzwunpacked(const std::vector<uint8_t>& data) {
  LZWCodes result;
  result.Width = lzwdetail::encodeinto(data, result.Codes);
  return result;
}

}  // namespace vx
