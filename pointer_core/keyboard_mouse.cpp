#include "pointer_core/keyboard_mouse.h"

namespace lumo {

namespace {

// Windows drops a hook that keeps it waiting and says nothing: a look every
// few seconds finds that out before long.
constexpr int kUpkeepMs = 3000;

}  // namespace

KeyboardMouse::KeyboardMouse(forms::Runtime& runtime, SharedState& state)
    : forms::Form(runtime, "KeyboardMouse"), state_(state), engine_(runtime.platform(), state.settings) {}

void KeyboardMouse::design() {
    setShowInTaskbar(false);
    setNoActivate(true);
    // The platform's shortest period; started by the engine's first key.
    engineTimer = addTimer("EngineTimer", 1, false);
    engineTimer->Tick = [this] { afterEngineStep(engine_.tick()); };
    upkeepTimer = addTimer("UpkeepTimer", kUpkeepMs, true);
    upkeepTimer->Tick = [this] {
        platform().checkInputWatch();
        if (seeing_) engine_.regainedSight();
    };
    Load = [this] {
        publishKeyTable();
        engine_.start(*this);
        state_.inputReported = engine_.reported();
        engineTimer->setEnabled(engine_.wantsTicks());
    };
    QueryUnload = [this](bool&) { engine_.stop(); };
}

void KeyboardMouse::settingsChanged() {
    engine_.releaseButtons();
    publishKeyTable();
    if (loaded()) engineTimer->setEnabled(engine_.wantsTicks());
}

void KeyboardMouse::releaseButtons() { engine_.releaseButtons(); }

void KeyboardMouse::keyChanged(KeyCode key, bool down) {
    const forms::Runtime::EventScope scope(runtime());
    afterEngineStep(engine_.keyChanged(key, down));
}

void KeyboardMouse::pointerMoved() {
    const forms::Runtime::EventScope scope(runtime());
    forms::notify(PointerMoved);
}

void KeyboardMouse::switchPressed() {
    const forms::Runtime::EventScope scope(runtime());
    state_.settings.hotkeysEnabled = !state_.settings.hotkeysEnabled;
    // The input thread flipped its own view with the press; this says the
    // flip is taken up.
    ++table_.switchesTakenUp;
    settingsChanged();
    forms::notify(Switched);
}

void KeyboardMouse::sightChanged(bool seeing) {
    const forms::Runtime::EventScope scope(runtime());
    seeing_ = seeing;
    if (seeing) {
        engine_.regainedSight();
        return;
    }
    engine_.lostSight();
    ++table_.sightEpoch;
    publishKeyTable();
    engineTimer->setEnabled(engine_.wantsTicks());
}

void KeyboardMouse::keyReportsChanged(bool reported) {
    const forms::Runtime::EventScope scope(runtime());
    engine_.keysReported(reported);
    state_.inputReported = engine_.reported();
    engineTimer->setEnabled(engine_.wantsTicks());
}

void KeyboardMouse::secondCopyStarted() {
    const forms::Runtime::EventScope scope(runtime());
    forms::notify(SecondCopyStarted);
}

void KeyboardMouse::afterEngineStep(bool movedPointer) {
    if (movedPointer) forms::notify(PointerMoved);
    engineTimer->setEnabled(engine_.wantsTicks());
}

void KeyboardMouse::publishKeyTable() {
    for (std::size_t i = 0; i < kActionCount; ++i) table_.keys[i] = state_.settings.keys[kActions[i]];
    table_.on = state_.settings.hotkeysEnabled;
    platform().publishKeyTable(table_);
}

}  // namespace lumo
