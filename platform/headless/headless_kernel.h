#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace daub {

// The named objects and the clipboard of one machine, shared by every headless "process" of
// a test. A named mutex lives while any handle to it is open, as on Windows.
class HeadlessKernel {
  public:
    // Handle ids are never reused, so a stale handle cannot reach a newer mutex.
    int OpenNamed(const std::string& name);  // 0 when no mutex has the name
    int CreateNamed(const std::string& name, bool& alreadyExisted);
    bool Close(int handle);

    bool MutexExists(const std::string& name) const;
    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

    // Runs right after each OpenNamed, before its caller goes on: lets a test put another
    // process's move into that gap.
    std::function<void(const std::string& name)> afterOpenMutex;

    // The clipboard is the machine's: what one process puts there another can take.
    std::optional<Platform::ClipboardPicture> clipboard;

  private:
    int NewHandle(const std::string& name);

    std::map<int, std::string> handles_;  // open handle -> mutex name
    std::map<std::string, int> openCount_;
    int nextHandle_ = 1;
};

}  // namespace daub
