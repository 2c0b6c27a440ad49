#include "control/Registration.h"

#include "control/VNTabCtl.h"
#include "platform/host/Form.h"

namespace vntab {

void RegisterVNTabCtl() {
    host::RegisterControlType("VNTabCtl",
                              [](host::ControlSite& site) -> std::shared_ptr<host::ActiveXControl> {
                                  return VNTabCtl::Create(site);
                              });
}

} // namespace vntab
