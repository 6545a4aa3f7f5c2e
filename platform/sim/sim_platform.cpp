#include "platform/sim/sim_platform.h"

#include <algorithm>

#include "platform/units.h"

namespace lumo::sim {

bool SimPlatform::isKeyDown(KeyCode key) {
    ++callCount;
    keyProbes.push_back(key);
    return (!key.empty() && keys_[key.code()]) || (key == Key::LeftButton && injectedButtons_[0]) ||
           (key == Key::RightButton && injectedButtons_[1]);
}

Point SimPlatform::cursorPos() {
    ++callCount;
    return cursor_;
}

void SimPlatform::setCursorPos(std::int32_t x, std::int32_t y) {
    ++callCount;
    cursorMoves.push_back({x, y});
    // Like the real desktop, the pointer stays on the screen.
    ScreenRect desktop{0, 0, twipsToPixels(screen_.widthTwips, screen_.twipsPerPixelX),
                       twipsToPixels(screen_.heightTwips, screen_.twipsPerPixelY)};
    if (!monitors_.empty()) desktop = monitors_.front();
    for (const ScreenRect& m : monitors_) {
        desktop = {std::min(desktop.left, m.left), std::min(desktop.top, m.top), std::max(desktop.right, m.right),
                   std::max(desktop.bottom, m.bottom)};
    }
    cursor_ = {std::clamp(x, desktop.left, std::max(desktop.left, desktop.right - 1)),
               std::clamp(y, desktop.top, std::max(desktop.top, desktop.bottom - 1))};
}

void SimPlatform::click(MouseButton button) {
    ++callCount;
    clicks.push_back({button, cursor_});
}

void SimPlatform::pressButton(MouseButton button) {
    ++callCount;
    buttonCalls.push_back({button, true, cursor_});
    injectedButtons_[button == MouseButton::Left ? 0 : 1] = true;
}

void SimPlatform::releaseButton(MouseButton button) {
    ++callCount;
    buttonCalls.push_back({button, false, cursor_});
    if (health_.blind()) return;  // the release lands where the program cannot reach
    injectedButtons_[button == MouseButton::Left ? 0 : 1] = false;
}

bool SimPlatform::watchInput(InputListener* listener) {
    ++callCount;
    listener_ = listener;
    if (!listener) {
        health_.stop();
        return false;
    }
    gate_.reset(publishedTables.empty() ? KeyTable{} : publishedTables.back());
    return health_.start(*listener);
}

void SimPlatform::publishKeyTable(const KeyTable& table) {
    ++callCount;
    publishedTables.push_back(table);
}

void SimPlatform::checkInputWatch() {
    ++callCount;
    health_.upkeep(lastHookEvent_);
}

bool SimPlatform::buttonsSwapped() {
    ++callCount;
    return buttonsSwapped_;
}

void SimPlatform::reportPointerMoves(bool on) {
    ++callCount;
    reportMoves_ = on;
}

void SimPlatform::setTopmost(WindowHandle window, bool topmost, bool activate) {
    ++callCount;
    topmostCalls.push_back({window, topmost, activate});
}

void SimPlatform::makeColorKeyed(WindowHandle window, std::uint32_t) {
    ++callCount;
    colorKeyed.push_back(window);
}

void SimPlatform::startWindowDrag(WindowHandle window) {
    ++callCount;
    drags.push_back(window);
}

WindowHandle SimPlatform::foregroundWindow() {
    ++callCount;
    return foreground_;
}

void SimPlatform::shellOpen(WindowHandle owner, const std::string& address) {
    ++callCount;
    shellOpens.push_back({owner, address});
}

void SimPlatform::startProgram(const std::string& commandLine, ShowState show) {
    ++callCount;
    programStarts.push_back({commandLine, show});
}

bool SimPlatform::notifyIcon(TrayAction action, const TrayIconData& data) {
    ++callCount;
    trayCalls.push_back({action, data});
    if (action == TrayAction::UseCurrentVersion) return traySpeaksCurrentVersion_;
    return !(action == TrayAction::Add && trayRefusesAdd_);
}

IconHandle SimPlatform::iconHandle(Asset icon) { return 0x7000 + static_cast<IconHandle>(icon); }

std::optional<KeptValue> SimPlatform::keptValue(const std::string& name) {
    ++callCount;
    const auto value = kept.find(name);
    if (value == kept.end()) return std::nullopt;
    return value->second;
}

void SimPlatform::keepNumber(const std::string& name, std::uint32_t value) {
    ++callCount;
    kept[name] = {true,
                  {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

ScreenMetrics SimPlatform::screen() { return screen_; }

ScreenRect SimPlatform::workAreaAt(Point p) {
    ++callCount;
    if (monitors_.empty()) return {0, 0, screen_.widthPixels, screen_.heightPixels};
    // The monitor holding the point, else the one nearest to it.
    const auto distance = [p](const ScreenRect& m) {
        const std::int64_t dx = p.x < m.left ? m.left - p.x : p.x >= m.right ? p.x - m.right + 1 : 0;
        const std::int64_t dy = p.y < m.top ? m.top - p.y : p.y >= m.bottom ? p.y - m.bottom + 1 : 0;
        return dx * dx + dy * dy;
    };
    return *std::min_element(monitors_.begin(), monitors_.end(),
                             [&](const ScreenRect& a, const ScreenRect& b) { return distance(a) < distance(b); });
}

std::int64_t SimPlatform::monotonicMs() {
    ++callCount;
    return now_;
}

double SimPlatform::random() {
    ++callCount;
    if (!randomQueue_.empty()) {
        const double v = randomQueue_.front();
        randomQueue_.pop_front();
        return v;
    }
    randomState_ ^= randomState_ >> 12;
    randomState_ ^= randomState_ << 25;
    randomState_ ^= randomState_ >> 27;
    return static_cast<double>((randomState_ * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

bool SimPlatform::claimSingleCopy() {
    ++callCount;
    return !otherCopyRunning_;
}

bool SimPlatform::wakeFirstCopy(bool show) {
    ++callCount;
    if (otherCopyAnswers_ && show) ++firstCopyWakeUps;
    return otherCopyAnswers_;
}

void SimPlatform::exitProcess() {
    ++callCount;
    exited = true;
}

void SimPlatform::setKeyDown(KeyCode key, bool down) {
    if (key.empty()) return;
    const bool changed = keys_[key.code()] != down;
    keys_[key.code()] = down;
    if (changed && listener_ && hooksLive()) listener_->keyChanged(key, down);
}

GateVerdict SimPlatform::strike(const KeyStroke& stroke) {
    const KeyTable table = publishedTables.empty() ? KeyTable{} : publishedTables.back();
    static bool ownActive = false;  // the gate asks through a plain function
    ownActive = ownWindowActive_;
    const bool seen = listener_ && !health_.blind();
    const std::uint32_t now = strikeClock();
    if (seen) health_.keyboardWitnessed(now);
    GateVerdict verdict;
    if (seen && hooksLive()) {
        lastHookEvent_ = now;
        gate_.countHotKeySwitches(hotKeySwitches_);
        verdict = gate_.keyboard(stroke, table, [] { return ownActive; });
    }
    keys_[stroke.key.code()] = stroke.down;
    if (!seen) return verdict;
    if (hotKeys_ && stroke.down && stroke.key == kSwitchKey) {
        ++hotKeySwitches_;
        listener_->switchPressed();
    }
    if (verdict.switchPressed) report({true, {}, false, table.sightEpoch});
    for (const KeyCode key : verdict.reports) {
        if (!key.empty()) report({false, key, verdict.down, table.sightEpoch});
    }
    return verdict;
}

void SimPlatform::movePointer(Point p) {
    const bool moved = p != cursor_;
    cursor_ = p;
    if (moved && reportMoves_ && listener_ && hooksLive()) listener_->pointerMoved();
}

void SimPlatform::setScreenPixels(int width, int height, double twipsPerPixel) {
    screen_ = {width * twipsPerPixel, height * twipsPerPixel, twipsPerPixel, twipsPerPixel, width, height};
}

void SimPlatform::queueRandom(std::initializer_list<double> values) {
    randomQueue_.insert(randomQueue_.end(), values.begin(), values.end());
}

// ---- The hooks' health ----

// The system's word about sight comes behind the reports posted before it.
void SimPlatform::setBlind(Blindness reason, bool on) {
    deliverReports();
    health_.setBlind(reason, on);
}

bool SimPlatform::gateOn() {
    gate_.countHotKeySwitches(hotKeySwitches_);
    return gate_.on(publishedTables.empty() ? KeyTable{} : publishedTables.back());
}

bool SimPlatform::installHooks() {
    if (!inputReportsAvailable_ || failingInstalls_ > 0) {
        failingInstalls_ = std::max(0, failingInstalls_ - 1);
        return false;
    }
    ++hookInstalls;
    hooksSilent_ = false;
    gate_.restart();
    lastHookEvent_ = inputClock_;
    return true;
}

void SimPlatform::removeHooks() {}

void SimPlatform::report(const Report& report) {
    if (reportsQueued_) {
        pendingReports_.push_back(report);
    } else if (listener_) {
        report.switchPressed ? listener_->switchPressed() : listener_->keyChanged(report.key, report.down);
    }
}

void SimPlatform::deliverReports() {
    const bool queued = reportsQueued_;
    reportsQueued_ = false;
    while (!pendingReports_.empty()) {
        const Report next = pendingReports_.front();
        pendingReports_.pop_front();
        // A key change decided before the program lost sight is stale.
        const std::uint8_t epoch = publishedTables.empty() ? 0 : publishedTables.back().sightEpoch;
        if (next.switchPressed || !staleKeyReport(next.sightEpoch, epoch)) report(next);
    }
    reportsQueued_ = queued;
}

void SimPlatform::takeSwitchAsHotKeys(bool on) { hotKeys_ = on; }

std::uint32_t SimPlatform::strikeClock() { return inputClock_ += 1000; }

void SimPlatform::clearLogs() {
    cursorMoves.clear();
    clicks.clear();
    buttonCalls.clear();
    topmostCalls.clear();
    colorKeyed.clear();
    drags.clear();
    shellOpens.clear();
    programStarts.clear();
    trayCalls.clear();
    keyProbes.clear();
    captureReleases.clear();
    callCount = 0;
}

}  // namespace lumo::sim
