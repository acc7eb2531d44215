// Dialogs of the headless platform: modeless ones from templates, modal ones played by the
// test's script, and the file and colour pickers answered from queues.
#include "platform/headless/headless_platform.h"

#include "platform/window_styles.h"

namespace daub {
namespace {

constexpr std::uint32_t kAbsoluteAlign = 0x0001;  // DS_ABSALIGN: the position is on the screen

}  // namespace

// A template's position counts from the owner's client area, which here is its whole
// rectangle, unless the template asks for screen coordinates.
WindowSpec HeadlessPlatform::DialogSpec(const DialogTemplate* dialogTemplate, WindowHandle owner) {
    WindowSpec spec;
    spec.className = kDialogClass;
    spec.parent = owner;
    if (!dialogTemplate) return spec;
    spec.title = dialogTemplate->caption;
    spec.style = dialogTemplate->style;
    spec.exStyle = dialogTemplate->exStyle;
    spec.x = DialogUnitsToPixelsX(dialogTemplate->x);
    spec.y = DialogUnitsToPixelsY(dialogTemplate->y);
    spec.width = DialogUnitsToPixelsX(dialogTemplate->width);
    spec.height = DialogUnitsToPixelsY(dialogTemplate->height);
    if ((dialogTemplate->style & kAbsoluteAlign) == 0) {
        const PixelRect ownerRect = WindowRect(owner);
        spec.x += ownerRect.left;
        spec.y += ownerRect.top;
    }
    return spec;
}

WindowHandle HeadlessPlatform::CreateModelessDialog(Window& window, int templateId,
                                                    WindowHandle owner) {
    const DialogTemplate* dialogTemplate = resources_ ? resources_->Dialog(templateId) : nullptr;
    if (resources_ && !dialogTemplate) return {};
    const WindowHandle handle = NewWindow(&window, DialogSpec(dialogTemplate, owner));
    HeadlessWindow& record = windows_[handle.value];
    record.dialogTemplate = templateId;
    if (dialogTemplate) {
        record.dialogUnits = {dialogTemplate->x, dialogTemplate->y,
                              dialogTemplate->x + dialogTemplate->width,
                              dialogTemplate->y + dialogTemplate->height};
    }
    modeless_[handle.value] =
        std::make_unique<HeadlessModeless>(*this, templateId, dialogTemplate, handle);
    window.Attach(handle);
    Send(handle, {wm::kInitDialog, 0, 0});
    if ((record.spec.style & ws::kVisible) != 0 && Live(handle)) {
        record.visible = true;
        MarkForPaint(record);
    }
    return handle;
}

HeadlessDialog* HeadlessPlatform::ModelessDialog(WindowHandle dialog) {
    const auto found = modeless_.find(dialog.value);
    return found != modeless_.end() && Live(dialog) ? &found->second->Controls() : nullptr;
}

DialogControls* HeadlessPlatform::ModelessControls(WindowHandle dialog) {
    return ModelessDialog(dialog);
}

int HeadlessPlatform::RunModalDialog(DialogModel& model, WindowHandle owner) {
    RecordedDialog recorded;
    recorded.templateId = model.TemplateId();
    recorded.owner = owner;
    const DialogTemplate* dialogTemplate =
        resources_ ? resources_->Dialog(recorded.templateId) : nullptr;
    if (resources_ && !dialogTemplate) {
        recorded.result = -1;  // DialogBox fails without its template
        dialogs_.push_back(recorded);
        return recorded.result;
    }

    recorded.handle = NewWindow(nullptr, DialogSpec(dialogTemplate, owner));
    HeadlessWindow& record = windows_[recorded.handle.value];
    record.dialogTemplate = recorded.templateId;
    record.visible = true;

    HeadlessDialog dialog(*this, model, dialogTemplate, recorded.handle);
    model.Load(dialog);
    dialog.PaintWhole();
    while (dialog.IsOpen() && !dialogScript.empty()) {
        const std::function<void(HeadlessDialog&)> turn = std::move(dialogScript.front());
        dialogScript.pop_front();
        turn(dialog);
    }
    dialog.PressCancel();  // no more turns: the user gives up

    DestroyNativeWindow(recorded.handle);
    recorded.result = dialog.Result();
    recorded.okPresses = dialog.OkPresses();
    recorded.faults = dialog.Faults();
    dialogs_.push_back(recorded);
    return recorded.result;
}

std::optional<std::string> HeadlessPlatform::AskFileName(WindowHandle owner,
                                                         const FileDialogRequest& request) {
    std::optional<std::string> answer;
    if (!fileNameAnswers.empty()) {
        answer = fileNameAnswers.front();
        fileNameAnswers.pop_front();
    }
    fileDialogs_.push_back({owner, request, answer});
    return answer;
}

std::optional<std::uint32_t> HeadlessPlatform::ChooseColour(WindowHandle owner,
                                                            std::uint32_t initial) {
    std::optional<std::uint32_t> answer;
    if (!colourAnswers.empty()) {
        answer = colourAnswers.front();
        colourAnswers.pop_front();
    }
    if (answer) *answer &= 0x00FFFFFF;
    colourDialogs_.push_back({owner, initial, answer});
    return answer;
}

}  // namespace daub
