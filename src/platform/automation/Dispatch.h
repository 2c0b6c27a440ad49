#pragma once

#include "Variant.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// Late binding. Every public object and every contained host control implements Dispatch: members
// are found by name without regard to case, and a missing member raises error 438 "Object doesn't
// support this property or method". Property pages, the form loader and the command line reach
// objects through it; typed C++ accessors exist beside it for C++ callers.
class Dispatch : public std::enable_shared_from_this<Dispatch> {
public:
    virtual ~Dispatch() = default;

    virtual std::string TypeName() const = 0;
    virtual Variant Get(std::string_view name);
    virtual void Let(std::string_view name, const Variant& value);
    virtual void Set(std::string_view name, const std::shared_ptr<Dispatch>& object);
    virtual Variant Call(std::string_view name, std::span<const Variant> args);
    // The dispatch identifier of a member, or nothing when the object has no such member.
    virtual std::optional<int32_t> DispId(std::string_view name) const;

    Variant Call(std::string_view name, std::initializer_list<Variant> args) {
        return Call(name, std::span<const Variant>(args.begin(), args.size()));
    }
    Variant Call(std::string_view name) { return Call(name, std::span<const Variant>()); }
};

[[noreturn]] void raise_member_not_found();

// The argument `i` of a call, or nothing when it was left out (fewer arguments, or Empty passed
// where the caller meant "missing").
inline OptionalVariant optional_arg(std::span<const Variant> args, size_t i) {
    if (i < args.size()) return args[i];
    return std::nullopt;
}
// Argument `i`, which must be there (error 5 when it is missing).
const Variant& required_arg(std::span<const Variant> args, size_t i);

// A table of an object's members for Dispatch: each entry binds a name (and dispatch identifier)
// to the object's typed accessors. Lookup ignores case.
template <class T>
struct Member {
    std::string_view name;
    int32_t dispid = 0;
    Variant (*get)(T&) = nullptr;
    void (*let)(T&, const Variant&) = nullptr;
    void (*set)(T&, const std::shared_ptr<Dispatch>&) = nullptr;
    Variant (*call)(T&, std::span<const Variant>) = nullptr;
};

bool member_name_equals(std::string_view a, std::string_view b);

template <class T>
class MemberTable {
public:
    explicit MemberTable(std::vector<Member<T>> members) : m_members(std::move(members)) {}

    const Member<T>* find(std::string_view name) const {
        for (const auto& m : m_members)
            if (member_name_equals(m.name, name)) return &m;
        return nullptr;
    }
    const std::vector<Member<T>>& members() const { return m_members; }

    Variant get(T& self, std::string_view name) const {
        const Member<T>* m = find(name);
        if (m && m->get) return m->get(self);
        if (m && m->call) return m->call(self, {});
        raise_member_not_found();
    }
    void let(T& self, std::string_view name, const Variant& value) const {
        const Member<T>* m = find(name);
        if (m && m->let) return m->let(self, value);
        if (m && m->set && value.is_object()) return m->set(self, value.as_object());
        raise_member_not_found();
    }
    void set(T& self, std::string_view name, const std::shared_ptr<Dispatch>& object) const {
        const Member<T>* m = find(name);
        if (m && m->set) return m->set(self, object);
        raise_member_not_found();
    }
    Variant call(T& self, std::string_view name, std::span<const Variant> args) const {
        const Member<T>* m = find(name);
        if (m && m->call) return m->call(self, args);
        if (m && m->get && args.empty()) return m->get(self);
        raise_member_not_found();
    }
    std::optional<int32_t> dispid(std::string_view name) const {
        const Member<T>* m = find(name);
        if (!m) return std::nullopt;
        return m->dispid;
    }

private:
    std::vector<Member<T>> m_members;
};

} // namespace rt
