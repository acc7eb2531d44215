#include "files/bmp_writer.h"

#include "document/slot_view.h"
#include "files/bmp_file_header.h"
#include "files/bmp_messages.h"
#include "files/file_replace.h"

namespace daub {

bool WriteBitmapFile(MessageSink& messages, const std::string& path, const LayerStack& stack,
                     int slot, int formatEntry) {
    if (path.empty() || !stack.Format(formatEntry) || !stack.Bits(slot)) return false;
    const ConstSlotView view = ViewOf(stack, slot, formatEntry);
    bool written = false;
    if (view) {
        const auto header = MakeBmpFileHeader(view.width, view.height);
        written = WriteFileReplacing(path, {header, {view.bits, view.ByteSize()}});
    }
    if (!written) messages.Report(kBmpSaveFailedText, kBmpErrorCaption, false);
    return written;
}

}  // namespace daub
