#pragma once
// Files named by Text paths. On Windows the path goes to the wide API through
// code page 936, so a GBK path works whatever the system's code page; natively
// it goes to the file system as UTF-8.
#include <string>

#include "common/bytes.h"
#include "common/text.h"

namespace picmove {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Reads the whole file. On failure `out` is empty and `err`, if given, says why.
bool ReadWholeFile(const Text& path, ByteSet* out, Text* err);

// Whether anything (file or folder) is there under that name.
bool PathExists(const Text& path);

// The folder of the running program, ending in a separator.
Text ProgramFolder();

}  // namespace picmove
