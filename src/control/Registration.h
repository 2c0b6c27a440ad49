#pragma once

namespace vntab {

// Makes "VNTabCtl" a control type that forms can hold (host::RegisterControlType), for the calling
// thread's forms.
void RegisterVNTabCtl();

} // namespace vntab
