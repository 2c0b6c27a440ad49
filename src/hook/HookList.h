#pragma once

#include "hook/KeyedItems.h"
#include "platform/automation/Dispatch.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The shape the window list and the message list of a hook share: Count, Item, NewEnum, Remove
// and Clear, the Added, Removed and Changed events, and the items that carry Key, Tag and Index
// and tell their list when a property changes.
namespace hook {

// Argument `i` of a late-bound call; nothing when it was left out (Dispatch passes Empty then).
inline rt::OptionalVariant GivenArg(std::span<const rt::Variant> args, size_t i) {
    rt::OptionalVariant arg = rt::optional_arg(args, i);
    if (arg && arg->is_empty()) return std::nullopt;
    return arg;
}

// Late binding through the class's member table, `Self::members()`.
template <class Self>
class BoundMembers : public rt::Dispatch {
public:
    rt::Variant Get(std::string_view name) override { return Self::members().get(self(), name); }
    void Let(std::string_view name, const rt::Variant& value) override {
        Self::members().let(self(), name, value);
    }
    void Set(std::string_view name, const std::shared_ptr<rt::Dispatch>& object) override {
        Self::members().set(self(), name, object);
    }
    using rt::Dispatch::Call;
    rt::Variant Call(std::string_view name, std::span<const rt::Variant> args) override {
        return Self::members().call(self(), name, args);
    }
    std::optional<int32_t> DispId(std::string_view name) const override {
        return Self::members().dispid(name);
    }

private:
    Self& self() { return static_cast<Self&>(*this); }
};

// Self: the list class; T: its items.
template <class Self, class T>
class HookList : public BoundMembers<Self> {
public:
    explicit HookList(const char* source) : m_items(source) {}

    int32_t Count() const { return m_items.Count(); }
    // A position 1 to Count, or a key; "Index out of bounds." otherwise.
    std::shared_ptr<T> Item(const rt::Variant& index) const { return m_items.At(index); }
    std::shared_ptr<rt::Enumerator> NewEnum() const { return m_items.NewEnum(); }
    // Removes the item at a position or with a key, renumbers the rest and raises Removed.
    void Remove(const rt::Variant& index) {
        std::shared_ptr<T> item = m_items.Erase(index);
        item->SetParent({});
        RaiseRemoved(item);
    }
    // Empties the list and raises Removed with no item.
    void Clear() {
        for (const auto& item : m_items.TakeAll())
            item->SetParent({});
        RaiseRemoved(nullptr);
    }
    const std::vector<std::shared_ptr<T>>& items() const { return m_items.items(); }

    // Events, for whoever listens.
    std::function<void(const std::shared_ptr<T>&)> Added;
    std::function<void(const std::shared_ptr<T>&)> Removed;
    std::function<void(const std::shared_ptr<T>&, const std::string& property)> Changed;

    // Used by the items.
    bool KeyTaken(const rt::Variant& key, const T* self) const { return m_items.KeyTaken(key, self); }
    // Raises Changed, except while the item is being added (it is announced as added instead).
    void NotifyChanged(const std::shared_ptr<T>& item, const std::string& property) {
        if (!m_adding) RaiseChanged(item, property);
    }

protected:
    // Adds a new item: its parent link first, so that `configure` (setting its properties) meets
    // the list's uniqueness checks; then it goes in at `before` and Added is raised. An error
    // leaves the list as it was.
    std::shared_ptr<T> AddItem(std::shared_ptr<T> item, const rt::OptionalVariant& before,
                               const std::function<void(T&)>& configure) {
        item->SetParent(std::static_pointer_cast<Self>(this->shared_from_this()));
        m_adding = true;
        try {
            configure(*item);
            m_items.Insert(item, before);
        } catch (...) {
            m_adding = false;
            item->SetParent({});
            throw;
        }
        m_adding = false;
        RaiseAdded(item);
        return item;
    }

