#pragma once
#include "common/file_io.h"
#include "common/text.h"

namespace picmove {

inline constexpr const char* kBadFileNameMessage = "请检查文件名是否正确！";

struct PackagePath {
  bool accepted = false;
  Text shownPath;  // what the path box shows: ".csv" added when the path has no dot; empty when refused
  Text folder;     // kept even when refused
  Text baseName;   // empty when refused
};

// The path rules of a chosen package. A path without any dot gets ".csv"; the
// folder runs to the last separator; the base name drops the last extension.
// A file name that leaves no base name is refused (kBadFileNameMessage).
PackagePath DerivePackagePath(const Text& chosen, char separator = kPathSeparator);

}  // namespace picmove
