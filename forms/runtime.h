// The forms of one process, their backend and platform. Events from the
// backend run inside an EventScope; objects discarded during an event (a form
// unloaded by its own handler) are freed only when the outermost event ends.
#pragma once

#include <memory>
#include <vector>

#include "forms/backend.h"

namespace lumo::forms {

class Form;

class Runtime {
public:
    Runtime(Platform& platform, Backend& backend) : platform_(platform), backend_(backend) {}
    ~Runtime();
    Platform& platform() const { return platform_; }
    Backend& backend() const { return backend_; }
    const std::vector<Form*>& forms() const { return forms_; }

    class EventScope {
    public:
        explicit EventScope(Runtime& r) : r_(r) { ++r_.depth_; }
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        Runtime& r_;
    };

    void retire(std::unique_ptr<FormPeer> peer);
    void retire(std::vector<std::unique_ptr<Control>> controls);

private:
    friend class Form;
    void flush();

    Platform& platform_;
    Backend& backend_;
    std::vector<Form*> forms_;
    int depth_ = 0;
    bool flushing_ = false;
    std::vector<std::unique_ptr<FormPeer>> retiredPeers_;
    std::vector<std::unique_ptr<Control>> retiredControls_;
};

}  // namespace lumo::forms