    virtual void RaiseAdded(const std::shared_ptr<T>& item) {
        if (auto handler = Added) handler(item);
    }
    virtual void RaiseRemoved(const std::shared_ptr<T>& item) {
        if (auto handler = Removed) handler(item);
    }
    virtual void RaiseChanged(const std::shared_ptr<T>& item, const std::string& property) {
        if (auto handler = Changed) handler(item, property);
    }

    // The members every list has, for its table of late-bound members.
    static std::vector<rt::Member<Self>> CommonMembers() {
        using M = rt::Member<Self>;
        return {
            M{"Count", 2, [](Self& l) { return rt::Variant(l.Count()); }},
            // The default member (DISPID_VALUE).
            M{"Item", 0, nullptr, nullptr, nullptr,
              [](Self& l, std::span<const rt::Variant> a) {
                  return rt::Variant(l.Item(rt::required_arg(a, 0)));
              }},
            M{"NewEnum", rt::kDispIdNewEnum, nullptr, nullptr, nullptr,
              [](Self& l, std::span<const rt::Variant>) { return rt::Variant(l.NewEnum()); }},
            M{"Remove", 3, nullptr, nullptr, nullptr,
              [](Self& l, std::span<const rt::Variant> a) {
                  l.Remove(rt::required_arg(a, 0));
                  return rt::Variant();
              }},
            M{"Clear", 4, nullptr, nullptr, nullptr,
              [](Self& l, std::span<const rt::Variant>) {
                  l.Clear();
                  return rt::Variant();
              }},
        };
    }

private:
    detail::KeyedItems<T> m_items;
    bool m_adding = false;
};

// An item of a hook list: Key (unique within the list), Tag (free data), Index (its position) and
// the link to its list, which hears of every change by the property's name.
// Self: the item class; List: its list.
template <class Self, class List>
class ListItem : public BoundMembers<Self> {
public:
    const rt::Variant& Key() const { return m_key; }
    // "Key already exists." (0x8004041B) when another item of the list has the key; the old key
    // stays. Changed is raised only when the key really changes.
    void SetKey(const rt::Variant& key) {
        if (auto list = Parent(); list && list->KeyTaken(key, static_cast<const Self*>(this)))
            rt::raise_error(rt::kErrHookKeyExists, this->TypeName());
        const bool differs = detail::KeyText(key) != detail::KeyText(m_key);
        m_key = key;
        if (differs) Notify("Key");
    }
    const rt::Variant& Tag() const { return m_tag; }
    void SetTag(rt::Variant tag) { m_tag = std::move(tag); }
    int32_t Index() const { return m_index; }

    // Used by the list.
    void SetIndex(int32_t index) { m_index = index; }
    std::shared_ptr<List> Parent() const { return m_parent.lock(); }
    void SetParent(std::weak_ptr<List> list) { m_parent = std::move(list); }

protected:
    void Notify(const std::string& property) {
        if (auto list = Parent())
            list->NotifyChanged(std::static_pointer_cast<Self>(this->shared_from_this()), property);
    }

    // The members every item has, for its table of late-bound members.
    static std::vector<rt::Member<Self>> CommonMembers() {
        using M = rt::Member<Self>;
        return {
            M{"Key", 3, [](Self& i) { return i.Key(); }, [](Self& i, const rt::Variant& v) { i.SetKey(v); }},
            // Free data: any value, an object too.
            M{"Tag", 4, [](Self& i) { return i.Tag(); }, [](Self& i, const rt::Variant& v) { i.SetTag(v); },
              [](Self& i, const std::shared_ptr<rt::Dispatch>& o) { i.SetTag(rt::Variant(o)); }},
            M{"Index", 5, [](Self& i) { return rt::Variant(i.Index()); }},
        };
    }

private:
    rt::Variant m_key;
    rt::Variant m_tag;
    int32_t m_index = 0;
    std::weak_ptr<List> m_parent;
};

// A member table of a list or an item: the shared members followed by its own.
template <class Self>
rt::MemberTable<Self> MembersOf(std::vector<rt::Member<Self>> common, std::vector<rt::Member<Self>> own) {
    common.insert(common.end(), own.begin(), own.end());
    return rt::MemberTable<Self>(std::move(common));
}

} // namespace hook
