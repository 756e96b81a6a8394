#include "frontend/app/game_menu.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "core/lcd/game_menu_sizes.h"
#include "frontend/skin/picture_loader_qt.h"

namespace zuzazizo {

namespace {

using namespace game_menu;

constexpr int row_font_cell_height_px = font_cell_height_px;

QFont font_of_cell_height(int cell_height_px) {
    QFont font(QString::fromLatin1(font_family));
    for (int size_px = cell_height_px; size_px > 1; --size_px) {
        font.setPixelSize(size_px);
        if (QFontMetrics(font).height() <= cell_height_px) break;
    }
    return font;
}

void draw_menu_symbol(QPainter& painter) {
    const int bars_height_px = 3 * symbol_bar_height_px + 2 * symbol_bar_gap_px;
    int top = (row_height_px - bars_height_px) / 2;
    for (int bar = 0; bar < 3; ++bar) {
        painter.fillRect(symbol_bar_left_px, top, symbol_bar_width_px, symbol_bar_height_px,
                         Qt::white);
        top += symbol_bar_height_px + symbol_bar_gap_px;
    }
}

// A row of the unfolded menu. Separator rows swallow the mouse so that nothing under the panel
// reacts through the gap, and do nothing else.
class MenuRow final : public QLabel {
  public:
    MenuRow(QWidget& window, bool interactive, std::function<void()> click,
            std::function<void()> released)
        : QLabel(&window),
          interactive_(interactive),
          click_(std::move(click)),
          released_(std::move(released)) {}

  protected:
    void enterEvent(QEnterEvent* event) override {
        if (interactive_) setAutoFillBackground(true);
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        setAutoFillBackground(false);
        QLabel::leaveEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) left_pressed_ = true;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (!interactive_ || event->button() != Qt::LeftButton) return;
        // A click is a press and a release on the same row; the release closes the menu even
        // when the pointer has left the row meanwhile, as the row keeps the mouse.
        const bool clicked = left_pressed_ && rect().contains(event->position().toPoint());
        left_pressed_ = false;
        if (clicked) click_();
        released_();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }

  private:
    bool interactive_;
    bool left_pressed_ = false;
    std::function<void()> click_;
    std::function<void()> released_;
};

}  // namespace

QImage game_menu_picture() {
    QImage picture(picture_width_px, picture_height_px, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0, 0, 0, panel_alpha));
    QPainter painter(&picture);
    painter.fillRect(0, 0, picture_width_px, row_height_px, Qt::black);
    draw_menu_symbol(painter);
    painter.setPen(Qt::white);
    painter.setFont(font_of_cell_height(row_font_cell_height_px));
    painter.drawText(QRect(title_left_px, 0, picture_width_px - title_left_px, row_height_px),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(title_text));
    return picture;
}

GameMenu::GameMenu(QWidget& window, ImageModel& images, std::function<void(std::size_t)> run_item)
    : window_(window), images_(images), run_item_(std::move(run_item)) {}

void GameMenu::display(const MenuChecks& checks) {
    if (open_) {
        open_rows(game_menu_rows(checks));
    } else {
        close_rows();
    }
}

void GameMenu::toggle(const MenuChecks& checks) {
    open_ = !open_;
    display(checks);
}

void GameMenu::fold() {
    open_ = false;
    close_rows();
}

void GameMenu::draw_picture() {
    if (images_[ImageId::btn_game_menu_background].picture) return;
    images_.set_picture(ImageId::btn_game_menu_background,
                        std::make_shared<QtPicture>(game_menu_picture()));
}

void GameMenu::button_press(std::optional<ImageId> hit, bool left_button) {
    button_pressed_ = left_button && hit == ImageId::btn_game_menu_top;
}

bool GameMenu::button_release(std::optional<ImageId> hit) {
    return std::exchange(button_pressed_, false) && hit == ImageId::btn_game_menu_top;
}

void GameMenu::open_rows(const std::vector<GameMenuRowText>& rows) {
    close_rows();
    const QFont font = font_of_cell_height(row_font_cell_height_px);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GameMenuRowText& row = rows[i];
        auto* label = new MenuRow(
            window_, row.interactive, [this, i] { run_item_(i); }, [this] { fold(); });
        label->setGeometry(0, row_height_px * static_cast<int>(i + 1), open_width_px,
                           row_height_px);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(false);
        if (row.interactive) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            palette.setColor(QPalette::Window, Qt::black);
            label->setPalette(palette);
            label->setFont(font);
            label->setText(QString::fromStdString(row.text));
            label->setCursor(Qt::PointingHandCursor);
        }
        label->show();
        label->raise();
        labels_.emplace_back(label);
    }
    images_.set_width(ImageId::btn_game_menu_background, open_width_px);
    images_.set_height(ImageId::btn_game_menu_background, open_height_px);
}

void GameMenu::close_rows() {
    for (const QPointer<QLabel>& label : labels_) {
        if (!label) continue;
        label->hide();
        label->deleteLater();
    }
    labels_.clear();
    images_.set_height(ImageId::btn_game_menu_background, closed_height_px);
    images_.set_width(ImageId::btn_game_menu_background, closed_width_px);
}

}  // namespace zuzazizo
