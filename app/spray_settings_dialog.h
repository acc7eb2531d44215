#pragma once

#include <array>
#include <string>

#include "platform/dialog_model.h"
#include "resources/resource_ids.h"

namespace daub {

// "スプレーの設定" (template 140): the spray kind, the side of the sprayed square and the
// strength, whose meaning and limits depend on the kind.
class SpraySettingsDialog : public DialogModel {
  public:
    static constexpr int kTemplate = IDD_SPRAY_SETTINGS;
    static constexpr int kKindList = IDC_SPRAY_KIND;
    static constexpr int kSizeEdit = IDC_SPRAY_SIZE;
    static constexpr int kStrengthEdit = IDC_SPRAY_STRENGTH;
    static constexpr int kLargestSize = 40;

    struct Kind {
        const char* name;
        int defaultStrength;  // shown when the kind is chosen in the list
        int largestStrength;
    };
    // In the order of sprayKind and of the list.
    static constexpr std::array<Kind, 3> kKinds = {{
        {"ぼかし", 2, 40},
        {"αブレンド", 125, 255},
        {"ノイズ", 80, 255},
    }};

    SpraySettingsDialog(int kind, int size, int strength)
        : kind(kind), size(size), strength(strength) {}

    int TemplateId() const override { return kTemplate; }
    void Load(DialogControls& controls) override;
    bool Save(DialogControls& controls) override;
    void OnCommand(DialogControls& controls, int control, int notification) override;

    // The size and strength as the fields keep them: 1 … 40, and 1 up to the kind's largest.
    static int LimitSize(long long value);
    static int LimitStrength(int kind, long long value);

    int kind;
    int size;
    int strength;
};

// Digits with optional blanks around them and an optional plus sign; values beyond the
// largest long long stay at it. False for anything else, a minus sign included.
bool ParseDialogUnsigned(const std::string& text, long long& value);

}  // namespace daub
