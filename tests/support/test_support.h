#pragma once
#include <string>

#include "common/bytes.h"
#include "common/text.h"

namespace picmove::test {

// The source tree, ending in a separator, as the program under test sees it.
Text SourcePath(const std::string& relative);

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder, ending in a separator.
  const Text& path() const { return path_; }

 private:
  Text path_;
};

void WriteTestFile(const Text& path, const ByteSet& bytes);
void WriteTestFile(const Text& path, const std::string& bytes);
void MakeTestFolder(const Text& path);

inline ByteSet Bytes(const std::string& s) { return ByteSet(s.begin(), s.end()); }

}  // namespace picmove::test
