// The resources of Daubix.exe as the resource compiler leaves them: the build compiles
// daubix.rc to a .res file with the same compiler and code page as the Windows build, and
// these tests read it back. What they check is what Windows will load: the menu and dialog
// texts as UTF-16 (so a wrong code page fails here), the ids, styles and layouts, the
// accelerators against the shortcuts the menu shows, the cursors' hot spots and the bitmaps'
// sizes and layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#if !defined(_WIN32)

namespace daub::test {
namespace {

#if defined(DAUBIX_COMPILED_RESOURCES)

using Bytes = std::vector<std::uint8_t>;

// Resource types, as numbered by Windows.
constexpr int kCursor = 1, kBitmap = 2, kIcon = 3, kMenu = 4, kDialog = 5, kAccelerators = 9,
              kCursorGroup = 12, kIconGroup = 14, kVersion = 16;
constexpr std::uint16_t kJapanese = 0x0411;

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Little-endian reads that never leave the buffer: past the end a read gives 0 and marks the
// reader as failed, so a malformed file makes the checks fail instead of crashing.
class Reader {
  public:
    explicit Reader(const Bytes& bytes, std::size_t pos = 0) : bytes_(&bytes), pos_(pos) {}

    std::uint16_t U16() {
        if (pos_ + 2 > bytes_->size()) return Broken();
        const auto v = static_cast<std::uint16_t>((*bytes_)[pos_] | (*bytes_)[pos_ + 1] << 8);
        pos_ += 2;
        return v;
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | static_cast<std::uint32_t>(U16()) << 16;
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::string Text() {
        std::u16string text;
        while (ok_) {
            const char16_t c = U16();
            if (c == 0) break;
            text += c;
        }
        return Utf8(text);
    }
    // A name or a number: 0xFFFF followed by the number, or a zero-ended string. A missing
    // entry (a single 0) reads as the empty text.
    std::pair<int, std::string> NameOrId() {
        if (pos_ + 2 <= bytes_->size() && (*bytes_)[pos_] == 0xFF && (*bytes_)[pos_ + 1] == 0xFF) {
            U16();
            return {U16(), ""};
        }
        return {-1, Text()};
    }
    void AlignTo4(std::size_t base = 0) { pos_ = base + (pos_ - base + 3) / 4 * 4; }
    void Skip(std::size_t n) { pos_ += n; }
    void Seek(std::size_t pos) { pos_ = pos; }
    std::size_t pos() const { return pos_; }
    bool ok() const { return ok_ && pos_ <= bytes_->size(); }

  private:
    std::uint16_t Broken() {
        ok_ = false;
        pos_ = bytes_->size();
        return 0;
    }
    const Bytes* bytes_;
    std::size_t pos_;
    bool ok_ = true;
};

struct Resource {
    std::uint16_t language = 0;
    Bytes data;
};

// Key: type number and the name, either a number or the (upper-cased) name text.
using ResourceKey = std::tuple<int, int, std::string>;

std::map<ResourceKey, Resource> ReadResFile() {
    std::ifstream in(DAUBIX_COMPILED_RESOURCES, std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), {}};
    std::map<ResourceKey, Resource> all;
    Reader r(file);
    while (r.ok() && r.pos() + 32 <= file.size()) {
        const std::size_t start = r.pos();
        const std::uint32_t dataSize = r.U32();
        const std::uint32_t headerSize = r.U32();
        const auto [type, typeName] = r.NameOrId();
        const auto [id, name] = r.NameOrId();
        r.AlignTo4(start);
        r.U32();  // data version
        r.U16();  // memory flags
        const std::uint16_t language = r.U16();
        const std::size_t from = start + headerSize;
        if (!r.ok() || from + dataSize > file.size()) break;
        if (dataSize > 0 && type >= 0) {
            all[{type, id, name}] = {language,
                                     Bytes(file.begin() + static_cast<long>(from),
                                           file.begin() + static_cast<long>(from + dataSize))};
        }
        r.Seek(from + dataSize);
        r.AlignTo4();
    }
    return all;
}

const std::map<ResourceKey, Resource>& Resources() {
    static const std::map<ResourceKey, Resource> all = ReadResFile();
    return all;
}

const Resource* Find(int type, int id) {
    const auto it = Resources().find({type, id, ""});
    return it == Resources().end() ? nullptr : &it->second;
}

const Resource* Find(int type, const std::string& name) {
    const auto it = Resources().find({type, -1, name});
    return it == Resources().end() ? nullptr : &it->second;
}

TEST(CompiledResources, HoldEverythingTheProgramLoadsInJapanese) {
    ASSERT_FALSE(Resources().empty()) << "cannot read " << DAUBIX_COMPILED_RESOURCES;
    const std::vector<std::pair<int, std::string>> named = {
        {kMenu, "MAINMENU"},     {kAccelerators, "DAUBACCEL"}, {kIconGroup, "DAUBICON"},
        {kBitmap, "TOOLBITMAP"}, {kBitmap, "PALBITMAP"},
    };
    for (const auto& [type, name] : named) {
        const Resource* found = Find(type, name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->language, kJapanese) << name;
    }
    const std::vector<std::pair<int, int>> numbered = {
        {kCursorGroup, 121}, {kCursorGroup, 124}, {kCursorGroup, 125}, {kCursorGroup, 127},
        {kCursorGroup, 130}, {kCursorGroup, 135}, {kCursorGroup, 138}, {kDialog, 116},
        {kDialog, 122},      {kDialog, 134},      {kDialog, 136},      {kDialog, 137},
        {kDialog, 140},      {kDialog, 142},      {kVersion, 1},
    };
    for (const auto& [type, id] : numbered) {
        const Resource* found = Find(type, id);
        ASSERT_NE(found, nullptr) << "type " << type << " id " << id;
        EXPECT_EQ(found->language, kJapanese) << "type " << type << " id " << id;
    }
    for (const auto& [key, resource] : Resources()) {
        if (std::get<0>(key) == kIcon || std::get<0>(key) == kCursor) {
            EXPECT_EQ(resource.language, kJapanese);
        }
    }
}

// Visual styles, GDI scaling and long paths; never DPI awareness, which would change the
// pixel layout the program draws.
TEST(CompiledResources, TheManifestAsksForVisualStylesGdiScalingAndLongPaths) {
    const Resource* manifest = Find(24, 1);
    ASSERT_NE(manifest, nullptr);
    const std::string text(manifest->data.begin(), manifest->data.end());
    for (const char* wanted : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0",
                               ">true</gdiScaling>", ">true</longPathAware>"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
    EXPECT_EQ(text.find("dpiAware"), std::string::npos);
}

// ---- Menu -------------------------------------------------------------------------------

constexpr std::uint16_t kGrayed = 0x01, kChecked = 0x08, kPopup = 0x10, kEnd = 0x80;

struct MenuItem {
    std::string text;
    int id = 0;  // -1 for a submenu
    std::uint16_t flags = 0;
    std::vector<MenuItem> items;
    bool separator() const { return id == 0 && text.empty() && !(flags & kPopup); }
};

std::vector<MenuItem> ReadMenuItems(Reader& r) {
    std::vector<MenuItem> items;
    while (r.ok()) {
        MenuItem item;
        item.flags = r.U16();
        if (item.flags & kPopup) {
            item.id = -1;
            item.text = r.Text();
            item.items = ReadMenuItems(r);
        } else {
            item.id = r.U16();
            item.text = r.Text();
        }
        items.push_back(item);
        if (item.flags & kEnd) break;
    }
    return items;
}

std::vector<MenuItem> MainMenu() {
    const Resource* menu = Find(kMenu, "MAINMENU");
    if (!menu) return {};
    Reader r(menu->data);
    r.U16();  // version
    r.Skip(r.U16());
    return ReadMenuItems(r);
}

// One line per item: the path of popup texts, the text, then the id and the states.
void Flatten(const std::vector<MenuItem>& items, const std::string& path,
             std::vector<std::string>& out) {
    for (const MenuItem& item : items) {
        if (item.separator()) {
            out.push_back(path + "----");
            continue;
        }
        std::string line = path + item.text;
        if (item.id >= 0) line += " = " + std::to_string(item.id);
        if (item.flags & kChecked) line += " checked";
        if (item.flags & kGrayed) line += " grayed";
        out.push_back(line);
        if (item.id < 0) Flatten(item.items, path + item.text + " > ", out);
    }
}

TEST(CompiledMenu, ShowsEveryCommandWithItsTextShortcutAndState) {
    std::vector<std::string> lines;
    Flatten(MainMenu(), "", lines);
    const std::vector<std::string> expected = {
        "ファイル",
        "ファイル > 新規作成 = 40042",
        "ファイル > ビットマップを開く = 40001",
        "ファイル > 上書き保存\tCtrl+S = 40028",
        "ファイル > ビットマップを保存 = 40002",
        "ファイル > 最近のビットマップ",
        "ファイル > 最近のビットマップ > (なし) = 40037 grayed",
        "ファイル > ----",
        "ファイル > レイヤーで開く = 40025",
        "ファイル > レイヤーで保存 = 40026",
        "ファイル > 最近のレイヤー",
        "ファイル > 最近のレイヤー > (なし) = 40039 grayed",
        "ファイル > ----",
        "ファイル > 閉じる = 40040",
        "編集",
        "編集 > 元に戻す\tCtrl+Z = 40016",
        "編集 > やり直し\tCtrl+Y = 40017",
        "編集 > ----",
        "編集 > コピー\tCtrl+C = 40018",
        "編集 > 貼り付け\tCtrl+V = 40019",
        "編集 > 範囲の削除\tDel = 40021",
        "編集 > すべて選択\tCtrl+L = 40020",
        "表示",
        "表示 > ツールボックス = 40014 checked",
        "表示 > カラーボックス = 40015 checked",
        "表示 > レイヤー画像 = 40027 checked",
        "表示 > 曲線設定 = 40046 checked",
        "表示 > ----",
        "表示 > 目印直線 = 40041",
        "変形",
        "変形 > 左右反転\tShift+R = 40029",
        "変形 > 上下反転\tShift+U = 40033",
        "変形 > 伸縮と回転\tCtrl+R = 40032",
        "変形 > ----",
        "変形 > 画像効果",
        "変形 > 画像効果 > ぼかし = 40045",
        "変形 > 画像のサイズ変更\tCtrl+E = 40023",
        "変形 > トリミング = 40024",
        "オプション",
        "オプション > ブラシの設定\tCtrl+B = 40034",
        "オプション > スプレーの設定\tCtrl+P = 40044",
        "オプション > ----",
        "オプション > パレットの交換 = 40035",
        "オプション > パレットの保存 = 40036",
        "ヘルプ",
        "ヘルプ > バージョン = 40043",
    };
    EXPECT_EQ(lines, expected);
}

TEST(CompiledMenu, RecentFileSubmenusAreTheFirstTwoSubmenusOfTheFileMenu) {
    // The recent-file lists find their submenus this way when they rebuild them.
    const std::vector<MenuItem> menu = MainMenu();
    ASSERT_FALSE(menu.empty());
    std::vector<const MenuItem*> submenus;
    for (const MenuItem& item : menu[0].items) {
        if (item.id == -1) submenus.push_back(&item);
    }
    ASSERT_EQ(submenus.size(), 2u);
    EXPECT_EQ(submenus[0]->text, "最近のビットマップ");
    EXPECT_EQ(submenus[1]->text, "最近のレイヤー");
    for (const MenuItem* submenu : submenus) {
        ASSERT_EQ(submenu->items.size(), 1u) << submenu->text;
        EXPECT_TRUE(submenu->items[0].flags & kGrayed) << submenu->text;
    }
}

// ---- Accelerators ----------------------------------------------------------------------

constexpr std::uint16_t kVirtKey = 0x01, kShift = 0x04, kControl = 0x08, kAlt = 0x10;
constexpr std::uint16_t kVkDelete = 0x2E;

struct Accelerator {
    std::uint16_t modifiers;  // kShift, kControl, kAlt
    std::uint16_t key;        // virtual key
    int command;
    auto operator<=>(const Accelerator&) const = default;
};

std::vector<Accelerator> ReadAccelerators(bool& allVirtual) {
    std::vector<Accelerator> out;
    const Resource* table = Find(kAccelerators, "DAUBACCEL");
    if (!table) return out;
    Reader r(table->data);
    allVirtual = true;
    while (r.ok() && r.pos() + 8 <= table->data.size()) {
        const std::uint16_t flags = r.U16();
        const std::uint16_t key = r.U16();
        const int command = r.U16();
        r.U16();
        allVirtual = allVirtual && (flags & kVirtKey);
        out.push_back(
            {static_cast<std::uint16_t>(flags & (kShift | kControl | kAlt)), key, command});
        if (flags & kEnd) break;
    }
    return out;
}

// "Ctrl+S", "Shift+R" or "Del" as the menu shows it, as the accelerator it stands for.
std::optional<Accelerator> ShortcutOf(const std::string& shown, int command) {
    if (shown == "Del") return Accelerator{0, kVkDelete, command};
    for (const auto& [prefix, modifier] :
         {std::pair<std::string, std::uint16_t>{"Ctrl+", kControl}, {"Shift+", kShift}}) {
        if (shown.size() == prefix.size() + 1 && shown.starts_with(prefix))
            return Accelerator{modifier, static_cast<std::uint16_t>(shown.back()), command};
    }
    return std::nullopt;
}

void CollectShortcuts(const std::vector<MenuItem>& items, std::vector<Accelerator>& out) {
    for (const MenuItem& item : items) {
        CollectShortcuts(item.items, out);
        const std::size_t tab = item.text.find('\t');
        if (tab == std::string::npos) continue;
        const std::optional<Accelerator> shortcut = ShortcutOf(item.text.substr(tab + 1), item.id);
        EXPECT_TRUE(shortcut) << "unknown shortcut text in " << item.text;
        if (shortcut) out.push_back(*shortcut);
    }
}

TEST(CompiledAccelerators, AreTheShortcutsTheMenuShowsAndNoOthers) {
    bool allVirtual = false;
    std::vector<Accelerator> table = ReadAccelerators(allVirtual);
    EXPECT_TRUE(allVirtual) << "every entry is a virtual-key entry";
    std::sort(table.begin(), table.end());
    const std::vector<Accelerator> expected = [] {
        std::vector<Accelerator> v = {
            {kControl, 'B', 40034}, {kControl, 'C', 40018}, {kControl, 'E', 40023},
            {kControl, 'L', 40020}, {kControl, 'P', 40044}, {kControl, 'R', 40032},
            {kShift, 'R', 40029},   {kControl, 'S', 40028}, {kShift, 'U', 40033},
            {kControl, 'V', 40019}, {0, kVkDelete, 40021},  {kControl, 'Y', 40017},
            {kControl, 'Z', 40016},
        };
        std::sort(v.begin(), v.end());
        return v;
    }();
    EXPECT_EQ(table, expected);

    std::vector<Accelerator> shown;
    CollectShortcuts(MainMenu(), shown);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, table) << "a menu item shows a shortcut the table lacks, or the reverse";

    std::set<std::pair<std::uint16_t, std::uint16_t>> keys;
    for (const Accelerator& a : table) {
        EXPECT_TRUE(keys.insert({a.modifiers, a.key}).second) << "key used twice: " << a.key;
    }
}

// ---- Dialog templates ------------------------------------------------------------------

constexpr std::uint32_t kWsVisible = 0x10000000, kWsTabStop = 0x00010000, kDsSetFont = 0x40;
constexpr int kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kComboBox = 0x85;
constexpr std::uint32_t kTypeMask = 0x0F;
constexpr std::uint32_t kBsPushButton = 0, kBsDefPushButton = 1, kBsAutoCheckBox = 3,
                        kBsGroupBox = 7;
constexpr std::uint32_t kCbsDropDownList = 3, kCbsSort = 0x100;
constexpr std::uint32_t kTbsBoth = 0x08, kTbsNoTicks = 0x10;
constexpr int kNoId = 0xFFFF;

struct Control {
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    int classAtom = -1;  // the predefined classes; -1 when named
    std::string className;
    std::string text;
};

struct Dialog {
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int pointSize = 0;
    std::string font;
    std::vector<Control> controls;
    bool ok = false;

