#include "about_window/about_window.h"

#include <string>

#include "about_window/about_config.h"
#include "lumo_version.h"
#include "platform/units.h"

namespace lumo {

namespace {

using forms::Color;

constexpr Color kBackground = 0xFFC0C0;   // RGB(192,192,255)
constexpr Color kTitleBand = 0xFF8080;    // RGB(128,128,255)
constexpr Color kTitleYellow = 0x80FFFF;  // RGB(255,255,128)
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xFF0000;           // RGB(0,0,255)
constexpr Color kYellow = 0x00FFFF;         // RGB(255,255,0)
constexpr Color kProductRed = 0x0000C0;     // RGB(192,0,0)
constexpr Color kVersionPurple = 0xC000C0;  // RGB(192,0,192)
constexpr Color kLinkBlue = 0xC00000;       // RGB(0,0,192)
constexpr Color kRed = 0x0000FF;            // RGB(255,0,0)

constexpr std::int32_t kWidth = 4575;       // titleBand's width
constexpr std::int32_t kTitleHeight = 255;  // titleBand's height
constexpr std::int32_t kBodyHeight = 4200;  // bodyFrame's height
constexpr std::int32_t kPanelLeft = 120;
constexpr std::int32_t kPanelWidth = 4215;
constexpr std::int32_t kRuleLeft = 120;

constexpr const char* kDescription =
    "功能简介：\r\n"
    "适合触屏PC计算机使用的鼠标，或者没有鼠标硬件的\r\n"
    "PC计算机！使用的一个虚拟鼠标！可以用键盘控制鼠\r\n"
    "标的移动！\r\n";

const forms::Font kTitleFont{.face = "宋体", .points = 12.0, .bold = true};
const forms::Font kLinkFont{.face = "宋体", .points = 9.0, .underline = true};

}  // namespace

AboutWindow::AboutWindow(forms::Runtime& runtime) : forms::Form(runtime, "AboutWindow") {}

void AboutWindow::design() {
    setCaption("关于");
    setBackColor(kBackground);
    setIcon(Asset::AppIcon);
    setShowInTaskbar(false);
    // Each fresh load starts in the middle of the screen; the size is set at load.
    const ScreenMetrics screen = platform().screen();
    move(roundHalfEven((screen.widthTwips - kWidth) / 2),
         roundHalfEven((screen.heightTwips - (kTitleHeight + kBodyHeight)) / 2), width(), height());

    add(LUMO_CONTROL(titleBand), nullptr);
    titleBand->move(0, 0, kWidth, kTitleHeight);
    titleBand->setFill(true, kTitleBand);
    add(LUMO_CONTROL(bodyFrame), nullptr);
    bodyFrame->move(0, 240, kWidth, kBodyHeight);

    designTexts();
    designLinks();

    addLine(LUMO_CONTROL(ruleAboveNotice), 3720, 3960, forms::kWindowTextColor);
    add(LUMO_CONTROL(noticeLine), nullptr);
    noticeLine->move(240, 3840, 3480, 240);
    noticeLine->setText(std::string{about::kNoticeLine});
    noticeLine->setBackColor(kTitleBand);
    noticeLine->setOpaque(true);
    noticeLine->setToolTip(std::string{about::kNoticeToolTip});

    add(LUMO_CONTROL(okButton), nullptr);
    okButton->move(3840, 3840, 495, 255);
    okButton->setText("确定");
    okButton->setForeColor(kRed);
    okButton->setCursor(Asset::HandCursor);
    okButton->setToolTip("点击关闭当前窗口");
    okButton->Click = [this] { unload(); };

    addLine(LUMO_CONTROL(bottomRule), 4200, 4440, kWhite);

    Load = [this] { onLoad(); };
    Shown = [this] { okButton->setFocus(); };
    Accept = [this] { unload(); };
    Cancel = [this] { unload(); };
    MouseDown = [this](const forms::MouseEvent& e) { drag.press(e); };
    MouseMove = [this](const forms::MouseEvent& e) { drag.moveWindow(*this, e); };
}

std::vector<forms::Control*> AboutWindow::tabStops() const {
    return {okButton, studioPageLink, baiduBlogLink, sinaWeiboLink, neteaseWeiboLink, tencentWeiboLink};
}

void AboutWindow::designTexts() {
    // The shadow goes first so that the yellow title is drawn over it.
    add(LUMO_CONTROL(seriesTitleShadow), nullptr);
    seriesTitleShadow->move(135, 390, 1530, 240);
    seriesTitleShadow->setText("Lumo系列软件");
    seriesTitleShadow->setForeColor(kBlack);
    seriesTitleShadow->setFont(kTitleFont);
    add(LUMO_CONTROL(seriesTitle), nullptr);
    seriesTitle->move(120, 360, 1530, 240);
    seriesTitle->setText("Lumo系列软件");
    seriesTitle->setForeColor(kTitleYellow);
    seriesTitle->setFont(kTitleFont);

    add(LUMO_CONTROL(verseLine), nullptr);
    verseLine->move(2280, 480, 2160, 180);
    verseLine->setText(std::string{about::kVerseLine});
    verseLine->setForeColor(kBlue);
    verseLine->setBackColor(kYellow);
    verseLine->setOpaque(true);

    addLine(LUMO_CONTROL(ruleBelowTitle), 690, 4440, kWhite);

    add(LUMO_CONTROL(productName), nullptr);
    productName->move(120, 720, 1260, 180);
    productName->setText("Lumo桌面小鼠标");
    productName->setForeColor(kProductRed);
    add(LUMO_CONTROL(versionLabel), nullptr);
    versionLabel->move(1680, 720, 810, 180);
    versionLabel->setText("版本(" LUMO_VERSION_SHORT_TEXT ")");
    versionLabel->setForeColor(kVersionPurple);

    addTextPanel(LUMO_CONTROL(descriptionPanel), 1000, 615, kDescription);
    addTextPanel(LUMO_CONTROL(contactPanel), 1650, 615, about::kContactDetails);
    addTextPanel(LUMO_CONTROL(noticePanel), 2280, 855, about::kDistributionNotice);
}

void AboutWindow::designLinks() {
    addLinkLabel(LUMO_CONTROL(studioPageLink), 120, 3240, 1170, std::string{about::kStudioName} + "主页",
                 about::kStudioPage);
    studioPageLink->setCursor(Asset::HandCursor);
    addLinkLabel(LUMO_CONTROL(baiduBlogLink), 1440, 3240, 1080, "Lumo百度博客", about::kBaiduBlogPage);
    baiduBlogLink->setCursor(Asset::HandCursor);
    addLinkLabel(LUMO_CONTROL(sinaWeiboLink), 2760, 3240, 1080, "Lumo新浪微博", about::kSinaWeiboPage);
    addLinkLabel(LUMO_CONTROL(neteaseWeiboLink), 120, 3480, 1080, "Lumo网易微博", about::kNeteaseWeiboPage);
    addLinkLabel(LUMO_CONTROL(tencentWeiboLink), 1440, 3480, 1080, "Lumo腾讯微博", about::kTencentWeiboPage);
}

forms::Label* AboutWindow::addLinkLabel(forms::Label*& member, const char* name, std::int32_t left, std::int32_t top,
                                        std::int32_t width, std::string_view text, std::string_view page) {
    auto* label = add(member, name, nullptr);
    label->move(left, top, width, 180);
    label->setText(std::string{text});
    label->setForeColor(kLinkBlue);
    label->setFont(kLinkFont);
    label->setToolTip("点击打开网页");
    // The browser's start is not waited for; if it fails, nothing opens.
    label->Click = [this, command = "explorer.exe " + std::string{page}] {
        platform().startProgram(command, ShowState::Minimized);
    };
    return label;
}

forms::TextBox* AboutWindow::addTextPanel(forms::TextBox*& member, const char* name, std::int32_t top,
                                          std::int32_t height, std::string_view text) {
    auto* box = add(member, name, nullptr);
    box->move(kPanelLeft, top, kPanelWidth, height);
    // Read-only: the panels can be scrolled and copied from, never changed.
    box->setMultiLine(true);
    box->setReadOnly(true);
    box->setBackColor(kBackground);
    box->setText(std::string{text});
    return box;
}

forms::Line* AboutWindow::addLine(forms::Line*& member, const char* name, std::int32_t y, std::int32_t x2,
                                  forms::Color color) {
    auto* line = add(member, name, nullptr);
    line->setPoints(kRuleLeft, y, x2, y);
    line->setColor(color);
    return line;
}

void AboutWindow::onLoad() {
    setHeight(bodyFrame->height() + titleBand->height());
    setWidth(titleBand->width());
    for (forms::Label* link : {tencentWeiboLink, neteaseWeiboLink, sinaWeiboLink, baiduBlogLink})
        link->setCursor(studioPageLink->cursor());
}

}  // namespace lumo
