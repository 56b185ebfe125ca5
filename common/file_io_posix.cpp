#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/file_io.h"
#include "common/text_codec.h"

namespace picmove {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

bool Fail(Text* err, int code) {
  if (err) *err = Utf8ToAnsi(std::strerror(code));
  return false;
}

}  // namespace

bool ReadWholeFile(const Text& path, ByteSet* out, Text* err) {
  out->clear();
  Fd fd(open(AnsiToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return Fail(err, errno);
  struct stat st;
  if (fstat(fd.get(), &st) != 0) return Fail(err, errno);
  if (S_ISDIR(st.st_mode)) return Fail(err, EISDIR);
  ByteSet data;
  data.reserve(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0);
  unsigned char buf[1 << 16];
  for (;;) {
    ssize_t got = read(fd.get(), buf, sizeof buf);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Fail(err, errno);
    }
    if (got == 0) break;
    data.insert(data.end(), buf, buf + got);
  }
  *out = std::move(data);
  return true;
}

bool PathExists(const Text& path) {
  struct stat st;
  return stat(AnsiToUtf8(path).c_str(), &st) == 0;
}

Text ProgramFolder() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return Text();
  std::string path(buf, static_cast<std::size_t>(n));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? Text() : Utf8ToAnsi(path.substr(0, slash + 1));
}

}  // namespace picmove
