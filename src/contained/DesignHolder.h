#pragma once

#include "platform/automation/Dispatch.h"

#include <memory>

namespace vntab {

// The design-time holder a control record keeps its control in while the form is designed (the
// component registered as "Quillet.CQuillet"). Records reach it late-bound through its two
// members: put_control stores a control, get_control returns it (Nothing before any was stored).
class CQuillet final : public rt::Dispatch {
public:
    std::string TypeName() const override { return "CQuillet"; }
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override;
    std::optional<int32_t> DispId(std::string_view name) const override;

private:
    std::shared_ptr<rt::Dispatch> m_control;
};

constexpr const char* kDesignHolderProgId = "Quillet.CQuillet";

// Creates the holder by its ProgID; error 429 "ActiveX component can't create object" for any other.
std::shared_ptr<rt::Dispatch> CreateObject(std::string_view prog_id);

} // namespace vntab
