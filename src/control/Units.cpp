#include "control/VNTabCtl.h"

#include "platform/automation/AutomationError.h"

// Lengths are stored in pixels and exchanged in the scale units of the object the control stands
// in, converted anew on every get and set: changing the form's ScaleMode changes what the program
// sees, never what is stored.
namespace vntab {

int16_t VNTabCtl::GetContainerScaleMode() const {
    try {
        return m_site.ContainerScaleMode();
    } catch (const rt::AutomationError&) {
        // A container without a scale of its own (a frame): the form's scale serves.
    }
    try {
        return m_site.ParentScaleMode();
    } catch (const rt::AutomationError&) {
        return host::vbTwips;
    }
}

double VNTabCtl::ToPixelsX(double value) const {
    return m_site.ScaleX(value, GetContainerScaleMode(), host::vbPixels);
}
double VNTabCtl::ToPixelsY(double value) const {
    return m_site.ScaleY(value, GetContainerScaleMode(), host::vbPixels);
}
double VNTabCtl::FromPixelsX(double pixels) const {
    return m_site.ScaleX(pixels, host::vbPixels, GetContainerScaleMode());
}
double VNTabCtl::FromPixelsY(double pixels) const {
    return m_site.ScaleY(pixels, host::vbPixels, GetContainerScaleMode());
}

} // namespace vntab
