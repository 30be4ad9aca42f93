// The process-wide instance of a platform service: the one a host or a test installed (not
// owned), else the default that `kMakeDefault` returns, made on first use and kept for the life
// of the process.
#pragma once

template <typename Service, typename Default, auto kMakeDefault = [] { return Default(); }>
class InstalledService {
 public:
  static Service& Get() { return s_installed ? *s_installed : Fallback(); }
  // Null restores the default.
  static void Install(Service* service) { s_installed = service; }

 private:
  static Service& Fallback() {
    static Default instance = kMakeDefault();
    return instance;
  }

  static inline Service* s_installed = nullptr;
};
