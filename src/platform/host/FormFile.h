#pragma once

#include "platform/automation/Variant.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The form text file: the syntax of a saved form, independent of what the objects in it are.
//
//   VERSION 1.0
//   Begin Form Form1
//      Caption         =   "Demo"
//      BeginProperty Font
//         Name            =   "MS Sans Serif"
//      EndProperty
//      Begin VNTabCtl VNTabCtl1
//         ...
//      End
//   End
//
// UTF-8 text with CRLF or LF line ends; one `Key = Value` a line; `'` starts a comment. Values are
// decimal integers, `&H...&` hexadecimal, decimal numbers, `True`/`False`, and double-quoted strings
// with `""` for a quote. Strings are held as ANSI (Windows-1252) text inside the system.
namespace host {

struct FormFileError : std::runtime_error {
    std::string file;
    int line;
    FormFileError(std::string file, int line, const std::string& what);
};

struct FormProperty {
    std::string key;
    rt::Variant value;
    int line = 0;
};

struct FormPropertyGroup;
// A block's properties in file order: plain values and BeginProperty groups interleaved.
using FormItem = std::variant<FormProperty, FormPropertyGroup>;

struct FormPropertyGroup {
    std::string name;
    std::vector<FormItem> items;
    int line = 0;
};

struct FormNode {
    std::string type; // as written, e.g. "VNTabCtl" or "VB.TextBox"
    std::string name;
    std::vector<FormItem> items;
    std::vector<FormNode> children;
    int line = 0;
};

struct FormDocument {
    std::string version = "1.0";
    bool crlf = false; // line ends of the file it was read from; written back the same way
    FormNode root;
};

// Limits that keep a hostile file from exhausting the reader.
constexpr size_t kMaxFormLineLength = 65536;
constexpr int kMaxFormNesting = 100;

// Parses a form file's text; `file_name` is used in error messages ("file:line: expected ...").
FormDocument ParseForm(std::string_view text, const std::string& file_name);
FormDocument ReadFormFile(const std::string& path);

// The canonical text of a document: three spaces of indent a level, keys padded so that values
// start in one column, colours (keys naming a Color) in hexadecimal, booleans as -1/0 with a
// True/False comment. A canonical file parses and formats back to the same bytes.
std::string FormatForm(const FormDocument& document);
// Writes the text to a temporary file in the same folder and renames it over `path`, so a failed
// save leaves the previous file as it was. Throws FormFileError on failure.
void WriteFormFile(const std::string& path, const std::string& text);

// Helpers for readers of a node.
const FormProperty* FindProperty(const std::vector<FormItem>& items, std::string_view key);
const FormPropertyGroup* FindGroup(const std::vector<FormItem>& items, std::string_view name);

} // namespace host
