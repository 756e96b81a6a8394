#include "frontend/windows/keys.h"

#include <QComboBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "frontend/common/key_codes_qt.h"
#include "frontend/windows/dialog_style.h"

namespace zuzazizo {
namespace {

constexpr QSize client_size_px{448, 195};
constexpr int label_font_px = 11;
// The conflict marker: a label's font colour, white when its key is its own.
const QColor clean_colour = Qt::white;
const QColor conflict_colour = Qt::red;

struct LabelPlace {
    const char* caption;
    QRect bounds;
    Qt::Alignment alignment;
};
constexpr Qt::Alignment left_aligned = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment right_aligned = Qt::AlignRight | Qt::AlignVCenter;

// la_1 .. la_6, then the lists cb_1 .. cb_6 beside them; tab order is slot order.
const std::array<LabelPlace, key_slot_count> button_labels = {{
    {"Game A", {136, 33, 72, 14}, left_aligned},
    {"Game B", {136, 65, 72, 14}, left_aligned},
    {"Time", {136, 97, 72, 14}, left_aligned},
    {"Light", {136, 129, 72, 14}, left_aligned},
    {"Left", {216, 33, 96, 14}, right_aligned},
    {"Right", {216, 65, 96, 14}, right_aligned},
}};
const std::array<QRect, key_slot_count> list_bounds = {{
    {8, 29, 120, 21},
    {8, 61, 120, 21},
    {8, 93, 120, 21},
    {8, 125, 120, 21},
    {320, 29, 120, 21},
    {320, 61, 120, 21},
}};

std::size_t at(int slot) {
    return static_cast<std::size_t>(slot);
}

QLabel* white_label(QWidget* parent, const LabelPlace& place, bool underline) {
    QFont font = arial_font(label_font_px, true);
    font.setUnderline(underline);
    return dialog_label(parent, place.caption, place.bounds, font, clean_colour, place.alignment);
}

QComboBox* key_list(QWidget* parent, QRect bounds) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setGeometry(bounds);
    list->setFont(arial_font(label_font_px));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    list->setPalette(palette);
    return list;
}

}  // namespace

TKeysForm::TKeysForm(KeyBindings& keys, ImageModel& images, QWidget* main_window, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      keys_(keys),
      images_(images),
      main_window_(main_window),
      model_(keys) {
    build_components();
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    if (main_window_) main_window_->installEventFilter(this);
    FormCreate();
}

void TKeysForm::build_components() {
    setWindowTitle(QStringLiteral("Key settings"));
    setFixedSize(client_size_px);
    fill_with_dialog_blue(*this);

    // Declaration order, as designed: the headings and labels, then the lists, then accept.
    la_main = white_label(this, {"Main operations", {8, 8, 104, 13}, left_aligned}, true);
    la_1 = white_label(this, button_labels[0], false);
    la_2 = white_label(this, button_labels[1], false);
    la_3 = white_label(this, button_labels[2], false);
    la_controls = white_label(this, {"Game controls", {336, 8, 104, 13}, right_aligned}, true);
    la_4 = white_label(this, button_labels[3], false);
    la_5 = white_label(this, button_labels[4], false);
    la_6 = white_label(this, button_labels[5], false);
    labels_ = {nullptr, la_1, la_2, la_3, la_4, la_5, la_6};
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        lists_[at(slot)] = key_list(this, list_bounds[at(slot - 1)]);
    }
    cb_1 = lists_[1];
    cb_2 = lists_[2];
    cb_3 = lists_[3];
    cb_4 = lists_[4];
    cb_5 = lists_[5];
    cb_6 = lists_[6];

    btn_accept = new QPushButton(QStringLiteral("- ACCEPT -"), this);
    btn_accept->setGeometry(183, 162, 82, 25);
    btn_accept->setFont(arial_font(label_font_px, true));
    btn_accept->setCursor(Qt::PointingHandCursor);
    // Enter is the form's own business (FormKeyDown), not the dialog's default button.
    btn_accept->setAutoDefault(false);
    connect(btn_accept, &QPushButton::clicked, this, [this] { btn_acceptClick(); });

    for (int slot = 1; slot < key_slot_count; ++slot) {
        QWidget::setTabOrder(lists_[at(slot)], lists_[at(slot + 1)]);
    }
    QWidget::setTabOrder(cb_6, btn_accept);
}

void TKeysForm::FormCreate() {
    QStringList captions;
    for (const std::string& caption : KeyDialogModel::captions())
        captions << QString::fromStdString(caption);
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        QComboBox* list = lists_[at(slot)];
        list->addItems(captions);
        list->setCurrentIndex(model_.selected(slot));
        connect(list, &QComboBox::currentIndexChanged, this, [this, slot](int position) {
            model_.select(slot, position);
            cbChange();
        });
    }
    cbChange();
}

void TKeysForm::FormActivate() {
    cb_1->setFocus(Qt::ActiveWindowFocusReason);
}

bool TKeysForm::CheckKeys() {
    const KeyConflicts& conflicts = model_.conflicts();
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        set_text_colour(*labels_[at(slot)],
                        conflicts.marked[at(slot)] ? conflict_colour : clean_colour);
    }
    return conflicts.any;
}

void TKeysForm::cbChange() {
    btn_accept->setEnabled(!CheckKeys());
}

void TKeysForm::btn_acceptClick() {
    model_.accept(keys_);
    keys_.Key_Build_Hints(images_);
    close_dialog();
}

bool TKeysForm::FormKeyDown(std::uint16_t key) {
    const std::optional<KeyDialogKey> action = key_dialog_key(key);
    if (action == KeyDialogKey::accept && btn_accept->isEnabled()) btn_acceptClick();
    if (action == KeyDialogKey::close) close_dialog();
    return action.has_value();
}

void TKeysForm::reject() {
    close_dialog();
}

void TKeysForm::close_dialog() {
    hide();
    // The keys go back to the handheld, as when a dialog closes over its owner.
    if (main_window_ && main_window_->isVisible()) main_window_->activateWindow();
}

void TKeysForm::hideEvent(QHideEvent* event) {
    // Every way of closing ends in a hide, so this is the one place the main window comes back;
    // a minimised dialog (a spontaneous hide) is still open.
    if (main_window_ && !event->spontaneous()) main_window_->setEnabled(true);
    QDialog::hideEvent(event);
}

bool TKeysForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    // The dialog belongs to the main window: a window manager keeps it above its owner and
    // lets the two go together. Told before the dialog is mapped, which follows this event.
    if (event->type() == QEvent::Show && main_window_ && main_window_->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(main_window_->windowHandle());
    }
    return QDialog::event(event);
}

void TKeysForm::owner_activated() {
    // A click on the disabled main window makes a window manager activate it, and its keyboard
    // would then be lost to the dialog; as with a disabled owner, the dialog takes both back.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) return;
        raise();
        activateWindow();
    });
}

bool TKeysForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_window_) {
        if (event->type() == QEvent::WindowActivate && isVisible()) owner_activated();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        // A key the focused list ignores travels up to the form; take it once only, where it was
        // first delivered.
        QWidget* target = focusWidget();
        if (watched != (target ? static_cast<QObject*>(target) : this)) return false;
        const std::uint16_t key = virtual_key_of(*static_cast<QKeyEvent*>(event));
        return FormKeyDown(key);
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zuzazizo
