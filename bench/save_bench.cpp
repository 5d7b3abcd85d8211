// How long saving 10 M characters takes, on the layer's own steps: the text
// entering a control (what the code page lacks becoming "?"), read back in
// code page 1257 twice (GetWindowTextLengthA, then GetDlgItemTextA) and
// written over an existing file. Estonian text, Cyrillic, and a mix with
// quotes, dashes and emoji.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QString>
#include <cstdlib>
#include <string>

#include "platform/qt/text_conversion.h"
#include "platform/replace_file.h"

namespace {

constexpr int kCharacters = 10'000'000;

QString Repeated(const QString& line) {
  QString text;
  text.reserve(kCharacters + line.size());
  while (text.size() < kCharacters) text += line;
  text.truncate(kCharacters);
  return text;
}

void Save(benchmark::State& state, const QString& line) {
  const QString typed = Repeated(line);
  char folder[] = "/tmp/ombrix-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) state.SkipWithError("no scratch folder");
  const std::string path = std::string(folder) + "/aruanne.txt";
  size_t bytes = 0;
  for (auto _ : state) {
    QString held = LimitedToCodePage(typed);
    bytes = ToCodePage(held).size();  // GetWindowTextLengthA
    std::string text = ToCodePage(held);
    if (!ReplaceFileContents(path.c_str(), text.data(), text.size())) {
      state.SkipWithError("the save failed");
    }
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  unlink(path.c_str());
  rmdir(folder);
}

void Estonian(benchmark::State& state) {
  Save(state, QStringLiteral("Õhtul sõitsid šoför ja Žanna mööda jõge, äike müristas.\n"));
}
BENCHMARK(Estonian)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void Cyrillic(benchmark::State& state) {
  Save(state, QStringLiteral("Документы и отчёты сохраняются в папке пользователя.\n"));
}
BENCHMARK(Cyrillic)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void Mixed(benchmark::State& state) {
  Save(state, QStringLiteral("Õhtul sõitsid Документы 😀 šoför, „jutt“ – ära.\n"));
}
BENCHMARK(Mixed)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
