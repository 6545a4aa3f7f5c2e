#include "platform/input_health.h"

namespace lumo {

bool InputHealth::start(InputListener& listener) {
    stop();
    listener_ = &listener;
    install();
    return hooked_;
}

void InputHealth::stop() {
    if (hooked_) driver_.removeHooks();
    if (hotKeys_) driver_.takeSwitchAsHotKeys(false);
    hooked_ = hotKeys_ = witnessed_ = false;
    blindness_ = 0;
    listener_ = nullptr;
}

void InputHealth::keyboardWitnessed(std::uint32_t time) {
    if (!listener_ || blind()) return;
    witnessed_ = true;
    lastWitnessed_ = time;
}

void InputHealth::setBlind(Blindness reason, bool on) {
    const bool wasBlind = blind();
    const auto bit = static_cast<unsigned>(reason);
    blindness_ = on ? blindness_ | bit : blindness_ & ~bit;
    if (wasBlind == blind()) return;
    // What the witness saw before belongs to the time the hooks could not see.
    witnessed_ = false;
    if (listener_) listener_->sightChanged(!blind());
}

void InputHealth::upkeep(std::uint32_t lastHookEvent) {
    if (!listener_) return;
    if (!hooked_) {
        install();
        if (hooked_) listener_->keyReportsChanged(true);
        return;
    }
    if (blind() || !witnessed_ || static_cast<std::int32_t>(lastWitnessed_ - lastHookEvent) <= kGraceMs) return;
    witnessed_ = false;
    listener_->sightChanged(false);
    driver_.removeHooks();
    hooked_ = false;
    install();
    if (!hooked_) listener_->keyReportsChanged(false);
    if (!blind()) listener_->sightChanged(true);
}

void InputHealth::install() {
    hooked_ = driver_.installHooks();
    if (hotKeys_ != !hooked_) {
        hotKeys_ = !hooked_;
        driver_.takeSwitchAsHotKeys(hotKeys_);
    }
    if (hooked_) witnessed_ = false;
}

}  // namespace lumo
