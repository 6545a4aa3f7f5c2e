// The About window: product name, version, description, the maker's
// contact details and notices, and five links that open the maker's pages.
// Frameless; dragged by its body, closed by "确定" (which unloads it), which
// has the keyboard when the window shows: Enter, Space and Esc close it.
#pragma once

#include <cstdint>
#include <string_view>

#include "forms/forms.h"
#include "forms/hand_drag.h"

namespace lumo {

class AboutWindow : public forms::Form {
public:
    explicit AboutWindow(forms::Runtime& runtime);

    // "确定" first, then the links in reading order.
    std::vector<forms::Control*> tabStops() const override;

    forms::Shape* titleBand = nullptr;
    forms::Shape* bodyFrame = nullptr;
    forms::Label* seriesTitle = nullptr;
    forms::Label* seriesTitleShadow = nullptr;
    forms::Label* verseLine = nullptr;
    forms::Line* ruleBelowTitle = nullptr;
    forms::Label* productName = nullptr;
    forms::Label* versionLabel = nullptr;
    forms::TextBox* descriptionPanel = nullptr;
    forms::TextBox* contactPanel = nullptr;
    forms::TextBox* noticePanel = nullptr;
    forms::Label* studioPageLink = nullptr;
    forms::Label* baiduBlogLink = nullptr;
    forms::Label* sinaWeiboLink = nullptr;
    forms::Label* neteaseWeiboLink = nullptr;
    forms::Label* tencentWeiboLink = nullptr;
    forms::Line* ruleAboveNotice = nullptr;
    forms::Label* noticeLine = nullptr;
    forms::Label* okButton = nullptr;  // "确定", closes the window
    forms::Line* bottomRule = nullptr;

    // The window is dragged by its body.
    forms::HandDrag drag;

protected:
    void design() override;

private:
    void designTexts();
    void designLinks();
    forms::Label* addLinkLabel(forms::Label*& member, const char* name, std::int32_t left, std::int32_t top,
                               std::int32_t width, std::string_view text, std::string_view page);
    forms::TextBox* addTextPanel(forms::TextBox*& member, const char* name, std::int32_t top, std::int32_t height,
                                 std::string_view text);
    forms::Line* addLine(forms::Line*& member, const char* name, std::int32_t y, std::int32_t x2, forms::Color color);
    void onLoad();
};

}  // namespace lumo
