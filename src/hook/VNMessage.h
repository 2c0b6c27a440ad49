#pragma once

#include "hook/HookList.h"

#include <cstdint>
#include <string>

namespace hook {

class VNMessages;

// One message a hook watches on one window: its number (Value, unique within its list), a label
// (Text), and what happens around the hook's Message event: whether the window's own procedure
// handles the message too (ProcessDefaultProc) and whether it does so before the event
// (ProcessType 1) or after it (0).
class VNMessage final : public ListItem<VNMessage, VNMessages> {
public:
    int32_t Value() const { return m_value; }
    // "Message already exists." (0x8004041B) when any message of the list has the number, this one
    // included; the old number stays.
    void SetValue(int32_t value);
    const std::string& Text() const { return m_text; }
    void SetText(std::string text);
    bool ProcessDefaultProc() const { return m_process_default_proc; }
    void SetProcessDefaultProc(bool process) { m_process_default_proc = process; }
    int32_t ProcessType() const { return m_process_type; }
    void SetProcessType(int32_t type) { m_process_type = type; }

    std::string TypeName() const override { return "VNMessage"; }
    static const rt::MemberTable<VNMessage>& members();

private:
    int32_t m_value = 0;
    std::string m_text;
    bool m_process_default_proc = true;
    int32_t m_process_type = 0;
};

} // namespace hook
