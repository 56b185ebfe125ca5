#pragma once
// The system's WebBrowser control embedded in a window of ours, through a
// small OLE container: client site, in-place site and frame.
#include <windows.h>

#include <memory>

#include "common/text.h"

namespace picmove {

class WebBrowserHost {
 public:
  WebBrowserHost();
  ~WebBrowserHost();
  WebBrowserHost(const WebBrowserHost&) = delete;
  WebBrowserHost& operator=(const WebBrowserHost&) = delete;

  // Embeds the control over the whole of `area`, following its size. False
  // where the system cannot make one: the area then stays empty.
  bool Create(HWND area);
  bool created() const;
  // Asks the control to show `address`; what a page that cannot load looks
  // like is the control's own business.
  void Navigate(const Text& address);
  // The address the control is showing or loading; empty without a control.
  Text LocationUrl() const;

 private:
  class Site;
  Site* site_ = nullptr;  // COM reference counted; we hold one
};

}  // namespace picmove
