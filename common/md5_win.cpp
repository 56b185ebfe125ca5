#include <windows.h>
#include <bcrypt.h>

#include "common/md5.h"

namespace picmove {

namespace {

// Owns a CNG algorithm provider.
class AlgorithmHandle {
 public:
  AlgorithmHandle() {
    if (BCryptOpenAlgorithmProvider(&h_, BCRYPT_MD5_ALGORITHM, nullptr, 0) < 0) h_ = nullptr;
  }
  ~AlgorithmHandle() {
    if (h_) BCryptCloseAlgorithmProvider(h_, 0);
  }
  AlgorithmHandle(const AlgorithmHandle&) = delete;
  AlgorithmHandle& operator=(const AlgorithmHandle&) = delete;
  BCRYPT_ALG_HANDLE get() const { return h_; }

 private:
  BCRYPT_ALG_HANDLE h_ = nullptr;
};

class HashHandle {
 public:
  explicit HashHandle(BCRYPT_ALG_HANDLE alg) {
    if (BCryptCreateHash(alg, &h_, nullptr, 0, nullptr, 0, 0) < 0) h_ = nullptr;
  }
  ~HashHandle() {
    if (h_) BCryptDestroyHash(h_);
  }
  HashHandle(const HashHandle&) = delete;
  HashHandle& operator=(const HashHandle&) = delete;
  BCRYPT_HASH_HANDLE get() const { return h_; }

 private:
  BCRYPT_HASH_HANDLE h_ = nullptr;
};

}  // namespace

bool Md5(const void* data, std::size_t size, Md5Digest* digest) {
  digest->fill(0);
  AlgorithmHandle alg;
  if (!alg.get()) return false;
  HashHandle hash(alg.get());
  if (!hash.get()) return false;
  // BCryptHashData takes a non-const buffer although it only reads it.
  auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
  if (size != 0 && BCryptHashData(hash.get(), bytes, static_cast<ULONG>(size), 0) < 0) return false;
  return BCryptFinishHash(hash.get(), digest->data(), static_cast<ULONG>(digest->size()), 0) >= 0;
}

}  // namespace picmove
