# libFuzzer targets; built with clang by the "fuzz" preset.
foreach(target date lookup format)
  add_executable(${target}_fuzzer fuzz/${target}_fuzzer.cpp)
  target_link_libraries(${target}_fuzzer PRIVATE ombrix_report)
  target_link_options(${target}_fuzzer PRIVATE -fsanitize=fuzzer)
endforeach()
