#include "platform/headless/headless_kernel.h"

namespace daub {

int HeadlessKernel::OpenNamed(const std::string& name) {
    const int handle = MutexExists(name) ? NewHandle(name) : 0;
    if (afterOpenMutex) afterOpenMutex(name);
    return handle;
}

int HeadlessKernel::CreateNamed(const std::string& name, bool& alreadyExisted) {
    alreadyExisted = MutexExists(name);
    return NewHandle(name);
}

bool HeadlessKernel::Close(int handle) {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return false;
    if (--openCount_[it->second] == 0) openCount_.erase(it->second);
    handles_.erase(it);
    return true;
}

bool HeadlessKernel::MutexExists(const std::string& name) const {
    return openCount_.count(name) != 0;
}

int HeadlessKernel::NewHandle(const std::string& name) {
    const int handle = nextHandle_++;
    handles_[handle] = name;
    ++openCount_[name];
    return handle;
}

}  // namespace daub
