#pragma once

#include <string>

#include "platform/dialog_model.h"
#include "resources/resource_ids.h"

namespace daub {

// "画像のサイズの変更" (template 134): a width and a height of 0 … 10000 and the centre flag.
class ResizeDialog : public DialogModel {
  public:
    static constexpr int kTemplate = IDD_RESIZE;
    static constexpr int kWidthEdit = IDC_RESIZE_WIDTH;
    static constexpr int kHeightEdit = IDC_RESIZE_HEIGHT;
    static constexpr int kCentreCheck = IDC_RESIZE_CENTRE;
    static constexpr int kLargest = 10000;

    ResizeDialog(int width, int height, int centre)
        : width(width), height(height), centre(centre) {}

    int TemplateId() const override { return kTemplate; }
    void Load(DialogControls& controls) override;
    bool Save(DialogControls& controls) override;

    int width;
    int height;
    int centre;
};

// A decimal integer with optional blanks around it and an optional sign; false for anything
// else, including numbers beyond int.
bool ParseDialogInt(const std::string& text, int& value);

}  // namespace daub
