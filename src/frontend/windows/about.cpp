#include "frontend/windows/about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "core/common/program_release.h"
#include "core/windows/about_texts.h"
#include "frontend/common/dialog_pictures.h"
#include "frontend/common/key_codes_qt.h"
#include "frontend/windows/dialog_style.h"

namespace zuzazizo {
namespace {

constexpr QSize client_size_px{about::client_width_px, about::client_height_px};
constexpr QRect picture_bounds{about::picture_bounds.left, about::picture_bounds.top,
                               about::picture_bounds.width, about::picture_bounds.height};
using about::caption_left_px, about::value_left_px, about::value_width_px, about::row_height_px,
    about::text_font_px, about::row_top;
const QColor link_colour = Qt::yellow;

QLabel* text_label(QWidget* parent, const char* text, int left, int top, int width,
                   const QFont& font, const QColor& colour) {
    return dialog_label(parent, text, QRect(left, top, width, row_height_px), font, colour);
}

QLabel* caption_label(QWidget* parent, const char* text, int row) {
    return text_label(parent, text, caption_left_px, row_top(row), value_left_px - caption_left_px,
                      arial_font(text_font_px), Qt::white);
}

QLabel* value_label(QWidget* parent, const char* text, int row, bool italic = false) {
    QFont font = arial_font(text_font_px, true);
    font.setItalic(italic);
    return text_label(parent, text, value_left_px, row_top(row), value_width_px, font, Qt::white);
}

QLabel* link_label(QWidget* parent, const char* text, int row) {
    QFont font = arial_font(text_font_px, true);
    font.setUnderline(true);
    QLabel* label =
        text_label(parent, text, value_left_px, row_top(row), value_width_px, font, link_colour);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      open_link_(desktop_link_opener()) {
    build_components();
    la_website_2->installEventFilter(this);
    la_email_2->installEventFilter(this);
}

void TAboutForm::build_components() {
    setWindowTitle(QString::fromLatin1(about::caption));
    setFixedSize(client_size_px);
    fill_with_dialog_blue(*this);

    im_picture = new QLabel(this);
    im_picture->setGeometry(picture_bounds);
    im_picture->setAlignment(Qt::AlignCenter);
    // The generated picture is drawn to the size of its place and shown as it is.
    im_picture->setPixmap(
        QPixmap(dialog_pictures::for_ratio(dialog_pictures::about_handheld, devicePixelRatioF())));

    const auto& rows = about::fact_rows;
    la_name_1 = caption_label(this, rows[0].caption, 0);
    la_name_2 = value_label(this, rows[0].value, 0);
    la_birthplace_1 = caption_label(this, rows[1].caption, 1);
    la_birthplace_2 = value_label(this, rows[1].value, 1);
    la_birthdate_1 = caption_label(this, rows[2].caption, 2);
    la_birthdate_2 = value_label(this, rows[2].value, 2);
    la_job_1 = caption_label(this, rows[3].caption, 3);
    la_job_2 = value_label(this, rows[3].value, 3);
    la_hobby_1 = caption_label(this, rows[4].caption, 4);
    la_hobby_2 = value_label(this, rows[4].value, 4, true);
    la_website_1 = caption_label(this, about::website_label, 5);
    la_website_2 = link_label(this, release::website_text, 5);
    la_email_1 = caption_label(this, about::email_label, 6);
    la_email_2 = link_label(this, release::email_text, 6);
}

bool TAboutForm::FormKeyDown(std::uint16_t key) {
    if (key != vk::escape) return false;
    hide();
    return true;
}

void TAboutForm::la_website_2Click() {
    open_link_(QUrl(QString::fromLatin1(about::website_address)));
    hide();
}

void TAboutForm::la_email_2Click() {
    open_link_(QUrl(QString::fromLatin1(release::email_address)));
    hide();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    // The form has no control that takes the focus, so every key reaches it here first.
    if (!FormKeyDown(virtual_key_of(*event))) QDialog::keyPressEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* label = qobject_cast<QLabel*>(watched);
    if (mouse->button() != Qt::LeftButton || !label ||
        !label->rect().contains(mouse->position().toPoint())) {
        return false;
    }
    if (label == la_website_2) la_website_2Click();
    if (label == la_email_2) la_email_2Click();
    return true;
}

}  // namespace zuzazizo
