// An owning pointer to a COM interface: releases it once, copies add a reference.
#pragma once

#include <unknwn.h>

#include <utility>

namespace tagwright::win32 {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  // Takes over a reference the caller already holds.
  static ComPtr adopt(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  void reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // For out-parameters: releases the current pointer first.
  T** put() {
    reset();
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }

  // Queries another interface of the same object; empty when it has none.
  template <typename U>
  ComPtr<U> query(REFIID iid) const {
    ComPtr<U> result;
    if (p_) p_->QueryInterface(iid, result.putVoid());
    return result;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace tagwright::win32
