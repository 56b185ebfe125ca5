#include "intake/package_path.h"

namespace picmove {

PackagePath DerivePackagePath(const Text& chosen, char separator) {
  PackagePath result;
  Text path = chosen;
  if (FindFirst(path, ".") == kNotFound) path += ".csv";
  std::size_t sep = FindLast(path, Text(1, separator));
  result.folder = sep == kNotFound ? Text() : Left(path, sep + 1);
  Text fileName = sep == kNotFound ? path : path.substr(sep + 1);
  std::size_t dot = FindLast(fileName, ".");
  result.baseName = dot == kNotFound ? Text() : Left(fileName, dot);
  result.accepted = !result.baseName.empty();
  if (result.accepted) result.shownPath = path;
  return result;
}

}  // namespace picmove
