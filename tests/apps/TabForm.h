#pragma once

#include <string>

namespace apps_tests {

// A form in pixels, 320 x 240 unless `client_width` (twips) says otherwise, holding one tab control
// of three tabs at (8, 8), 300 x 200; `keys` go into the control's block from line 12 on.
inline std::string TabForm(const std::string& keys, const std::string& client_width = "4800") {
    return "VERSION 1.0\n"
           "Begin Form Form1\n"
           "   ScaleMode       =   3\n"
           "   ClientWidth     =   " +
           client_width +
           "\n"
           "   ClientHeight    =   3600\n"
           "   Begin VNTabCtl VNTabCtl1\n"
           "      Left            =   8\n"
           "      Top             =   8\n"
           "      Width           =   300\n"
           "      Height          =   200\n"
           "      NumTabs         =   3\n" +
           keys +
           "   End\n"
           "End\n";
}

} // namespace apps_tests
