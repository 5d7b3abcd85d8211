// Reading and writing a whole file's bytes in a test.
#ifndef OMBRIX_TESTS_FILE_BYTES_H
#define OMBRIX_TESTS_FILE_BYTES_H

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The file's bytes, or "(no file)".
inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "(no file)";
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

#endif