    const Control* WithId(int id) const {
        for (const Control& c : controls) {
            if (c.id == id) return &c;
        }
        return nullptr;
    }
    const Control* WithText(const std::string& text) const {
        for (const Control& c : controls) {
            if (c.text == text) return &c;
        }
        return nullptr;
    }
};

Dialog ReadDialog(int id) {
    Dialog d;
    const Resource* resource = Find(kDialog, id);
    if (!resource) return d;
    Reader r(resource->data);
    d.style = r.U32();
    r.U32();  // extended style
    const int count = r.U16();
    d.x = r.I16(), d.y = r.I16(), d.cx = r.I16(), d.cy = r.I16();
    r.NameOrId();  // menu
    r.NameOrId();  // class
    d.caption = r.Text();
    if (d.style & kDsSetFont) {
        d.pointSize = r.U16();
        d.font = r.Text();
    }
    for (int i = 0; i < count && r.ok(); ++i) {
        r.AlignTo4();
        Control c;
        c.style = r.U32();
        r.U32();
        c.x = r.I16(), c.y = r.I16(), c.cx = r.I16(), c.cy = r.I16();
        c.id = r.U16();
        std::tie(c.classAtom, c.className) = r.NameOrId();
        c.text = r.NameOrId().second;
        r.Skip(r.U16());
        d.controls.push_back(c);
    }
    d.ok = r.ok() && static_cast<int>(d.controls.size()) == count;
    return d;
}

constexpr std::uint32_t kToolWindowStyle = 0x80C800C0;  // popup, caption, system menu, frame, font

TEST(CompiledDialogs, ToolboxAndColourBoxAreEmptyTemplatesOfTheGivenGeometry) {
    struct Expected {
        int id;
        int x, y, cx, cy;
        std::string caption;
        int pointSize;
        std::string font;
    };
    for (const Expected& e : {Expected{116, 400, 0, 35, 175, "ツール", 8, "@ＭＳ 明朝"},
                              Expected{122, 200, 200, 171, 29, "パレット", 8, "ＭＳ Ｐゴシック"}}) {
        const Dialog d = ReadDialog(e.id);
        ASSERT_TRUE(d.ok) << e.id;
        EXPECT_EQ(d.style, kToolWindowStyle) << e.id;
        EXPECT_EQ(std::tie(d.x, d.y, d.cx, d.cy), std::tie(e.x, e.y, e.cx, e.cy)) << e.id;
        EXPECT_EQ(d.caption, e.caption);
        EXPECT_EQ(d.pointSize, e.pointSize) << e.id;
        EXPECT_EQ(d.font, e.font);
        EXPECT_TRUE(d.controls.empty()) << e.id;
    }
}

TEST(CompiledDialogs, BrushSettingsHasEveryControlWhereItBelongs) {
    const Dialog d = ReadDialog(137);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.caption, "ブラシの設定");
    EXPECT_EQ(d.pointSize, 9);
    EXPECT_EQ(d.font, "ＭＳ Ｐゴシック");
    EXPECT_EQ(std::tie(d.cx, d.cy), std::make_tuple(187, 139));
    EXPECT_FALSE(d.style & kWsVisible) << "shown by the dialog call, not by its template";

