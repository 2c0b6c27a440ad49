// Loads a form text from any bytes and renders it, as `vntab render` does: parse, build the form
// with its tab controls, let the first paint run, composite the form into one picture. The form
// may be refused (a located error) or a drawing step may raise an automation error; nothing may
// crash, hang or leave a GDI object behind once the form is gone. Form files find their pictures
// beside the example forms, so a corpus form can name "pictures/open.ico".
#include "control/Registration.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/Compositor.h"
#include "platform/host/Form.h"
#include "platform/host/FormFile.h"
#include "platform/host/FormReader.h"
#include "platform/host/ScriptedDialogs.h"
#include "platform/user/Display.h"
#include "platform/user/MessageQueue.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const std::string kFormPath = std::string(VNTAB_SOURCE_DIR) + "/examples/fuzz.frm";

void require(bool condition) {
    if (!condition) std::abort();
}

void LoadAndRender(std::string_view text, bool design) {
    const host::FormDocument document = host::ParseForm(text, kFormPath);
    std::shared_ptr<host::Form> form =
        host::FormFromDocument(document, kFormPath, host::FormOptions{!design});
    user::PumpMessages();
    // A form without area (a zero or negative client size) has no picture to make.
    const gdi::HBITMAP image = host::CompositeToBitmap(form->hwnd());
    if (image) gdi::DeleteObject(image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static host::ScriptedDialogs dialogs;
    static const bool ready = [] {
        vntab::RegisterVNTabCtl();
        user::SetDialogProvider(&dialogs);
        // The screen's DC lives as long as the program, like the display itself. It is made on first
        // use (drawing with no window of its own reaches it), so it is made before anything is counted.
        user::ScreenDC();
        return true;
    }();
    (void)ready;
    dialogs.ClearShown();
    const gdi::LiveObjects before = gdi::live_objects();
    // The first byte chooses run mode or design mode; the rest is the form text.
    const bool design = size > 0 && (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                                size > 0 ? size - 1 : 0);
    try {
        LoadAndRender(text, design);
    } catch (const host::FormFileError&) {
    } catch (const rt::AutomationError&) {
    }
    // Messages the form's windows left behind go now that the windows are gone.
    user::PumpMessages();
    require(gdi::live_objects() == before);
    return 0;
}
