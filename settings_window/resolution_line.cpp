#include "settings_window/resolution_line.h"

namespace lumo {

std::string resolutionLine(const ScreenMetrics& screen) {
    return "屏幕分辨率:" + std::to_string(screen.widthPixels) + " * " + std::to_string(screen.heightPixels);
}

}  // namespace lumo