    struct Expected {
        int id;
        std::string text;
        int x, y, cx, cy;
    };
    const std::vector<Expected> table = {
        {1, "OK", 130, 105, 50, 14},
        {2, "ｷｬﾝｾﾙ", 130, 120, 50, 14},
        {kNoId, "ブラシ", 105, 5, 70, 70},
        {1019, "", 0, 25, 100, 15},
        {1020, "", 0, 65, 100, 15},
        {1021, "", 0, 105, 100, 15},
        {1022, "", 55, 10, 40, 14},
        {1023, "", 55, 50, 40, 14},
        {1024, "", 55, 90, 40, 14},
        {kNoId, "大きさ(R)", 15, 15, 35, 10},
        {kNoId, "濃度(a)", 15, 55, 40, 10},
        {kNoId, "分布(b)", 15, 95, 30, 10},
        {kNoId, "R＞半径(r):　a／（r^b) 　(小数可)", 25, 125, 96, 8},
        {1027, "", 105, 80, 70, 95},
    };
    ASSERT_EQ(d.controls.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Control& c = d.controls[i];
        const Expected& e = table[i];
        EXPECT_EQ(std::tie(c.id, c.text), std::tie(e.id, e.text)) << "control " << i;
        EXPECT_EQ(std::tie(c.x, c.y, c.cx, c.cy), std::tie(e.x, e.y, e.cx, e.cy)) << e.text << e.id;
    }
    EXPECT_EQ(d.WithId(1)->style & kTypeMask, kBsDefPushButton);
    EXPECT_EQ(d.WithId(2)->style & kTypeMask, kBsPushButton);
    EXPECT_EQ(d.WithText("ブラシ")->style & kTypeMask, kBsGroupBox);
    for (int id : {1019, 1020, 1021}) {
        const Control* slider = d.WithId(id);
        std::string name = slider->className;  // class names are not case-sensitive
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char ch) { return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch; });
        EXPECT_EQ(name, "msctls_trackbar32") << id;
        EXPECT_EQ(slider->style & (kTbsBoth | kTbsNoTicks), kTbsBoth | kTbsNoTicks) << id;
    }
    for (int id : {1022, 1023, 1024})
        EXPECT_EQ(d.WithId(id)->classAtom, kEdit) << id;
    const Control* presets = d.WithId(1027);
    EXPECT_EQ(presets->classAtom, kComboBox);
    EXPECT_EQ(presets->style & 3, kCbsDropDownList);
    EXPECT_TRUE(presets->style & kCbsSort);
}

