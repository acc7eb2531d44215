#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/configuration.h"
#include "files/file_path.h"
#include "tests/files/bmp_test_support.h"

namespace daub::test {

// Stands in for the process: a working directory of its own, real directories on disk.
class FakeSystem : public ConfigurationSystem {
  public:
    FakeSystem(std::string executable, std::string working)
        : executable_(std::move(executable)), working_(std::move(working)) {}
    std::string ExecutablePath() const override { return executable_; }
    std::string WorkingDirectory() const override { return working_; }
    bool ChangeWorkingDirectory(const std::string& directory) override {
        changes.push_back(directory);
        std::error_code ec;
        if (!std::filesystem::is_directory(PathFromUtf8(directory), ec)) return false;
        working_ = directory;
        return true;
    }
    bool MakeDirectory(const std::string& directory) override {
        made.push_back(directory);
        return StandardConfigurationSystem(executable_).MakeDirectory(directory);
    }

    std::vector<std::string> changes;
    std::vector<std::string> made;

  private:
    std::string executable_;
    std::string working_;
};

// The executable and the start directory apart, both with Japanese names and a blank.
struct Installation {
    TempDir root;
    std::string programDir = root.File("ペイント ツール");
    std::string startDir = root.File("開始 フォルダ");
    FakeSystem system{programDir + "/Daubix.exe", startDir};

    Installation() {
        std::filesystem::create_directories(PathFromUtf8(programDir));
        std::filesystem::create_directories(PathFromUtf8(startDir));
    }
    std::string StartFile() const { return startDir + "/Daubix.ini"; }
    std::string ProgramFile() const { return programDir + "/Daubix.ini"; }
};

}  // namespace daub::test
