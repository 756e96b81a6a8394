#include "manual_simulator_pages.h"

#include <array>

#include "fonts.h"
#include "frontend/common/dialog_look.h"
#include "manual_draw.h"

namespace skingen::manual {

namespace {

struct MenuLine {
    const char* caption;  // null for a separator
    const char* shortcut;
};

constexpr std::array<MenuLine, 13> menu_lines{{
    {"About...", "F1"},
    {"View 'Readme.txt'", "F2"},
    {"View 'Whatsnew.txt'", "F3"},
    {"View manual", "F4"},
    {nullptr, ""},
    {"Edit configuration file", ""},
    {"Key settings", ""},
    {"Reset Hiscores", ""},
    {nullptr, ""},
    {"Display in fullscreen mode", "F12"},
    {"Display splash screen at startup", ""},
    {nullptr, ""},
    {"Exit", "Esc"},
}};

void draw_menu(QPainter& p, QPointF top_left) {
    constexpr qreal row_px = 15, separator_px = 7, width_px = 196;
    qreal height = 6;
    for (const MenuLine& line : menu_lines) height += line.caption ? row_px : separator_px;
    const QRectF box(top_left, QSizeF(width_px, height));
    p.fillRect(box.translated(3, 3), QColor(0, 0, 0, 50));
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(box);
    qreal y = box.top() + 3;
    for (const MenuLine& line : menu_lines) {
        if (!line.caption) {
            p.setPen(QColor(200, 200, 200));
            p.drawLine(QPointF(box.left() + 6, y + 3.5), QPointF(box.right() - 6, y + 3.5));
            y += separator_px;
            continue;
        }
        const QRectF row(box.left() + 8, y, width_px - 16, row_px);
        p.setPen(QColor(20, 20, 20));
        p.setFont(ui_font(10, line.caption == menu_lines[0].caption));
        p.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(line.caption));
        p.setFont(ui_font(10));
        p.drawText(row, Qt::AlignVCenter | Qt::AlignRight, QString::fromLatin1(line.shortcut));
        y += row_px;
    }
}

struct KeyLine {
    const char* key;
    const char* button;
};

constexpr std::array<KeyLine, 6> default_keys{{
    {"1", "GAME A"},
    {"2", "GAME B"},
    {"3", "TIME"},
    {"5", "LIGHT"},
    {"\u2190", "LEFT"},
    {"\u2192", "RIGHT"},
}};

}  // namespace

QImage menu_page() {
    QImage page = blank_page(7, QStringLiteral("The simulator's menu"));
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    draw_menu(p, QPointF(margin_px, body_top_px + 2));
    text(p, QRectF(222, body_top_px, 156, 240),
         QStringLiteral("<b>Right-click</b> anywhere on the handheld to open the menu.<br><br>"
                        "The shortcuts work whenever the handheld's window has the focus: "
                        "<b>F1</b> about, <b>F2</b> read-me, <b>F3</b> what's new, <b>F4</b> "
                        "this manual, <b>F12</b> fullscreen, <b>Esc</b> exit.<br><br>"
                        "Drag the case with the left button to move the handheld. In "
                        "fullscreen mode the menu is also behind the three bars at the "
                        "top-left corner of the screen."),
         10);
    return page;
}

QImage keys_page() {
    QImage page = blank_page(8, QStringLiteral("Keys, files and settings"));
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    qreal y = body_top_px + 2;
    for (const KeyLine& line : default_keys) {
        key_cap(p, QPointF(margin_px, y), QString::fromUtf8(line.key));
        p.setPen(zuzazizo::dialog_blue);
        p.setFont(ui_font(11, true));
        p.drawText(QRectF(margin_px + 32, y, 80, 18), Qt::AlignVCenter,
                   QString::fromLatin1(line.button));
        y += 23;
    }
    text(p, QRectF(136, body_top_px, 240, 140),
         QStringLiteral("These are the keys at first. Change them with <b>Key settings</b> "
                        "in the menu: any of 44 keys, one for each button. The buttons on "
                        "the case can also be clicked with the mouse; their hints name the "
                        "keys.<br><br>A <b>game controller</b> plays too: D-pad or left stick "
                        "to move; bottom button GAME A, right GAME B, left TIME, top LIGHT."),
         10);
    text(p, QRectF(margin_px, 184, 362, 96),
         QStringLiteral("<b>Config.ini</b>, beside the program, says which picture of the "
                        "handheld goes where (<i>Edit configuration file</i> in the menu).<br>"
                        "<b>Settings and high scores</b> are kept in "
                        "~/.config/Tessaron/Dovuruza50.conf. <i>Reset Hiscores</i> clears "
                        "both high scores."),
         10);
    return page;
}

}  // namespace skingen::manual