// A control's rectangle as it shows when closed: a combo box's height in the template is
// that of its open list.
struct Box {
    int left, top, right, bottom;
};

Box ShownBox(const Control& c) {
    const int height = c.classAtom == kComboBox ? std::min(c.cy, 14) : c.cy;
    return {c.x, c.y, c.x + c.cx, c.y + height};
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(CompiledDialogs, SettingsDialogsHaveTheirFieldsLabelsAndButtons) {
    struct Field {
        int id;
        int classAtom;
        std::uint32_t type;  // the low style bits that make the kind of button or box
        std::string text;
    };
    struct Expected {
        int id;
        std::string caption;
        std::vector<Field> fields;
        std::vector<std::string> labels;
        bool okAndCancel;
    };
    const std::vector<Expected> dialogs = {
        {134,
         "画像のサイズの変更",
         {{1001, kEdit, 0, ""},
          {1002, kEdit, 0, ""},
          {1004, kButton, kBsAutoCheckBox, "中心をそろえて変更"}},
         {"幅", "高さ"},
         true},
        {136,
         "伸縮と回転",
         {{1005, kEdit, 0, ""},
          {1006, kEdit, 0, ""},
          {1007, kEdit, 0, ""},
          {1008, kButton, kBsAutoCheckBox, "補間"}},
         {"幅の伸縮率(%)", "高さの伸縮率(%)", "回転角(°)", "注)　値は小数も可です。"},
         true},
        {140,
         "スプレーの設定",
         {{1033, kComboBox, kCbsDropDownList, ""}, {1034, kEdit, 0, ""}, {1035, kEdit, 0, ""}},
         {"スプレーの種類", "大きさ", "強度、透明度など"},
         true},
        {142,
         "曲線設定",
         {{1039, kEdit, 0, ""},
          {1040, kEdit, 0, ""},
          {1036, kEdit, 0, ""},
          {1037, kEdit, 0, ""},
          {1041, kButton, kBsAutoCheckBox, "始点を固定する"},
          {1038, kButton, kBsAutoCheckBox, "終点を固定する"}},
         {"近似する直線の範囲", ">=", ">1", "二重線の誤差(少数可)", "X=", "Y="},
         false},
    };
    for (const Expected& e : dialogs) {
        SCOPED_TRACE(e.caption);
        const Dialog d = ReadDialog(e.id);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.caption, e.caption);
        EXPECT_EQ(d.style, kToolWindowStyle);
        EXPECT_EQ(d.pointSize, 9);
        EXPECT_EQ(d.font, "ＭＳ Ｐゴシック");
        std::size_t expectedCount = e.fields.size() + e.labels.size();
        for (const Field& f : e.fields) {
            const Control* c = d.WithId(f.id);
            ASSERT_NE(c, nullptr) << f.id;
            EXPECT_EQ(c->classAtom, f.classAtom) << f.id;
            EXPECT_EQ(c->text, f.text) << f.id;
            if (f.classAtom != kEdit) {
                EXPECT_EQ(c->style & kTypeMask, f.type) << f.id;
            }
            EXPECT_TRUE(c->style & kWsTabStop) << f.id << " cannot be reached with Tab";
        }
        for (const std::string& label : e.labels) {
            const Control* c = d.WithText(label);
            ASSERT_NE(c, nullptr) << label;
            EXPECT_EQ(std::tie(c->classAtom, c->id), std::make_tuple(kStatic, kNoId)) << label;
        }
        if (e.okAndCancel) {
            expectedCount += 2;
            ASSERT_NE(d.WithId(1), nullptr);
            ASSERT_NE(d.WithId(2), nullptr);
            EXPECT_EQ(d.WithId(1)->text, "OK");
            EXPECT_EQ(d.WithId(1)->style & kTypeMask, kBsDefPushButton);
            EXPECT_EQ(d.WithId(2)->text, "ｷｬﾝｾﾙ");
        }
        EXPECT_EQ(d.controls.size(), expectedCount) << "unexpected controls";
        if (e.id == 140) {
            EXPECT_FALSE(d.WithId(1033)->style & kCbsSort) << "the kinds keep their order";
        }
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            const Box a = ShownBox(d.controls[i]);
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= d.cx && a.bottom <= d.cy)
                << d.controls[i].text << d.controls[i].id << " reaches outside the dialog";
            for (std::size_t j = i + 1; j < d.controls.size(); ++j) {
                EXPECT_FALSE(Overlap(a, ShownBox(d.controls[j])))
                    << d.controls[i].text << d.controls[i].id << " overlaps " << d.controls[j].text
                    << d.controls[j].id;
            }
        }
    }
}

