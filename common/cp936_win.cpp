#include <windows.h>

#include "common/cp936.h"

namespace picmove {

bool QueryPlatformCp936(Cp936Mapping* m) {
  const UINT kCp = 936;
  if (!IsValidCodePage(kCp)) return false;
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    char in = static_cast<char>(b);
    wchar_t w = 0;
    if (MultiByteToWideChar(kCp, MB_ERR_INVALID_CHARS, &in, 1, &w, 1) == 1) m->decodeSingle[b] = w;
  }
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t w = 0;
      if (MultiByteToWideChar(kCp, MB_ERR_INVALID_CHARS, in, 2, &w, 1) == 1) {
        m->decodeDouble[lead << 8 | trail] = w;
      }
    }
  }
  for (unsigned cp = 0x80; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    wchar_t w = static_cast<wchar_t>(cp);
    char out[2];
    BOOL usedDefault = FALSE;
    // Without WC_NO_BEST_FIT_CHARS a missing character would come back as a
    // look-alike and be taken for a real mapping.
    int n = WideCharToMultiByte(kCp, WC_NO_BEST_FIT_CHARS, &w, 1, out, 2, nullptr, &usedDefault);
    if (usedDefault || n <= 0) continue;
    unsigned b0 = static_cast<unsigned char>(out[0]);
    m->encode[cp] = static_cast<std::uint16_t>(n == 1 ? b0 : (b0 << 8 | static_cast<unsigned char>(out[1])));
  }
  return true;
}

}  // namespace picmove
