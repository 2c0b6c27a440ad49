#pragma once

#include "Commands.h"

#include "control/Registration.h"
#include "platform/gdi/Gdi.h"
#include "support/Files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace support {

// `vntab render` run in the test's process on a form with an inline script, its picture and dump
// written to a folder of the test's own.
class RenderFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vntab::RegisterVNTabCtl(); }
    void SetUp() override { gdi::SetLogicalDpi(96); }

    // Renders with the script and any further arguments; keeps what was said on stderr.
    int Render(const std::filesystem::path& form, const std::string& steps,
               std::vector<std::string> more = {}) {
        std::vector<std::string> args = {form.string(), "-o", png(), "--dump", dump_path(), "--steps", steps};
        args.insert(args.end(), more.begin(), more.end());
        testing::internal::CaptureStderr();
        const int status = vntab_cli::RenderCommand(args);
        stderr_text = testing::internal::GetCapturedStderr();
        return status;
    }
    nlohmann::json Dump() const { return nlohmann::json::parse(ReadFile(dump_path())); }
    std::string png() const { return m_dir / "out.png"; }
    std::string dump_path() const { return m_dir / "out.json"; }
    std::string Path(const std::string& name) const { return m_dir / name; }

    std::string stderr_text;
    TempFolder m_dir{"render"};
};

} // namespace support