// ---- Cursors ---------------------------------------------------------------------------

TEST(CompiledCursors, AreMonochrome32x32WithTheirHotSpotsOnThePicture) {
    const std::map<int, std::pair<int, int>> hotSpots = {
        {121, {7, 24}}, {124, {19, 10}}, {125, {9, 23}},  {127, {16, 16}},
        {130, {11, 7}}, {135, {7, 8}},   {138, {11, 17}},
    };
    for (const auto& [id, hot] : hotSpots) {
        SCOPED_TRACE("cursor " + std::to_string(id));
        const Resource* group = Find(kCursorGroup, id);
        ASSERT_NE(group, nullptr);
        Reader g(group->data);
        g.U16();
        EXPECT_EQ(g.U16(), 2);  // cursors
        ASSERT_EQ(g.U16(), 1);
        const int width = g.U16(), height = g.U16(), planes = g.U16(), bits = g.U16();
        g.U32();
        const Resource* image = Find(kCursor, g.U16());
        ASSERT_TRUE(g.ok());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(std::tie(width, height, planes, bits), std::make_tuple(32, 64, 1, 1));

        Reader r(image->data);
        const int hotX = r.U16(), hotY = r.U16();
        EXPECT_EQ(std::make_pair(hotX, hotY), hot);
        EXPECT_EQ(r.U32(), 40u);
        EXPECT_EQ(r.U32(), 32u);
        EXPECT_EQ(r.U32(), 64u);
        r.U16();
        EXPECT_EQ(r.U16(), 1);
        // Header, two palette entries, 32 rows of XOR bits, then 32 rows of AND bits; an
        // AND bit of 0 is a pixel that draws. Rows are stored bottom-up.
        const std::size_t andBits = 4 + 40 + 8 + 32 * 4;
        ASSERT_EQ(image->data.size(), andBits + 32 * 4);
        int left = 32, top = 32, right = -1, bottom = -1;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const std::uint8_t byte = image->data[andBits + (31 - y) * 4 + x / 8];
                if (byte & (0x80 >> (x % 8))) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        EXPECT_TRUE(left <= hotX && hotX <= right && top <= hotY && hotY <= bottom)
            << "the hot spot lies off the drawn picture";
    }
}

