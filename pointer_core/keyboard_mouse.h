// The keyboard mouse for the whole run: the pointer engine, its timer and the
// input reports on a hidden window of its own that loads at start-up, so the
// switch key and the bound keys work before any apply and whichever windows
// are open. It keeps the key table the input thread decides with up to date.
#pragma once

#include <functional>

#include "forms/forms.h"
#include "pointer_core/pointer_engine.h"
#include "pointer_core/shared_state.h"

namespace lumo {

class KeyboardMouse : public forms::Form, private InputListener {
public:
    KeyboardMouse(forms::Runtime& runtime, SharedState& state);

    // What it tells the rest of the program; unset ones do nothing.
    std::function<void()> Switched;           // the switch key flipped hotkeysEnabled
    std::function<void()> PointerMoved;       // a reported move, or the engine moved the pointer
    std::function<void()> SecondCopyStarted;  // another start asks this copy to show itself

    // The switch or a binding changed: held buttons go up, the input thread
    // learns of the change.
    void settingsChanged();
    // A click is about to be made some other way, or the program ends.
    void releaseButtons();

    forms::Timer* engineTimer = nullptr;  // ticks the engine while it asks
    forms::Timer* upkeepTimer = nullptr;  // restarts input reports that went quiet

protected:
    void design() override;

private:
    // ---- InputListener ----
    void keyChanged(KeyCode key, bool down) override;
    void pointerMoved() override;
    void switchPressed() override;
    void sightChanged(bool seeing) override;
    void keyReportsChanged(bool reported) override;
    void secondCopyStarted() override;

    void afterEngineStep(bool movedPointer);
    void publishKeyTable();

    SharedState& state_;
    PointerEngine engine_;
    KeyTable table_;
    bool seeing_ = true;
};

}  // namespace lumo
