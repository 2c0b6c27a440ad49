#include "Options.h"

#include <cstdio>

namespace studio {

const char* const kUsage =
    "usage: vntab-studio [FORM.frm] [--script FILE] [--screenshot OUT.png] [--log FILE]\n"
    "                    [--size WxH] [--zoom 1|2|3] [--dpi 96|120|144|192] [--measure-resize FRAMES]\n";

namespace {

bool whole(const std::string& text, int& value) {
    size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

} // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::string* value = nullptr;
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return std::nullopt;
            }
            value = &args[++i];
        }
        if (a == "--script") {
            o.script = *value;
        } else if (a == "--screenshot") {
            o.screenshot = *value;
        } else if (a == "--log") {
            o.log = *value;
        } else if (a == "--size") {
            const size_t x = value->find('x');
            if (x == std::string::npos || !whole(value->substr(0, x), o.width) ||
                !whole(value->substr(x + 1), o.height) || o.width < 200 || o.height < 150 ||
                o.width > 16384 || o.height > 16384) {
                error = "--size takes WIDTHxHEIGHT, at least 200x150, not " + *value;
                return std::nullopt;
            }
        } else if (a == "--zoom") {
            if (!whole(*value, o.zoom) || o.zoom < 1 || o.zoom > 3) {
                error = "--zoom takes 1, 2 or 3, not " + *value;
                return std::nullopt;
            }
        } else if (a == "--dpi") {
            if (!whole(*value, o.dpi) || (o.dpi != 96 && o.dpi != 120 && o.dpi != 144 && o.dpi != 192)) {
                error = "--dpi takes 96, 120, 144 or 192, not " + *value;
                return std::nullopt;
            }
        } else if (a == "--measure-resize") {
            if (!whole(*value, o.measure_frames) || o.measure_frames < 1) {
                error = "--measure-resize takes a number of frames, not " + *value;
                return std::nullopt;
            }
        } else if (!a.empty() && a[0] != '-' && o.form.empty()) {
            o.form = a;
        } else {
            error = "unexpected " + a;
            return std::nullopt;
        }
    }
    if (!o.screenshot.empty() && o.script.empty()) {
        error = "--screenshot needs --script";
        return std::nullopt;
    }
    if ((!o.script.empty() || o.measure_frames) && o.form.empty()) {
        error = "--script and --measure-resize need a form";
        return std::nullopt;
    }
    return o;
}

} // namespace studio
