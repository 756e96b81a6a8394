#include "manual_pages.h"

#include <functional>

#include "art_scale.h"
#include "core/skin/picture_scales.h"
#include "fonts.h"
#include "manual_draw.h"
#include "manual_simulator_pages.h"

namespace skingen {

using enum ImageId;
using namespace manual;

namespace {

constexpr std::array<int, 5> blank_digits{-1, -1, -1, -1, -1};
const QRect status_band_lcd{0, 0, 337, 48};
const QRect whole_lcd{0, 0, 337, 258};

QImage title_page(const Skin& skin) {
    QImage page = blank_page(1, QStringLiteral("ZUZAZIZO \u00B7 Instructions"));
    QPainter p(&page);
    p.drawImage(QPointF(60, 36), handheld(skin, 270, art_scale()));
    text(p, QRectF(margin_px, 210, 362, 70),
         QStringLiteral("<b>Wide-screen LCD baseball game and clock.</b> Bat the pitcher's "
                        "balls, beat your high score, and keep the time.<br>"
                        "2 Buttons \u00B7 3 Clock \u00B7 4 Starting a game \u00B7 5 Batting "
                        "and scoring \u00B7 6 Misses and game over \u00B7 7 The simulator's "
                        "menu \u00B7 8 Keys, files and settings"),
         11);
    return page;
}

QImage buttons_page(const Skin& skin) {
    QImage page = blank_page(2, QStringLiteral("The buttons"));
    QPainter p(&page);
    p.drawImage(QPointF(85, 36), handheld(skin, 220, art_scale()));
    text(p, QRectF(margin_px, 178, 180, 100),
         QStringLiteral("<b>GAME A, GAME B</b> \u2013 choose a game: hold to see its high "
                        "score, release to play.<br><b>LEFT, RIGHT</b> \u2013 move the batter "
                        "between the three lanes."),
         10);
    text(p, QRectF(200, 178, 176, 100),
         QStringLiteral("<b>TIME</b> \u2013 step through the clock displays.<br>"
                        "<b>LIGHT</b> \u2013 lights the screen while you hold it.<br>"
                        "<b>SET</b> \u2013 has no function on this model."),
         10);
    return page;
}

struct ClockRow {
    ImageId word;
    ImageId extra;  // AM or PM where the display has one, else the colon again
    std::array<int, 5> digits;
    const char* text;
};

constexpr std::array<ClockRow, 5> clock_rows{{
    {im_panel_time_1,
     im_panel_time_pm,
     {-1, 3, 4, 5, -1},
     "<b>TIME 1</b> \u2013 the time of day, hours and minutes, with AM or PM."},
    {im_panel_time_2,
     im_panel_time_pm,
     {-1, 3, 4, 5, -1},
     "<b>TIME 2</b> \u2013 the same time of day, as the second time."},
    {im_panel_alarm,
     im_panel_time_am,
     {1, 2, 0, 0, -1},
     "<b>ALARM</b> \u2013 the alarm time, set at 12:00 AM."},
    {im_panel_date,
     im_panel_time_colon,
     {-1, 7, -1, 4, -1},
     "<b>DATE</b> \u2013 month and day (here 4 July)."},
    {im_panel_chrono,
     im_panel_time_colon,
     {0, 0, 0, 0, 0},
     "<b>CHRONO</b> \u2013 the chronometer, standing at 00:00 0."},
}};

QImage clock_page(const Skin& skin) {
    QImage page = blank_page(3, QStringLiteral("The clock"));
    QPainter p(&page);
    qreal y = body_top_px;
    for (const ClockRow& row : clock_rows) {
        const QImage band = screen(skin, {row.word, row.extra, im_panel_time_colon}, row.digits,
                                   status_band_lcd, 0.56);
        const QSizeF band_size = band.deviceIndependentSize();
        framed(p, QPointF(margin_px, y), band);
        text(p, QRectF(margin_px + band_size.width() + 10, y + 1, 165, band_size.height()),
             QString::fromUtf8(row.text), 10);
        y += band_size.height() + 12;
    }
    text(p, QRectF(margin_px, y - 4, 362, 40),
         QStringLiteral("Press <b>TIME</b> for the next display; after CHRONO comes TIME 1 "
                        "again. Hold <b>LIGHT</b> to light the screen, in any mode."),
         10);
    return page;
}

// A page of the games: a picture of the screen, the explanation beside it and a caption below.
QImage screen_page(int number, const QString& heading, const QImage& picture, const QString& body,
                   const QString& caption = {}) {
    QImage page = blank_page(number, heading);
    QPainter p(&page);
    const QSizeF size = picture.deviceIndependentSize();
    framed(p, QPointF(margin_px, body_top_px + 4), picture);
    text(p, QRectF(margin_px + size.width() + 12, body_top_px, 190, 250), body, 10);
    if (!caption.isEmpty()) {
        text(p, QRectF(margin_px, body_top_px + size.height() + 12, 170, 90),
             "<i>" + caption + "</i>", 9);
    }
    return page;
}

QImage start_page(const Skin& skin) {
    return screen_page(
        4, QStringLiteral("Starting a game"),
        screen(skin,
               {im_panel_game_a, im_panel_sound, im_hero_2_1, im_hero_2_2, im_item_top_2_1,
                im_item_top_2_4},
               {-1, 3, 5, 0, -1}, whole_lcd, 0.5),
        QStringLiteral("<b>Hold GAME A</b> (or GAME B): the screen shows the high score of "
                       "that game, and the batter waits in the middle.<br><br>"
                       "<b>Release the button</b>: a tune plays and the first pitch "
                       "follows. Game B is played faster than game A.<br><br>"
                       "<b>Silent game</b>: while still holding the GAME button, press "
                       "LEFT. The speaker symbol goes out and the game starts at once, "
                       "without sound."),
        QStringLiteral("Ready screen of game A: high score 350, sound on."));
}

QImage batting_page(const Skin& skin) {
    return screen_page(
        5, QStringLiteral("Batting and scoring"),
        screen(skin,
               {im_panel_game_a, im_panel_sound, im_item_top_2_1, im_item_top_2_5, im_item_3_2,
                im_item_1_4, im_hero_2_1, im_hero_2_3, im_hero_2_4},
               {-1, 4, 5, 0, -1}, whole_lcd, 0.5),
        QStringLiteral("The pitcher throws the balls down three lanes. Move the batter with "
                       "<b>LEFT</b> and <b>RIGHT</b> so that he stands under the lane of a "
                       "ball when it reaches him: he swings and hits it.<br><br>"
                       "<b>Each hit: 10 points.</b><br><br>"
                       "<b>Every 1000 points: bonus.</b> The batter runs to the right and "
                       "celebrates; the pitching slows down again and the score runs on. "
                       "After 9990 the score starts again from 0."));
}

QImage misses_page(const Skin& skin) {
    return screen_page(
        6, QStringLiteral("Misses and game over"),
        screen(skin,
               {im_panel_game_b, im_panel_sound, im_item_top_1_1, im_item_top_1_2, im_panel_miss_1,
                im_panel_miss_2, im_panel_miss_3, im_item_1_miss, im_hero_2_1, im_hero_2_2},
               {1, 2, 3, 0, -1}, whole_lcd, 0.5),
        QStringLiteral("A ball that comes down a lane where the batter is not standing is "
                       "a <b>miss</b>: a miss mark lights, and the catcher throws the ball "
                       "back to the pitcher. Then play goes on.<br><br>"
                       "The <b>third miss</b> ends the game: the umpire calls OUT.<br><br>"
                       "A score that beats the game's <b>high score</b> is kept, also when "
                       "the simulator is closed. After 30 seconds the clock returns."),
        QStringLiteral("Game over with 1230 points."));
}

}  // namespace

bool write_manual(const Skin& skin, const QDir& manual_dir, int factor) {
    const std::array<std::function<QImage()>, page_count> pages{
        [&] { return title_page(skin); },   [&] { return buttons_page(skin); },
        [&] { return clock_page(skin); },   [&] { return start_page(skin); },
        [&] { return batting_page(skin); }, [&] { return misses_page(skin); },
        [] { return menu_page(); },         [] { return keys_page(); }};
    const ArtScale scale(factor);
    for (int n = 1; n <= page_count; ++n) {
        const std::string page =
            std::to_string(n) + std::string(zuzazizo::config_keys::manual_page_extension);
        const QString path = manual_dir.filePath(
            QString::fromStdString(factor == 1 ? page : zuzazizo::manual_larger_page(page)));
        if (!pages[static_cast<std::size_t>(n - 1)]().save(path)) return false;
    }
    return true;
}

}  // namespace skingen
