#include "render/ShapeSketch.h"

#include <string_view>

namespace vntab::render_testing {

namespace {

std::string Pair(int64_t x, int64_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

std::string Box(const std::vector<int64_t>& a) {
    return Pair(a.at(0), a.at(1)) + "," + Pair(a.at(2), a.at(3));
}

std::string ColorName(const gdi::TraceRecord& r, const std::map<gdi::COLORREF, std::string>& names) {
    if (!r.color) return "?";
    auto it = names.find(*r.color);
    return it != names.end() ? it->second : gdi::color_text(*r.color);
}

std::string CombineMode(int64_t mode) {
    switch (mode) {
    case 1:
        return "AND";
    case 2:
        return "OR";
    case 4:
        return "DIFF";
    default:
        return std::to_string(mode);
    }
}

} // namespace

std::vector<std::string> Sketch(const gdi::Trace& trace, const std::map<gdi::COLORREF, std::string>& names) {
    std::vector<std::string> out;
    std::map<std::string, std::string> polygons; // region name -> its corners
    for (const gdi::TraceRecord& r : trace.records()) {
        const std::string_view name = r.name;
        if (name == "MoveToEx") {
            out.push_back("M " + Pair(r.args.at(0), r.args.at(1)));
        } else if (name == "LineTo") {
            out.push_back("L " + Pair(r.args.at(0), r.args.at(1)) + " " + ColorName(r, names));
        } else if (name == "CreatePolygonRgn" && !r.objects.empty()) {
            std::string corners;
            for (const gdi::POINT& p : r.points)
                corners += " " + Pair(p.x, p.y);
            polygons[r.objects.back()] = corners;
        } else if (name == "CreateEllipticRgn") {
            out.push_back("ellipse " + Box(r.args));
        } else if (name == "CreateRectRgn") {
            out.push_back("rectrgn " + Box(r.args));
        } else if (name == "CombineRgn") {
            out.push_back("combine " + CombineMode(r.args.at(0)));
        } else if (name == "FillRgn" && !r.objects.empty()) {
            auto it = polygons.find(r.objects.front());
            out.push_back((it != polygons.end() ? "poly" + it->second : "fill") + " " + ColorName(r, names));
        } else if (name == "FillRect") {
            out.push_back("rect " + Box(r.args) + " " + ColorName(r, names));
        } else if (name == "Arc") {
            out.push_back("arc " + Box(r.args) + " " + Pair(r.args.at(4), r.args.at(5)) + " " +
                          Pair(r.args.at(6), r.args.at(7)) + " " + ColorName(r, names));
        } else if (name == "DeleteObject" && !r.objects.empty()) {
            polygons.erase(r.objects.front());
        }
    }
    return out;
}

} // namespace vntab::render_testing
