// One of a kind for each action of the keyboard mouse, reached by the action.
#pragma once

#include <array>
#include <cstddef>

#include "pointer_core/shared_state.h"

namespace lumo {

template <class T>
class PerAction {
public:
    T& operator[](Action action) { return items_[static_cast<std::size_t>(action)]; }
    const T& operator[](Action action) const { return items_[static_cast<std::size_t>(action)]; }

private:
    std::array<T, kActionCount> items_{};
};

}  // namespace lumo
