// The whole path a form takes through the system: read a form text, paint it, drive its tab control
// with a script as `vntab render --steps` does, save it, and read the saved file again. Any bytes
// may come: the form may be refused with a located error, the script refused as malformed, a step
// or a paint may raise an automation error; nothing may crash or hang, a file the system saved must
// read back as a form, and no GDI object may outlive the forms.
//
// Input: one byte of flags (bit 0: design mode), the form text, then after a NUL byte the script.
// The script's own `save` steps, and steps naming a path outside the current folder, are left out,
// so that the fuzzer writes only where it is told and reads no device.
#include "driver/Script.h"
#include "driver/Session.h"

#include "control/Registration.h"
#include "platform/automation/AutomationError.h"
#include "platform/gdi/Gdi.h"
#include "platform/host/FormFile.h"
#include "platform/host/FormWriter.h"
#include "platform/user/Display.h"
#include "platform/user/MessageQueue.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

void require(bool condition) {
    if (!condition) std::abort();
}

// A folder of the fuzzer's own, where a form finds the example pictures as "pictures/NAME".
const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("vntab-fuzz-session-" + std::to_string(::getpid()));
        fs::create_directories(f);
        std::error_code ignored;
        fs::create_directory_symlink(fs::path(VNTAB_SOURCE_DIR) / "examples/pictures", f / "pictures",
                                     ignored);
        return f;
    }();
    return folder;
}

void Write(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

void RunWholePath(std::string_view form_text, std::string_view script, bool design) {
    std::vector<driver::ScriptStep> steps;
    try {
        steps = driver::ParseScript(script, "fuzz");
    } catch (const driver::ScriptError&) {
        steps.clear();
    }
    // Paths stay inside the folders the system was started in: no absolute paths, no way up.
    std::erase_if(steps, [](const driver::ScriptStep& s) {
        const auto outside = [](const std::string& p) {
            return p.starts_with('/') || p.find("..") != std::string::npos;
        };
        return s.verb == "save" || std::any_of(s.words.begin(), s.words.end(), outside) ||
               (s.value && s.value->kind == driver::ScriptValue::Kind::Picture && outside(s.value->path));
    });
    const fs::path input = Folder() / "input.frm", saved = Folder() / "saved.frm";
    Write(input, form_text);
    bool clean_load = false;
    {
        driver::Session session;
        try {
            session.Load(input.string(), design, "");
        } catch (const host::FormFileError&) {
            return; // not a form
        } catch (const rt::AutomationError&) {
            // The first paint raised; the form stays, as far as it got.
        }
        if (!session.has_form()) return;
        clean_load = !session.load_stop() && session.form().load_errors().empty();
        if (!session.load_stop() && session.holder()) session.Run(steps);
        try {
            host::SaveForm(session.form(), saved.string());
        } catch (const rt::AutomationError&) {
            return; // a control raised while it wrote its properties
        }
    }
    user::PumpMessages();
    // What the system saved, it reads back: as a form always, and without a value refused when the
    // form it came from read cleanly.
    driver::Session again;
    try {
        again.Load(saved.string(), design, "");
    } catch (const host::FormFileError&) {
        require(false);
    } catch (const rt::AutomationError&) {
    }
    if (clean_load) require(again.has_form() && !again.load_stop());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        vntab::RegisterVNTabCtl();
        user::ScreenDC();
        return true;
    }();
    (void)ready;
    const gdi::LiveObjects before = gdi::live_objects();
    const bool design = size > 0 && (data[0] & 1) != 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0), size > 0 ? size - 1 : 0);
    const size_t nul = rest.find('\0');
    const std::string_view form = rest.substr(0, nul);
    const std::string_view script = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    try {
        RunWholePath(form, script, design);
    } catch (const rt::AutomationError&) {
    }
    user::PumpMessages();
    require(gdi::live_objects() == before);
    return 0;
}
