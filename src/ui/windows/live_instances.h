#pragma once

#include <vector>

namespace ui {

// Registers an object of a self-owned window class while it lives, so that tests and the
// automation channel can reach windows that nobody holds a pointer to. Hold one as a member,
// constructed with `this`.
template <typename T>
class LiveInstance {
public:
    explicit LiveInstance(T* object) : object_(object) { List().push_back(object_); }
    ~LiveInstance() { std::erase(List(), object_); }
    LiveInstance(const LiveInstance&) = delete;
    LiveInstance& operator=(const LiveInstance&) = delete;

    // The objects alive now, oldest first.
    static const std::vector<T*>& All() { return List(); }

private:
    static std::vector<T*>& List() {
        static std::vector<T*> objects;
        return objects;
    }

    T* object_;
};

}  // namespace ui
