#include <openssl/evp.h>

#include <memory>

#include "common/md5.h"

namespace picmove {

bool Md5(const void* data, std::size_t size, Md5Digest* digest) {
  digest->fill(0);
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
  unsigned int len = 0;
  return ctx && EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) == 1 &&
         EVP_DigestUpdate(ctx.get(), data, size) == 1 &&
         EVP_DigestFinal_ex(ctx.get(), digest->data(), &len) == 1 && len == digest->size();
}

}  // namespace picmove
