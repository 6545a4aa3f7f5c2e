// The engine's configuration in the benchmarks: hotkeys on, a step of 3 and
// the default bindings, and the engine itself.
#pragma once

#include "platform/sim/sim_platform.h"
#include "pointer_core/pointer_engine.h"
#include "pointer_core/shared_state.h"

namespace lumo::bench {

inline SharedState boundState() {
    SharedState state;
    state.settings.hotkeysEnabled = true;
    state.settings.stepPixels = 3;
    state.settings.keys = defaultKeyBindings();
    return state;
}

// An engine on the simulated platform that learns of keys either by input
// reports (held keys are reported to it) or, when `polled`, by probing them on
// every tick as where the platform offers no reports.
class BenchEngine : private InputListener {
public:
    BenchEngine(sim::SimPlatform& platform, const SharedState& state, bool polled) : engine(platform, state.settings) {
        platform.setInputReportsAvailable(!polled);
        engine.start(*this);
    }
    PointerEngine engine;

private:
    void keyChanged(KeyCode key, bool down) override { engine.keyChanged(key, down); }
    void pointerMoved() override {}
    void switchPressed() override {}
    void secondCopyStarted() override {}
    void sightChanged(bool) override {}
};

}  // namespace lumo::bench
