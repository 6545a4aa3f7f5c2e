#include "settings_window/settings_window.h"

#include "platform/units.h"
#include "settings_window/settings_looks.h"

namespace lumo {

SettingsWindow::SettingsWindow(forms::Runtime& runtime, SharedState& state)
    : forms::Form(runtime, "SettingsWindow"),
      picker(*this, keyBoxes, state.settings.keys),
      panel(*this),
      state_(state) {}

void SettingsWindow::design() {
    setCaption("Lumo桌面小鼠标");
    setIcon(Asset::AppIcon);
    setShowInTaskbar(true);
    setBackColor(settings_looks::kBackground);
    // The window opens centred; Load sizes it from its title strip and body.
    const ScreenMetrics screen = platform().screen();
    const std::int32_t width = 5535, height = 6015;
    move(roundHalfEven((screen.widthTwips - width) / 2), roundHalfEven((screen.heightTwips - height) / 2),
         width, height);

    addTimer(LUMO_CONTROL(foregroundWatchTimer), 50, false);  // runs while the window is shown
    addTimer(LUMO_CONTROL(moveModeTimer), 10, false);

    // Later controls lie on top: the key picker covers the options while it is
    // open, and the window menu drops over everything.
    designTitleBar();
    designOptions();
    designHotkeys();
    designApply();
    panel.design();
    picker.design();
    designWindowMenu();
    // Before any handler is wired: filling a hotkey box is not an edit that
    // opens the key picker.
    showSettingsInEffect();

    wireStartup();
    picker.wire();
    picker.KeyBound = [this] {
        forms::notify(HotkeysChanged);
        keepSettingsInEffect();
    };
    wireOptions();
    wireChrome();
    panel.wire();
    panel.FoldClicked = [this](bool folded) { foldBody(folded); };
    wireKeys();
}

}  // namespace lumo
