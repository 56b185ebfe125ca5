#include <iconv.h>

#include <cstring>

#include "common/cp936.h"

namespace picmove {

namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in` whole; the number of output bytes, or -1.
  int Convert(const char* in, std::size_t inLen, char* out, std::size_t outCap) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    char* dst = out;
    std::size_t left = inLen;
    std::size_t room = outCap;
    if (iconv(cd_, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) || left != 0) return -1;
    return static_cast<int>(outCap - room);
  }

 private:
  iconv_t cd_;
};

// A UTF-16LE unit from the converter's output, if it made exactly one.
bool OneUnit(const char* buf, int n, char16_t* unit) {
  if (n != 2) return false;
  *unit = static_cast<char16_t>(static_cast<unsigned char>(buf[0]) | static_cast<unsigned char>(buf[1]) << 8);
  return true;
}

}  // namespace

bool QueryPlatformCp936(Cp936Mapping* m) {
  Iconv toWide("UTF-16LE", "CP936");
  Iconv fromWide("CP936", "UTF-16LE");
  if (!toWide.ok() || !fromWide.ok()) return false;
  char buf[8];
  char16_t unit = 0;
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    char in = static_cast<char>(b);
    if (OneUnit(buf, toWide.Convert(&in, 1, buf, sizeof buf), &unit)) m->decodeSingle[b] = unit;
  }
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      if (OneUnit(buf, toWide.Convert(in, 2, buf, sizeof buf), &unit)) m->decodeDouble[lead << 8 | trail] = unit;
    }
  }
  for (unsigned cp = 0x80; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    char in[2] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8)};
    int n = fromWide.Convert(in, 2, buf, sizeof buf);
    if (n == 1) {
      m->encode[cp] = static_cast<unsigned char>(buf[0]);
    } else if (n == 2) {
      m->encode[cp] = static_cast<std::uint16_t>(static_cast<unsigned char>(buf[0]) << 8 | static_cast<unsigned char>(buf[1]));
    }
  }
  return true;
}

}  // namespace picmove
