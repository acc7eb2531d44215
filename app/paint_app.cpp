#include "app/paint_app.h"

#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {

PaintApp::PaintApp(Platform& platform, ConfigurationSystem& system, int showCommand)
    : platform_(platform), system_(system), showCommand_(showCommand) {}

PaintApp::~PaintApp() {
    ExitInstance();
}

bool PaintApp::InitInstance() {
    if (!ClaimSingleInstance()) return false;
    mainWindow_ = std::make_unique<TDaubWindow>(platform_, system_);
    platform_.ShowNativeWindow(mainWindow_->Handle(), showCommand_);
    platform_.UpdateNativeWindow(mainWindow_->Handle());
    return true;
}

void PaintApp::ExitInstance() {
    if (mutex_) {
        platform_.ReleaseNamedMutex(mutex_);
        platform_.CloseMutexHandle(mutex_);
        mutex_ = {};
    }
    mainWindow_.reset();
}

int PaintApp::Run() {
    if (!InitInstance()) return 0;
    const int exitCode = platform_.RunMessageLoop();
    ExitInstance();
    return exitCode;
}

// Opening first tells the common case cheaply; creating then reports whether another copy
// made the mutex in between, so two copies started together cannot both run.
bool PaintApp::ClaimSingleInstance() {
    if (MutexHandle other = platform_.OpenNamedMutex(kMutexName)) {
        RefuseSecondInstance(other);
        return false;
    }
    const CreatedMutex created = platform_.CreateNamedMutex(kMutexName);
    if (created.alreadyExisted) {
        RefuseSecondInstance(created.handle);
        return false;
    }
    mutex_ = created.handle;
    return true;
}

void PaintApp::RefuseSecondInstance(MutexHandle other) {
    platform_.ShowMessageBox({}, "二重起動はできません", "エラー", mb::kOk);
    platform_.CloseMutexHandle(other);
}

}  // namespace daub
