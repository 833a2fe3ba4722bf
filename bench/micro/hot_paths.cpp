// The per-record work of a list file, without the file system: line reading,
// number parsing and name splitting over a 50,000-record list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "extract/line_reader.h"
#include "extract/number_parse.h"
#include "path/path_split.h"
#include "support/string_source.h"

namespace {

std::string make_list(int records) {
  std::string text = "[BinaryCombineData]\r\ndata.bcd\r\n";
  long offset = 0;
  for (int i = 0; i < records; ++i) {
    int size = 1024 + (i * 7919) % 7168;
    text += "[bg\\m" + std::to_string(i) + ".bin]\r\n" + std::to_string(offset) + "\r\n" +
            std::to_string(size) + "\r\n";
    offset += size;
  }
  return text;
}

const std::string& list_text() {
  static const std::string text = make_list(50000);
  return text;
}

void BM_ReadLines(benchmark::State& state) {
  const std::string& text = list_text();
  for (auto _ : state) {
    bcd::LineReader reader(test_support::string_source(text));
    std::string line;
    std::size_t lines = 0;
    while (reader.next(line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadLines);

void BM_ParseCounts(benchmark::State& state) {
  const char* numbers[] = {"0\n", "1200\n", "  +65535\n", "2147483647\n", "123456789\n"};
  for (auto _ : state) {
    for (const char* n : numbers) benchmark::DoNotOptimize(bcd::parse_count(n));
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_ParseCounts);

void BM_SplitNames(benchmark::State& state) {
  const char* names[] = {"bg\\title.bmp", "voice.ja.txt", "\x95\x5C\x8E\x86.bmp",
                         "C:\\Game\\data.bcd", "a\\b\\c\\d\\e\\f.g.h"};
  for (auto _ : state) {
    for (const char* name : names) {
      benchmark::DoNotOptimize(bcd::path_tail(name));
      benchmark::DoNotOptimize(bcd::path_title(name));
      benchmark::DoNotOptimize(bcd::path_ext(name));
    }
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_SplitNames);

}  // namespace

BENCHMARK_MAIN();