// ---- Bitmaps ---------------------------------------------------------------------------

struct Bitmap {
    int width = 0, height = 0, bits = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB
    Bytes data;
    std::size_t pixels = 0;

    std::uint32_t At(int x, int y) const {
        const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
        const std::size_t row = pixels + stride * static_cast<std::size_t>(height - 1 - y);
        const int perByte = 8 / bits;
        const std::uint8_t byte = data.at(row + static_cast<std::size_t>(x / perByte));
        const int index = (byte >> (8 - bits * (x % perByte + 1))) & ((1 << bits) - 1);
        return palette.at(static_cast<std::size_t>(index));
    }
};

Bitmap ReadBitmap(const std::string& name) {
    Bitmap b;
    const Resource* resource = Find(kBitmap, name);
    if (!resource) return b;
    Reader r(resource->data);
    const std::uint32_t headerSize = r.U32();
    b.width = static_cast<int>(r.U32());
    b.height = static_cast<int>(r.U32());
    r.U16();
    b.bits = r.U16();
    const std::uint32_t compression = r.U32();
    r.Skip(12);
    std::uint32_t colours = r.U32();
    if (colours == 0 && b.bits <= 8) colours = 1u << b.bits;
    r.Seek(headerSize);
    for (std::uint32_t i = 0; i < colours; ++i)
        b.palette.push_back(r.U32() & 0xFFFFFF);
    b.pixels = r.pos();
    b.data = resource->data;
    const std::size_t stride = static_cast<std::size_t>((b.width * b.bits + 31) / 32 * 4);
    if (!r.ok() || compression != 0 || b.data.size() < b.pixels + stride * b.height) b.width = 0;
    return b;
}

