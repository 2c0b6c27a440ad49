#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"

#include <cstdint>
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
// Text with CRLF or LF line ends; one `Key = Value` a line; `'` starts a comment. Values are
// decimal integers, `&H...&` hexadecimal, decimal numbers, `True`/`False`, and double-quoted strings
// with `""` for a quote. Strings are held as ANSI (Windows-1252) text inside the system.
//
// The character set is decided for the file as a whole. After a UTF-8 byte-order mark, text that
// is UTF-8 throughout is UTF-8; without one, text that is UTF-8 throughout and has characters
// beyond ASCII is UTF-8. Anything else is Windows-1252, the character set of the forms older tools
// saved: its bytes are the control's strings as they are, the five bytes Windows-1252 leaves
// undefined included. A UTF-8 character that Windows-1252 cannot hold is read as '?' with a
// warning. A form is saved in the character set, byte-order mark, line ends and VERSION of the
// file it was read from, so an unchanged canonical file is written back byte for byte.
namespace host {

// "file:line: what", the place of anything said about a form file ("file: what" without a line,
// `what` alone for a form that has no file).
std::string Located(const std::string& file, int line, const std::string& what);

struct FormFileError : std::runtime_error {
    std::string file;
    int line;
    FormFileError(std::string file, int line, const std::string& what);
};

// A value of a form file that the runtime refused as it was read into an object (13 "Type
// mismatch", 6 "Overflow", 380 "Invalid property value", ...): the error, the value's line and the
// name it is reported under ("Font.Size").
struct FormValueError : std::runtime_error {
    FormValueError(int line, std::string subject, rt::AutomationError error);
    int line;
    std::string subject;
    rt::AutomationError error;
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

enum class FormEncoding : uint8_t { Windows1252, Utf8 };

// How a form file is written: what the reader found in the file a form came from, so that saving
// writes the form the same way. A new form is UTF-8 with LF line ends and no byte-order mark.
struct FormFileStyle {
    std::string version = "1.0";
    FormEncoding encoding = FormEncoding::Utf8;
    bool bom = false;
    bool crlf = false;
};

struct FormDocument {
    FormFileStyle style;
    FormNode root;
    // What the reader noticed and read on past, one "file:line: ..." line each: text that changes
    // on the way into the control's strings.
    std::vector<std::string> warnings;
};

// Limits that keep a hostile file from exhausting the reader.
constexpr size_t kMaxFormLineLength = 65536;
constexpr int kMaxFormNesting = 100;

// Parses a form file's text; `file_name` is used in error messages ("file:line: expected ...").
FormDocument ParseForm(std::string_view text, const std::string& file_name);
FormDocument ReadFormFile(const std::string& path);

// The canonical text of a document: three spaces of indent a level, keys padded so that values
// start in one column, colours (keys naming a Color) in hexadecimal, booleans as -1/0 with a
// True/False comment, in the document's style. A canonical file parses and formats back to the same
// bytes. Windows-1252 text that would read back as UTF-8 (the bytes that made the file
// Windows-1252 were all in comments, which are not kept) is written as UTF-8 instead, so the
// strings read back as they were.
std::string FormatForm(const FormDocument& document);
// Saves the text through SaveFileSafely: the file holds the old text or the new, never a part.
// Throws FormFileError naming the file and the system's reason.
void WriteFormFile(const std::string& path, const std::string& text);

// Helpers for readers of a node.
const FormProperty* FindProperty(const std::vector<FormItem>& items, std::string_view key);
const FormPropertyGroup* FindGroup(const std::vector<FormItem>& items, std::string_view name);

} // namespace host
