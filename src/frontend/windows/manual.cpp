#include "frontend/windows/manual.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/skin/gfxinit.h"
#include "frontend/skin/picture_loader_qt.h"
#include "frontend/windows/manual_buttons.h"
#include "frontend/windows/manual_page_ratio.h"

namespace zuzazizo {
namespace {

// The buttons stand this far in from the window's edges.
constexpr int button_inset_px = manual_button_inset_px;

QLabel* button_picture(QWidget* parent, ManualGlyph glyph, bool pressed) {
    auto* label = new QLabel(parent);
    label->setPixmap(
        QPixmap::fromImage(manual_button_picture(glyph, pressed, parent->devicePixelRatioF())));
    label->resize(manual_button_size_px);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

TManualForm::TManualForm(const std::string& base_dir, ErrorReport errors, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      base_dir_(base_dir),
      errors_(std::move(errors)),
      held_keys_([this](const KeyStroke& stroke) { FormKeyDown(stroke.key); },
                 [this](const KeyStroke& stroke) { FormKeyUp(stroke.key); },
                 platform_pair_window_ms(), this) {
    // No caption bar is shown; the title names the window in task lists.
    setWindowTitle(QStringLiteral("Manual"));
    build_components();
    FormCreate();
}

void TManualForm::build_components() {
    // Bottom to top: the page, the drag surface, then each button's pressed picture beneath its
    // released one, so that hiding the released picture shows the pressed one.
    im_page_top = new QLabel(this);
    im_page_top->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    im_page_top->setAttribute(Qt::WA_TransparentForMouseEvents);
    sh_page_top = new QWidget(this);
    sh_page_top->setAttribute(Qt::WA_TransparentForMouseEvents);
    btn_close_down = button_picture(this, ManualGlyph::cross, true);
    btn_close_up = button_picture(this, ManualGlyph::cross, false);
    btn_left_down = button_picture(this, ManualGlyph::arrow_left, true);
    btn_left_up = button_picture(this, ManualGlyph::arrow_left, false);
    btn_right_down = button_picture(this, ManualGlyph::arrow_right, true);
    btn_right_up = button_picture(this, ManualGlyph::arrow_right, false);
    // Page 1 comes first: the previous-page button is hidden from the start.
    btn_left_down->hide();
    btn_left_up->hide();
}

void TManualForm::FormCreate() {
    ManualSurface surface;
    // The pages are checked now and decoded when each is first shown.
    DeferredPictureLoader loader;
    const LayoutResult result = Gfx_Init_Manual(base_dir_, surface, loader);
    if (!result.ok()) errors_.show(result.message);
    resize(std::max(surface.client_width_px, 1), std::max(surface.client_height_px, 1));
    const auto to_qrect = [](const Rect& r) { return QRect(r.left, r.top, r.width, r.height); };
    im_page_top->setGeometry(to_qrect(surface.im_page_top));
    sh_page_top->setGeometry(to_qrect(surface.sh_page_top));
    for (int n = manual_first_page; n <= manual_last_page; ++n) {
        page_pictures_[static_cast<std::size_t>(n)] = surface.page(n).picture;
    }
    missing_page_ = loader.missing_image_marker();
    place_buttons();
}

const QPixmap& TManualForm::page_pixmap(int page) {
    QPixmap& pixmap = manual_pages[static_cast<std::size_t>(page)];
    PicturePtr& picture = page_pictures_[static_cast<std::size_t>(page)];
    if (!picture) return pixmap;
    std::string path;  // the file of a page that decoded, beside which its larger drawing lies
    if (const auto* deferred = dynamic_cast<const DeferredPicture*>(picture.get())) {
        const LoadedPicture& decoded = deferred->decoded();
        if (!decoded.ok()) {
            // Not from inside the showing or the key press that asked for the page.
            const QString text = QString::fromStdString(
                manual_page_error(base_dir_, deferred->path(), decoded.error));
            errors_.show_later(this, text);
        } else {
            path = deferred->path();
        }
        picture = decoded.ok() ? decoded.picture : missing_page_;
    }
    if (const QImage* image = qimage_of(picture))
        pixmap = manual_page_for_ratio(*image, path, devicePixelRatioF());
    picture.reset();  // the pixmap holds the page from now on
    return pixmap;
}

void TManualForm::place_buttons() {
    const int right_x = width() - button_inset_px - manual_button_size_px.width();
    const int bottom_y = height() - button_inset_px - manual_button_size_px.height();
    btn_close_down->move(right_x, button_inset_px);
    btn_close_up->move(right_x, button_inset_px);
    btn_left_down->move(button_inset_px, bottom_y);
    btn_left_up->move(button_inset_px, bottom_y);
    btn_right_down->move(right_x, bottom_y);
    btn_right_up->move(right_x, bottom_y);
}

void TManualForm::Vid_Show_Page() {
    im_page_top->setPixmap(page_pixmap(manual_page));
    const ManualPageButtons buttons = manual_page_buttons(manual_page);
    if (buttons.left_shown) {
        btn_left_down->setVisible(*buttons.left_shown);
        btn_left_up->setVisible(*buttons.left_shown);
    }
    if (buttons.right_shown) {
        btn_right_down->setVisible(*buttons.right_shown);
        btn_right_up->setVisible(*buttons.right_shown);
    }
}

void TManualForm::Inp_left_down() {
    btn_left_up->hide();
}

void TManualForm::Inp_left_up() {
    manual_page = manual_page_after(ManualButton::left, manual_page);
    Vid_Show_Page();
}

void TManualForm::Inp_right_down() {
    btn_right_up->hide();
}

void TManualForm::Inp_right_up() {
    manual_page = manual_page_after(ManualButton::right, manual_page);
    Vid_Show_Page();
}

void TManualForm::Inp_esc_down() {
    btn_close_up->hide();
}

void TManualForm::Inp_esc_up() {
    btn_close_up->show();
    hide();
}

void TManualForm::FormKeyDown(std::uint16_t key) {
    if (const auto button = manual_key_button(key, manual_page)) press(*button);
}

void TManualForm::FormKeyUp(std::uint16_t key) {
    if (const auto button = manual_key_button(key, manual_page)) release(*button);
}

void TManualForm::showEvent(QShowEvent* event) {
    Vid_Show_Page();
    QWidget::showEvent(event);
}

void TManualForm::hideEvent(QHideEvent* event) {
    // A press held on a button while the viewer closes (Escape, a close request) ends with the
    // window, as the mouse grab does: it neither turns a page nor captures the next opening's
    // first click, and its button looks released again. A pair that the page hid stays hidden.
    if (const auto button = std::exchange(captured_, std::nullopt)) {
        QLabel* released = *button == ManualButton::left    ? btn_left_up
                           : *button == ManualButton::right ? btn_right_up
                                                            : btn_close_up;
        const QLabel* pressed = *button == ManualButton::left    ? btn_left_down
                                : *button == ManualButton::right ? btn_right_down
                                                                 : btn_close_down;
        if (!pressed->isHidden()) released->show();
    }
    drag_origin.reset();
    QWidget::hideEvent(event);
}

void TManualForm::keyPressEvent(QKeyEvent* event) {
    held_keys_.key_press(*event);
}

void TManualForm::keyReleaseEvent(QKeyEvent* event) {
    held_keys_.key_release(*event);
}

std::optional<ManualButton> TManualForm::button_at(QPoint pos) const {
    // Only a visible released picture takes the mouse; a hidden pair is no button at all.
    if (btn_close_up->isVisible() && btn_close_up->geometry().contains(pos))
        return ManualButton::esc;
    if (btn_left_up->isVisible() && btn_left_up->geometry().contains(pos))
        return ManualButton::left;
    if (btn_right_up->isVisible() && btn_right_up->geometry().contains(pos))
        return ManualButton::right;
    return std::nullopt;
}

void TManualForm::press(ManualButton button) {
    switch (button) {
        case ManualButton::esc:
            return Inp_esc_down();
        case ManualButton::left:
            return Inp_left_down();
        case ManualButton::right:
            return Inp_right_down();
    }
}

void TManualForm::release(ManualButton button) {
    switch (button) {
        case ManualButton::esc:
            return Inp_esc_up();
        case ManualButton::left:
            return Inp_left_up();
        case ManualButton::right:
            return Inp_right_up();
    }
}

void TManualForm::mousePressEvent(QMouseEvent* event) {
    held_keys_.settle();
    if (event->button() != Qt::LeftButton || captured_) return;
    const QPoint pos = event->position().toPoint();
    if (const auto button = button_at(pos)) {
        captured_ = button;
        press(*button);
    } else if (sh_page_top->geometry().contains(pos)) {
        drag_origin = pos;
    }
}

void TManualForm::mouseReleaseEvent(QMouseEvent* event) {
    held_keys_.settle();
    if (event->button() != Qt::LeftButton) return;
    drag_origin.reset();
    if (const auto button = std::exchange(captured_, std::nullopt)) release(*button);
}

void TManualForm::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_origin || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint pos = event->position().toPoint();
    // The page moves with the window, so the origin stays where the press was.
    move(this->pos() + pos - *drag_origin);
}

}  // namespace zuzazizo
