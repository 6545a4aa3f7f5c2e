#include "forms/runtime.h"

namespace lumo::forms {

Runtime::~Runtime() {
    flushing_ = false;
    flush();
}

Runtime::EventScope::~EventScope() {
    if (--r_.depth_ == 0) r_.flush();
}

void Runtime::retire(std::unique_ptr<FormPeer> peer) {
    if (!peer) return;
    retiredPeers_.push_back(std::move(peer));
    if (depth_ == 0) flush();
}

void Runtime::retire(std::vector<std::unique_ptr<Control>> controls) {
    for (auto& c : controls) retiredControls_.push_back(std::move(c));
    if (depth_ == 0) flush();
}

void Runtime::flush() {
    // Destroying a peer can send window messages that open nested events.
    if (flushing_) return;
    flushing_ = true;
    while (!retiredPeers_.empty() || !retiredControls_.empty()) {
        auto peers = std::move(retiredPeers_);
        retiredPeers_.clear();
        peers.clear();
        auto controls = std::move(retiredControls_);
        retiredControls_.clear();
        controls.clear();
    }
    flushing_ = false;
}

}  // namespace lumo::forms
