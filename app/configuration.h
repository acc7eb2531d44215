#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace daub {

// Everything Daubix.ini keeps between runs. Other installations hold these files, written in
// code page 932; the layout stays theirs:
//   work directory
//   <undo depth>//Undoの回数
//   <layer count>//レイヤーの数      (the slot count less 7)
//   <n>, then n recent bitmap paths, newest first
//   <m>, then m recent layer definition file paths
struct Configuration {
    static constexpr int kDefaultUndoDepth = 20;
    static constexpr int kDefaultLayerCount = 13;
    // More would only make every per-slot array huge; nobody stacks a thousand layers.
    static constexpr int kMaxLayerCount = 1000;
    // Line 3 holds the slot count less this: the five work slots, the first layer slot and
    // the last slot, which is never a layer.
    static constexpr int kSlotsBeyondLayerCount = 7;
    static constexpr std::size_t kMaxRecentFiles = 4;

    std::string workDirectory;  // where undo snapshots go; ends with a path separator
    int undoDepth = kDefaultUndoDepth;
    int slotCount = kDefaultLayerCount + kSlotsBeyondLayerCount;
    std::vector<std::string> recentBitmaps;     // newest first
    std::vector<std::string> recentLayerFiles;  // newest first

    int LayerCount() const { return slotCount - kSlotsBeyondLayerCount; }
    bool operator==(const Configuration&) const = default;
};

inline constexpr std::string_view kConfigurationFileName = "Daubix.ini";

// The values in a configuration file's bytes (UTF-8 or code page 932). A value the file lacks
// keeps its default; an undo depth below 1 or a negative layer count falls back to the
// default, a larger layer count than kMaxLayerCount is cut to it. The work directory is the
// whole first line without surrounding blanks, with a separator added when it has none; it
// stays empty when the line is blank or holds a NUL. A recent entry holding a NUL is dropped.
Configuration ParseConfiguration(std::string_view bytes);

// The bytes of the file, as EncodeTextFile writes text (code page 932 when every character
// fits), with CR LF line ends. At most kMaxRecentFiles entries per list are written (a reader
// ignores a longer list whole), and none that holds a line break or a NUL.
std::string FormatConfiguration(const Configuration& config);

// The few things of the operating system the configuration needs, so that tests can stand in.
// Paths are UTF-8.
class ConfigurationSystem {
  public:
    virtual ~ConfigurationSystem() = default;
    // Full path of the running executable.
    virtual std::string ExecutablePath() const = 0;
    // The directory a relative file name is found in.
    virtual std::string WorkingDirectory() const = 0;
    virtual bool ChangeWorkingDirectory(const std::string& directory) = 0;
    // Creates the directory (and missing parents); true when it exists afterwards.
    virtual bool MakeDirectory(const std::string& directory) = 0;
};

// The real one: std::filesystem for the directories, the executable's path handed in by the
// platform.
class StandardConfigurationSystem final : public ConfigurationSystem {
  public:
    explicit StandardConfigurationSystem(std::string executablePath);
    std::string ExecutablePath() const override { return executablePath_; }
    std::string WorkingDirectory() const override;
    bool ChangeWorkingDirectory(const std::string& directory) override;
    bool MakeDirectory(const std::string& directory) override;

  private:
    std::string executablePath_;
};

// "Temp" and a separator in the executable's directory: the work directory of a first start.
std::string DefaultWorkDirectory(const std::string& executablePath);

// The executable's path with its extension replaced by "ini": where the file is written.
std::string ConfigurationPathBeside(const std::string& executablePath);

// At start, before the layer stack is built. Reads Daubix.ini from the working directory and
// then makes the work directory the working directory (creating it when that fails). Without a
// readable file: the defaults with the Temp directory beside the executable, which is created,
// and, when no file is there at all, a default file written in the working directory.
Configuration ReadConfiguration(ConfigurationSystem& system);

// At a confirmed close: writes the file beside the executable, whatever directory it was read
// from. A failed write leaves any earlier file intact and returns false.
bool WriteConfiguration(const Configuration& config, const ConfigurationSystem& system);

}  // namespace daub
