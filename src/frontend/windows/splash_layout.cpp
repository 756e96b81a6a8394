// The splash screen's components at their designed places, and its pictures.
//
// The pictures are Qt resources drawn by tools/skingen and linked into the program. Should one
// fail to load, a plain drawing of the same size stands in for it, so the form keeps its layout
// and stays usable.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "core/common/program_release.h"
#include "frontend/common/dialog_pictures.h"
#include "frontend/windows/dialog_style.h"
#include "frontend/windows/splash.h"
#include "frontend/windows/splash_prefetch.h"
#include "frontend/windows/splash_texts.h"

namespace zuzazizo {
namespace {

constexpr QSize client_size_px = dialog_pictures::splash_background_size_px;
constexpr QSize button_size_px = dialog_pictures::button_size_px;
constexpr int box_width_px = 220;
constexpr int box_height_px = dialog_pictures::splash_box_size_px.height();
// The dark bands of the drawn background: behind the title texts and behind the check box.
constexpr int title_band_height_px = 52;
constexpr int check_band_top_px = dialog_pictures::splash_check_band_top_px;
constexpr qreal placeholder_corner_px = 6;
const QColor link_colour{24, 82, 148};

enum class Placeholder { background, box, play, play_disabled, donation };

QPixmap drawn_placeholder(Placeholder kind, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    const auto button = [&](const QColor& fill, const char* text) {
        painter.setBrush(fill);
        painter.setPen(fill.darker(150));
        painter.drawRoundedRect(inner, placeholder_corner_px, placeholder_corner_px);
        painter.setPen(Qt::white);
        painter.drawText(inner, Qt::AlignCenter, QString::fromLatin1(text));
    };
    switch (kind) {
        case Placeholder::background:
            // Dark bands behind the white title texts and the white check-box text.
            painter.fillRect(QRect(0, 0, size.width(), title_band_height_px), dialog_blue);
            painter.fillRect(
                QRect(0, check_band_top_px, size.width(), size.height() - check_band_top_px),
                dialog_blue);
            break;
        case Placeholder::box:
            button(QColor(40, 70, 120), "ZUZAZIZO");
            break;
        case Placeholder::play:
            button(QColor(30, 140, 60), "PLAY");
            break;
        case Placeholder::play_disabled:
            button(QColor(150, 150, 150), "PLAY");
            break;
        case Placeholder::donation:
            button(QColor(200, 150, 20), "DONATE");
            break;
    }
    return pixmap;
}

// The pixmaps are made on the GUI thread, from pictures decoded on any (splash_prefetch.h).
QPixmap dialog_picture(const QImage& image, Placeholder kind, QSize size) {
    return image.isNull() ? drawn_placeholder(kind, size) : QPixmap::fromImage(image);
}

// The pictures are decoded when the form is first shown (load_pictures): a quick start never
// shows it and so does not pay for them.
QLabel* picture(QWidget* parent, QRect bounds) {
    auto* label = new QLabel(parent);
    label->setGeometry(bounds);
    return label;
}

QLabel* text_label(QWidget* parent, const char* text, QRect bounds, const QColor& colour, bool bold,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    return dialog_label(parent, text, bounds, arial_font(12, bold), colour, alignment);
}

QLabel* link_label(QWidget* parent, const char* text, QRect bounds) {
    QLabel* label = text_label(parent, text, bounds, link_colour, true);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPixmap box_picture(const QImage& image) {
    const QSize size_px{box_width_px, box_height_px};
    QPixmap pixmap = dialog_picture(image, Placeholder::box, size_px);
    const qreal ratio = pixmap.devicePixelRatio();
    if (pixmap.deviceIndependentSize().height() != box_height_px) {
        pixmap = pixmap.scaledToHeight(qRound(box_height_px * ratio), Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    return pixmap;
}

void add_pictures(TSplashForm& form) {
    form.im_background = picture(&form, {QPoint(0, 0), client_size_px});
    form.im_box_picture = picture(&form, {0, 56, client_size_px.width(), box_height_px});
    form.im_box_picture->setAlignment(Qt::AlignCenter);
}

// A line of text centred across the whole form.
QRect full_width_line(int top_px) {
    return {0, top_px, client_size_px.width(), 15};
}

void add_texts(TSplashForm& form) {
    form.la_game_title =
        text_label(&form, "", full_width_line(12), Qt::white, true, Qt::AlignCenter);
    form.la_version = text_label(&form, "", full_width_line(28), Qt::white, true, Qt::AlignCenter);
    form.la_release_date =
        text_label(&form, "", full_width_line(236), Qt::black, false, Qt::AlignCenter);
    form.la_website_1 =
        text_label(&form, splash::website_label, {118, 259, 56, 15}, Qt::black, false);
    form.la_website_2 = link_label(&form, release::website_text, {174, 259, 168, 15});
    form.la_email_1 = text_label(&form, splash::email_label, {118, 282, 56, 15}, Qt::black, false);
    form.la_email_2 = link_label(&form, release::email_text, {174, 282, 168, 15});
    form.la_sound_select =
        text_label(&form, splash::sound_select, {98, 308, 116, 15}, Qt::black, false);
}

void add_buttons(TSplashForm& form) {
    const QRect play_bounds{QPoint(116, 340), button_size_px};
    form.btn_play = picture(&form, play_bounds);
    form.btn_play->setCursor(Qt::PointingHandCursor);
    form.btn_play_disabled = picture(&form, play_bounds);
    form.btn_play_disabled->setCursor(Qt::WhatsThisCursor);
    form.btn_play_disabled->setToolTip(QString::fromLatin1(splash::play_hint));
    form.btn_play_disabled->hide();
    form.btn_paypal = picture(&form, {QPoint(237, 340), button_size_px});
    form.btn_paypal->setCursor(Qt::PointingHandCursor);
}

void add_choices(TSplashForm& form) {
    form.cb_sound = new QComboBox(&form);
    form.cb_sound->setEditable(false);
    form.cb_sound->setGeometry(217, 308, 144, 21);
    // In the style's own font "Microsoft DirectSound" runs under the arrow; the form's is Arial.
    form.cb_sound->setFont(arial_font(12));
    for (const std::string_view item : splash::driver_items)
        form.cb_sound->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    form.cb_sound->setCurrentIndex(-1);

    form.chb_splashscreen = new QCheckBox(QString::fromLatin1(splash::show_at_startup), &form);
    form.chb_splashscreen->setGeometry(12, 391, 444, 17);
    form.chb_splashscreen->setChecked(true);
    // Buttons fill with their Button role by default; the strip is the window colour.
    form.chb_splashscreen->setBackgroundRole(QPalette::Window);
    form.chb_splashscreen->setAutoFillBackground(true);
    QPalette palette = form.chb_splashscreen->palette();
    palette.setColor(QPalette::Window, dialog_blue);
    palette.setColor(QPalette::WindowText, Qt::white);
    form.chb_splashscreen->setPalette(palette);

    QWidget::setTabOrder(form.cb_sound, form.chb_splashscreen);
}

}  // namespace

void TSplashForm::load_pictures() {
    if (pictures_loaded_) return;
    pictures_loaded_ = true;
    // The first showing waits for these; the other cores decode the small ones meanwhile.
    // Decoded ahead of time when the start-up knew it would show this form.
    std::optional<SplashImages> ready;
    if (prefetch_) ready = prefetch_->take();
    const SplashImages images =
        ready ? std::move(*ready) : decode_splash_images(screens_pixel_ratio());
    im_background->setPixmap(
        dialog_picture(images.background, Placeholder::background, client_size_px));
    im_box_picture->setPixmap(box_picture(images.box));
    btn_play->setPixmap(dialog_picture(images.play, Placeholder::play, button_size_px));
    btn_play_disabled->setPixmap(
        dialog_picture(images.play_disabled, Placeholder::play_disabled, button_size_px));
    btn_paypal->setPixmap(dialog_picture(images.donate, Placeholder::donation, button_size_px));
}

void TSplashForm::build_components() {
    setWindowTitle(QString::fromLatin1(splash::caption));
    setFixedSize(client_size_px);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // Creation order is stacking order: the background first, the controls above it.
    add_pictures(*this);
    add_texts(*this);
    add_buttons(*this);
    add_choices(*this);
}

}  // namespace zuzazizo
