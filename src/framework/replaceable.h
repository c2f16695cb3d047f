// The system's implementation of a seam, which a test may replace: restarts,
// rights, network enumeration and the like must not happen for real there.
#pragma once

namespace fw {

template <typename Interface, typename System = Interface>
class Replaceable {
public:
    // The replacement in force, else the system's (made on first use).
    Interface& Get() {
        static System system;
        return current_ ? *current_ : system;
    }
    // Null restores the system's; returns the previous replacement.
    Interface* Set(Interface* replacement) {
        Interface* previous = current_;
        current_ = replacement;
        return previous;
    }

private:
    Interface* current_ = nullptr;
};

} // namespace fw
