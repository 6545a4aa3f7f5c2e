#include "caption_button/caption_button.h"

#include <memory>

namespace lumo {

namespace {

constexpr char kCaptionKey[] = "Caption";
constexpr char kDefaultCaption[] = "";
constexpr char kDesignCaption[] = "LumoAnniu";
constexpr forms::Color kFaceColor = 0xFFC0C0;
constexpr forms::Color kBorderColor = 0xFF0000;
constexpr forms::Color kCaptionColor = 0xFF0000;
constexpr std::int32_t kCaptionInset = 45;

forms::Font captionFont() {
    forms::Font font;
    font.face = "宋体";
    font.points = 10.5;
    font.bold = true;
    font.charset = forms::Charset::ChineseGB2312;
    return font;
}

}  // namespace

class CaptionButton::Surface : public forms::Host {
public:
    Surface(forms::Form& form, std::string name, forms::Control* container)
        : forms::Host(form, std::move(name), container) {}
    std::unique_ptr<CaptionButton> button;
};

CaptionButton* CaptionButton::add(forms::Form& form, const std::string& name, forms::Control* container,
                                  const PropertyBag* stored) {
    auto* surface = form.add<Surface>(name, container);
    surface->button.reset(new CaptionButton(form, *surface, stored));
    return surface->button.get();
}

CaptionButton::CaptionButton(forms::Form& form, Surface& surface, const PropertyBag* stored)
    : host_(&surface),
      shape_(form.add<forms::Shape>(surface.name() + ".face", host_)),
      label_(form.add<forms::Label>(surface.name() + ".caption", host_)) {
    host_->move(0, 0, 2520, 1230);
    host_->setCursor(Asset::HandCursor);
    host_->Click = [this] { raiseClick(); };

    shape_->move(0, 0, 2055, 780);
    shape_->setFill(true, kFaceColor);
    shape_->setBorder(true, kBorderColor);

    label_->move(kCaptionInset, kCaptionInset, 1080, 210);
    label_->setForeColor(kCaptionColor);
    label_->setFont(captionFont());
    label_->setAutoSize(true);
    showCaption(kDesignCaption);
    label_->Click = [this] { raiseClick(); };

    if (stored) readProperties(*stored);
    resize();
}

const std::string& CaptionButton::caption() const { return label_->text(); }

void CaptionButton::setCaption(const std::string& caption) {
    showCaption(caption);
    if (PropertyChanged) PropertyChanged(kCaptionKey);
}

void CaptionButton::showCaption(const std::string& caption) {
    label_->setText(caption);
    // The surface carries it too, as the window text that names the button.
    host_->setText(caption);
}

void CaptionButton::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    host_->move(left, top, width, height);
    resize();
}

void CaptionButton::readProperties(const PropertyBag& bag) {
    const auto it = bag.find(kCaptionKey);
    showCaption(it != bag.end() ? it->second : kDefaultCaption);
}

void CaptionButton::writeProperties(PropertyBag& bag) const {
    // Like any property bag, a value equal to the default is not stored.
    if (caption() == kDefaultCaption) {
        bag.erase(kCaptionKey);
    } else {
        bag[kCaptionKey] = caption();
    }
}

void CaptionButton::resize() {
    // The label keeps its place and its own size: a long caption is clipped by the surface.
    shape_->move(0, 0, host_->width(), host_->height());
}

void CaptionButton::raiseClick() {
    if (Click) Click();
}

}  // namespace lumo
