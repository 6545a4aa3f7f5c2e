#include "settings_window/settings_window.h"

#include "platform/units.h"
#include "settings_window/settings_looks.h"

namespace lumo {

SettingsWindow::SettingsWindow(forms::Runtime& runtime, SharedState& state)
    : forms::Form(runtime, "SettingsWindow"),
      titleBar(*this),
      options(*this, state),
      picker(*this, options.keyBoxes, state.settings.keys),
      panel(*this) {}

void SettingsWindow::design() {
    setCaption("Lumo桌面小鼠标");
    setIcon(Asset::AppIcon);
    setShowInTaskbar(true);
    setBackColor(settings_looks::kBackground);
    // The window opens centred; Load sizes it from its title strip and body.
    const ScreenMetrics screen = platform().screen();
    const std::int32_t width = 5535, height = 6015;
    move(roundHalfEven((screen.widthTwips - width) / 2), roundHalfEven((screen.heightTwips - height) / 2), width,
         height);

    titleBar.addTimers();

    // Later controls lie on top: the key picker covers the options while it is
    // open, and the window menu drops over everything.
    titleBar.design();
    options.design();
    panel.design();
    picker.design();
    titleBar.designWindowMenu();
    // Before any handler is wired: filling a hotkey box is not an edit that
    // opens the key picker.
    picker.showBoundKeys();
    options.showSettingsInEffect();

    Load = [this] { onLoad(); };
    picker.wire();
    options.wire();
    titleBar.wire();
    wireChrome();
    panel.wire();
    wireParts();
    wireKeys();
}

void SettingsWindow::wireParts() {
    picker.KeyBound = [this] {
        forms::notify(HotkeysChanged);
        options.keepSettingsInEffect();
    };
    options.VirtualMouseRequested = [this] { forms::notify(VirtualMouseRequested); };
    options.HotkeysChanged = [this] { forms::notify(HotkeysChanged); };
    options.AboutRequested = [this] { forms::notify(AboutRequested); };
    options.Applied = [this] { unload(); };
    titleBar.CloseRequested = [this] { forms::notify(ExitRequested); };
    panel.FoldClicked = [this](bool folded) { foldBody(folded); };
}

}  // namespace lumo
