#pragma once

#include "platform/automation/Variant.h"
#include "platform/host/FormRunner.h"

#include <vntab/vntab.h>

// The boundary between the library's public types and the automation runtime inside it.
namespace embed {

// Texts cross as UTF-8 outside and ANSI inside; an object crosses as empty.
vntab::Value ToValue(const rt::Variant& value);
rt::Variant ToVariant(const vntab::Value& value);
vntab::Event ToEvent(const host::FormRunner::RecordedEvent& event);

// Runs `work` with the form's dialog provider installed, and turns the errors of the runtime and of
// form files into the public ones.
template <class Work>
auto Guarded(host::FormRunner& runner, Work&& work) -> decltype(work());
[[noreturn]] void Rethrow();

template <class Work>
auto Guarded(host::FormRunner& runner, Work&& work) -> decltype(work()) {
    host::ScopedDialogProvider provider(runner.dialogs());
    try {
        return work();
    } catch (...) {
        Rethrow();
    }
}

} // namespace embed
