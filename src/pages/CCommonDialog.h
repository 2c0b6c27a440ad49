#pragma once

#include <cstdint>
#include <string>

namespace vntab::pages {

// The open-file dialog, made for one use: its properties mirror the fields of the platform's
// open-file structure, ShowOpen shows the dialog through GetOpenFileNameA and brings the chosen file
// back in FileName.
class CCommonDialog {
public:
    // The extended error code of the last ShowOpen that failed (0 for a plain cancel).
    int32_t Error() const { return m_error; }

    int32_t hwndOwner = 0;
    int32_t Instance = 0;
    std::string CustomFilter;
    int32_t MaxCustFilter = 0;
    int32_t FilterIndex = 0; // 1-based
    // The initial file name, and the chosen one after a successful ShowOpen.
    std::string FileName;
    // The file-name buffer's size in characters; ShowOpen makes 0 mean 255.
    int32_t MaxFile = 0;
    std::string FileTitle;
    int32_t MaxFileTitle = 0;
    std::string InitialDir;
    std::string Title;
    int32_t Flags = 0; // passed to the platform unchanged
    int16_t FileOffset = 0;
    int16_t FileExtension = 0;
    std::string DefExt;
    int32_t CustData = 0;
    int32_t Hook = 0;
    std::string TemplateName;
    // Description and pattern pairs, each string ended by a zero character and the whole by a second
    // zero, as the caller builds it.
    std::string Filter;

    // True when the user chose a file; otherwise Error says why and FileName is left as it was.
    bool ShowOpen();

private:
    int32_t m_error = 0;
};

// The instance handle of the program that made a window (what the dialogs are given as the
// program's instance); 0 for a window that is gone.
int32_t ProgramInstance(int32_t hwnd);

} // namespace vntab::pages
