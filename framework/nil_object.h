#pragma once
// Objects the program shares are reached through Ref, a counted reference that may be nil.
// Calling through a nil Ref raises NilObjectException instead of touching memory; the framework
// reports such an exception when it leaves an event handler and the program goes on.

#include <memory>
#include <stdexcept>
#include <utility>

namespace framework {

class NilObjectException : public std::runtime_error {
public:
    NilObjectException() : std::runtime_error("NilObjectException") {}
};

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    explicit Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}
    template <class U>
    requires std::is_convertible_v<U*, T*> Ref(const Ref<U>& other) : object_(other.Shared()) {}

    T* operator->() const { return &operator*(); }
    T& operator*() const {
        if (!object_) throw NilObjectException();
        return *object_;
    }
    explicit operator bool() const { return object_ != nullptr; }
    T* get() const { return object_.get(); }
    const std::shared_ptr<T>& Shared() const { return object_; }

    template <class U>
    friend bool operator==(const Ref& a, const Ref<U>& b) {
        return a.get() == b.get();
    }
    friend bool operator==(const Ref& a, std::nullptr_t) { return !a.object_; }

private:
    std::shared_ptr<T> object_;
};

template <class T, class... Args>
Ref<T> New(Args&&... args) {
    return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// A checked conversion: nil when `object` is nil or not a T.
template <class T, class U>
Ref<T> As(const Ref<U>& object) {
    return Ref<T>(std::dynamic_pointer_cast<T>(object.Shared()));
}

}  // namespace framework
