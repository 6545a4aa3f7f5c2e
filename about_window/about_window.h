// GuanYu1, the About window: product name, version, description, the maker's
// contact details and notices, and five links that open the maker's pages.
// Frameless; dragged by its body, closed by "确定" (which unloads it).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/forms/forms.h"

namespace lumo {

class AboutWindow : public forms::Form {
public:
    explicit AboutWindow(forms::Runtime& runtime);

    forms::Shape* Shape1 = nullptr;  // title band
    forms::Shape* Shape2 = nullptr;  // body frame
    forms::Label* Label1 = nullptr;
    forms::Label* Label11 = nullptr;  // shadow of Label1
    forms::Label* Label12 = nullptr;
    forms::Line* Line3 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* Label10 = nullptr;
    forms::TextBox* Text3 = nullptr;  // description
    forms::TextBox* Text1 = nullptr;  // contact details
    forms::TextBox* Text2 = nullptr;  // distribution notice
    forms::Label* Label4 = nullptr;   // studio home page
    forms::Label* Label8 = nullptr;   // Baidu blog
    forms::Label* Label7 = nullptr;   // Sina micro-blog
    forms::Label* Label6 = nullptr;   // NetEase micro-blog
    forms::Label* Label5 = nullptr;   // Tencent micro-blog
    forms::Line* Line1 = nullptr;
    forms::Label* Label9 = nullptr;
    forms::Label* Label3 = nullptr;  // "确定"
    forms::Line* Line2 = nullptr;

    // Pointer position within the window at the last left press on the body, twips.
    std::int32_t dragStartX = 0;
    std::int32_t dragStartY = 0;

protected:
    void design() override;

private:
    void designTexts();
    void designLinks();
    forms::Label* addLinkLabel(const char* name, std::int32_t left, std::int32_t top, std::int32_t width,
                               std::string_view text, std::string_view page);
    forms::TextBox* addTextPanel(const char* name, std::int32_t top, std::int32_t height,
                                 std::string_view text);
    forms::Line* addLine(const char* name, std::int32_t y, std::int32_t x2, forms::Color color);
    void onLoad();
    void onBodyMouseDown(const forms::MouseEvent& e);
    void onBodyMouseMove(const forms::MouseEvent& e);
};

}  // namespace lumo
