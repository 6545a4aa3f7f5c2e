// The whole program on one runtime: the shared state and the four windows,
// wired to each other. start() loads the tray window, which brings the program up.
#pragma once

#include <memory>

#include "platform/forms/forms.h"

namespace lumo {

class LumoApp {
public:
    explicit LumoApp(forms::Runtime& runtime);
    ~LumoApp();
    LumoApp(const LumoApp&) = delete;
    LumoApp& operator=(const LumoApp&) = delete;

    void start();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace lumo
