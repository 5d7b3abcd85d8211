// How long the work behind one OK press takes: reading the date, composing
// the report, the table lookups it rests on, and as a floor the plain
// copying of the bytes one report reads and writes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "date/birth_date.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/embedded_tables.h"
#include "tables/text_table.h"

namespace {

void ParseDefaultDate(benchmark::State& state) {
  BirthDate date;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDateText("27. Oktoober 1980", &date));
  }
}
BENCHMARK(ParseDefaultDate);

void ComposeDefaultReport(benchmark::State& state) {
  for (auto _ : state) {
    ComposeReport({27, 10, 1980});
    benchmark::DoNotOptimize(ReportText);
  }
  state.counters["bytes"] = static_cast<double>(std::strlen(ReportText));
}
BENCHMARK(ComposeDefaultReport);

void ComposeSpreadOfDates(benchmark::State& state) {
  std::vector<BirthDate> dates;
  for (int i = 0; i < 372; ++i) dates.push_back({1 + i % 31, 1 + i / 31, 1850 + 7 * i});
  size_t next = 0;
  for (auto _ : state) {
    ComposeReport(dates[next]);
    benchmark::DoNotOptimize(ReportText);
    next = (next + 1) % dates.size();
  }
}
BENCHMARK(ComposeSpreadOfDates);

int LargestTableId() {
  const EmbeddedTable* largest = &kEmbeddedTables[0];
  for (int i = 1; i < kEmbeddedTableCount; ++i) {
    if (kEmbeddedTables[i].size > largest->size) largest = &kEmbeddedTables[i];
  }
  return largest->id;
}

void LoadLargestTable(benchmark::State& state) {
  int id = LargestTableId();
  for (auto _ : state) {
    LoadTextTable(TableText, kTextBufferSize, id);
    benchmark::DoNotOptimize(TableText);
  }
  state.SetLabel("table " + std::to_string(id));
}
BENCHMARK(LoadLargestTable);

void LookUpLastRowOfLargestTable(benchmark::State& state) {
  int id = LargestTableId();
  LoadTextTable(TableText, kTextBufferSize, id);
  // The last row is the worst case of a scan from the start.
  const char* last = std::strrchr(TableText, '\n');
  while (last > TableText && last[-2] != '\n') --last;
  char key[16] = "\r\n";
  std::strncat(key, last - 1, 4);
  for (auto _ : state) {
    LineAfterKey(ScratchLine, kTextBufferSize, TableText, key, " ");
    benchmark::DoNotOptimize(ScratchLine);
  }
}
BENCHMARK(LookUpLastRowOfLargestTable);

// The floor: copying every table once and appending a report's worth of
// bytes, without any searching.
void CopyBytesOfOneReport(benchmark::State& state) {
  ComposeReport({27, 10, 1980});
  std::vector<char> report(ReportText, ReportText + std::strlen(ReportText) + 1);
  for (auto _ : state) {
    for (int i = 0; i < kEmbeddedTableCount; ++i) {
      std::memcpy(TableText, kEmbeddedTables[i].bytes,
                  static_cast<size_t>(kEmbeddedTables[i].size));
    }
    std::memcpy(ReportText, report.data(), report.size());
    benchmark::DoNotOptimize(ReportText);
  }
}
BENCHMARK(CopyBytesOfOneReport);

}  // namespace

BENCHMARK_MAIN();
