#include <windows.h>

#include <string>

#include "common/file_io.h"
#include "common/text_codec.h"

namespace picmove {

namespace {

std::wstring WidePath(const Text& path) {
  std::u16string units = AnsiToUtf16(path);
  return std::wstring(units.begin(), units.end());
}

Text ErrorText(DWORD code) { return "错误代码 " + std::to_string(code); }

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (valid()) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

}  // namespace

bool ReadWholeFile(const Text& path, ByteSet* out, Text* err) {
  out->clear();
  // FILE_SHARE_WRITE too: a spreadsheet that has the package open must not
  // keep us from reading it.
  FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    if (err) *err = ErrorText(GetLastError());
    return false;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) {
    if (err) *err = "文件太大或无法读取";
    return false;
  }
  ByteSet data(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < data.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), data.data() + done, static_cast<DWORD>(data.size() - done), &got, nullptr)) {
      if (err) *err = ErrorText(GetLastError());
      return false;
    }
    if (got == 0) break;  // shrank while we read
    done += got;
  }
  data.resize(done);
  *out = std::move(data);
  return true;
}

bool PathExists(const Text& path) { return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

Text ProgramFolder() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &buf[0], static_cast<DWORD>(buf.size()));
    if (n == 0) return Text();
    if (n < buf.size()) {
      buf.resize(n);
      break;
    }
    buf.resize(buf.size() * 2);
  }
  Text path = Utf16ToAnsi(std::u16string(buf.begin(), buf.end()));
  std::size_t slash = FindLast(path, "\\");
  return slash == kNotFound ? Text() : Left(path, slash + 1);
}

}  // namespace picmove
