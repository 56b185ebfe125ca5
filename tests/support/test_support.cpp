#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "common/file_io.h"
#include "common/text_codec.h"

namespace picmove::test {

namespace fs = std::filesystem;

namespace {

// Text paths are GBK; std::filesystem wants the platform's own form.
fs::path ToFsPath(const Text& path) {
#ifdef _WIN32
  std::u16string units = AnsiToUtf16(path);
  return fs::path(std::wstring(units.begin(), units.end()));
#else
  return fs::path(AnsiToUtf8(path));
#endif
}

Text FromFsPath(const fs::path& path) {
#ifdef _WIN32
  std::wstring w = path.wstring();
  return Utf16ToAnsi(std::u16string(w.begin(), w.end()));
#else
  return Utf8ToAnsi(path.string());
#endif
}

}  // namespace

Text SourcePath(const std::string& relative) {
  Text out = PICMOVE_SOURCE_DIR + Utf8ToAnsi(relative);
  for (char& c : out) {
    if (c == '/') c = kPathSeparator;
  }
  return out;
}

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path dir = fs::temp_directory_path() /
                 ("picmove-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(dir);
  path_ = FromFsPath(dir) + kPathSeparator;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(ToFsPath(path_), ec);
}

void WriteTestFile(const Text& path, const ByteSet& bytes) {
  std::ofstream out(ToFsPath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write the test file";
}

void WriteTestFile(const Text& path, const std::string& bytes) { WriteTestFile(path, Bytes(bytes)); }

void MakeTestFolder(const Text& path) { fs::create_directories(ToFsPath(path)); }

}  // namespace picmove::test