constexpr std::uint32_t kBlack = 0x000000;

TEST(CompiledBitmaps, ToolBitmapHasSixteenRaisedButtonsAndTheSixWidthSquares) {
    const Bitmap b = ReadBitmap("TOOLBITMAP");
    ASSERT_EQ(std::tie(b.width, b.height, b.bits), std::make_tuple(50, 237, 4));

    const std::uint32_t face = b.At(12, 1);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 2; ++column) {
            SCOPED_TRACE("button row " + std::to_string(row) + " column " + std::to_string(column));
            const int x0 = 25 * column, y0 = 25 * row;
            EXPECT_EQ(b.At(x0, y0 + 12), 0xFFFFFFu) << "lit left edge";
            EXPECT_EQ(b.At(x0 + 12, y0), 0xFFFFFFu) << "lit top edge";
            EXPECT_EQ(b.At(x0 + 24, y0 + 12), kBlack) << "shaded right edge";
            EXPECT_EQ(b.At(x0 + 12, y0 + 24), kBlack) << "shaded bottom edge";
            int drawn = 0;  // the picture sits inside the frame the toolbox draws around it
            for (int y = y0 + 5; y < y0 + 20; ++y) {
                for (int x = x0 + 5; x < x0 + 20; ++x)
                    drawn += b.At(x, y) != face;
            }
            EXPECT_GT(drawn, 15) << "no picture on the button";
        }
    }

    // The toolbox frames a width by these rectangles in its client area, where the bitmap
    // is drawn one pixel to the right; inside each lies one black square of that width.
    struct Cell {
        int width, left, top, right, bottom;
    };
    for (const Cell& c :
         {Cell{3, 5, 204, 20, 219}, Cell{2, 20, 204, 35, 219}, Cell{1, 35, 204, 50, 219},
          Cell{12, 5, 219, 20, 234}, Cell{6, 20, 219, 35, 234}, Cell{4, 33, 219, 47, 234}}) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        int left = 99, top = 999, right = -1, bottom = -1, black = 0;
        for (int y = c.top + 1; y < c.bottom; ++y) {
            for (int x = c.left; x < std::min(c.right, 50); ++x) {
                if (b.At(x, y) != kBlack) continue;
                ++black;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        EXPECT_EQ(right - left + 1, c.width);
        EXPECT_EQ(bottom - top + 1, c.width);
        EXPECT_EQ(black, c.width * c.width) << "not one filled square";
    }
}

