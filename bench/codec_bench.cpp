// Encoding throughput of the codecs on a packed star picture and on random
// bytes. "--write-inputs DIR" instead writes the two inputs to DIR/star.bin
// and DIR/random.bin, for timing other programs on the very same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "bench_inputs.h"
#include "codecs/lzw.h"
#include "codecs/run_length.h"
#include "runtime/log.h"

namespace {

using Input = const std::vector<uint8_t>& (*)();
using Encoder = std::vector<uint8_t> (*)(const std::vector<uint8_t>&);

// Whole elements only: an input that does not divide would be returned as it is.
std::vector<uint8_t> wholeelements(const std::vector<uint8_t>& data, size_t width) {
  return std::vector<uint8_t>(data.begin(), data.end() - static_cast<long>(data.size() % width));
}

void encode(benchmark::State& state, Input input, Encoder encoder, size_t width) {
  const std::vector<uint8_t> data = wholeelements(input(), width);
  size_t encoded = 0;
  for (auto _ : state) {
    const std::vector<uint8_t> out = encoder(data);
    encoded = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
  state.counters["ratio"] = static_cast<double>(encoded) / static_cast<double>(data.size());
}

void registerall() {
  const struct {
    const char* name;
    Input input;
  } inputs[] = {{"star", vxbench::packedstar}, {"random", vxbench::randombytes}};
  const struct {
    const char* name;
    Encoder encoder;
    size_t width;
  } encoders[] = {{"lzw", vx::texttolzwstored, 1},  {"rle8", vx::binary8torle, 1},
                  {"rle16", vx::binary16torle, 2}, {"rle24", vx::binary24torle, 3},
                  {"rle32", vx::binary32torle, 4}};
  for (const auto& e : encoders)
    for (const auto& i : inputs)
      benchmark::RegisterBenchmark((std::string(e.name) + "/" + i.name).c_str(), encode, i.input,
                                   e.encoder, e.width)
          ->Unit(benchmark::kMillisecond);
}

bool writefile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-inputs") == 0) {
    const std::string folder = argv[2];
    if (writefile(folder + "/star.bin", vxbench::packedstar()) &&
        writefile(folder + "/random.bin", vxbench::randombytes()))
      return 0;
    std::cerr << "vxtools_bench: cannot write the inputs to " << folder << "\n";
    return 1;
  }
  vx::setlogechoed(false);  // the wide encoders report every call
  registerall();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