TEST(CompiledBitmaps, PalBitmapFramesEveryCellWhereTheColourBoxPaintsIt) {
    const Bitmap b = ReadBitmap("PALBITMAP");
    ASSERT_EQ(std::tie(b.width, b.height, b.bits), std::make_tuple(255, 34, 8));
    // The box paints cell i at client x 34 + 16 (i / 2), y 4 or 20, 12 x 12, and draws the
    // bitmap at client (1, 1): one pixel further up and left in the bitmap. Each cell is
    // sunken: dark above and left of it, light below and right.
    const std::uint32_t face = b.At(0, 0);
    for (int i = 0; i < 28; ++i) {
        SCOPED_TRACE("cell " + std::to_string(i));
        const int x = 34 + 16 * (i / 2) - 1, y = (i % 2 == 0 ? 4 : 20) - 1;
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(b.At(x - 1, y + k), 0x808080u);
            EXPECT_EQ(b.At(x + k, y - 1), 0x808080u);
            EXPECT_EQ(b.At(x + 12, y + k), 0xFFFFFFu);
            EXPECT_EQ(b.At(x + k, y + 12), 0xFFFFFFu);
        }
    }
    // The swatches and the transparent cell lie in one sunken area at the left.
    for (int y = 3; y < 31; ++y)
        EXPECT_EQ(b.At(0, y), 0x808080u) << y;
    for (int y = 3; y < 31; ++y)
        EXPECT_EQ(b.At(29, y), 0xFFFFFFu) << y;
    EXPECT_EQ(b.At(31, 16), face) << "a gap between the area and the first cells";
}

#else

TEST(CompiledResources, NeedAResourceCompiler) {
    GTEST_SKIP() << "no Windows resource compiler was found, so daubix.rc was not compiled";
}

#endif

}  // namespace
}  // namespace daub::test

#endif
