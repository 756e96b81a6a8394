#include "frontend/windows/keys.h"

#include <QComboBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "core/input/key_dialog_layout.h"
#include "frontend/common/key_codes_qt.h"
#include "frontend/windows/dialog_style.h"

namespace zuzazizo {
namespace {

constexpr QSize client_size_px{key_dialog::client_width_px, key_dialog::client_height_px};
constexpr int label_font_px = key_dialog::font_px;
QColor windows_colour(std::uint32_t value) {
    return {red_of(value), green_of(value), blue_of(value)};
}

// The conflict marker: a label's font colour, white when its key is its own.
const QColor clean_colour = windows_colour(key_dialog::clean_colour);
const QColor conflict_colour = windows_colour(key_dialog::conflict_colour);

QRect to_qrect(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

std::size_t at(int slot) {
    return static_cast<std::size_t>(slot);
}

QLabel* white_label(QWidget* parent, const key_dialog::Label& place, bool underline) {
    QFont font = arial_font(label_font_px, true);
    font.setUnderline(underline);
    const Qt::Alignment alignment =
        (place.right_aligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    return dialog_label(parent, place.caption, to_qrect(place.bounds), font, clean_colour,
                        alignment);
}

QComboBox* key_list(QWidget* parent, const Rect& bounds) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setGeometry(to_qrect(bounds));
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
    setWindowTitle(QString::fromLatin1(key_dialog::caption));
    setFixedSize(client_size_px);
    fill_with_dialog_blue(*this);

    // Declaration order, as designed: the headings and labels, then the lists, then accept.
    const auto& button_labels = key_dialog::button_labels;
    la_main = white_label(this, key_dialog::la_main, true);
    la_1 = white_label(this, button_labels[0], false);
    la_2 = white_label(this, button_labels[1], false);
    la_3 = white_label(this, button_labels[2], false);
    la_controls = white_label(this, key_dialog::la_controls, true);
    la_4 = white_label(this, button_labels[3], false);
    la_5 = white_label(this, button_labels[4], false);
    la_6 = white_label(this, button_labels[5], false);
    labels_ = {nullptr, la_1, la_2, la_3, la_4, la_5, la_6};
    for (int slot = 1; slot <= key_slot_count; ++slot) {
        lists_[at(slot)] = key_list(this, key_dialog::list_bounds[at(slot - 1)]);
    }
    cb_1 = lists_[1];
    cb_2 = lists_[2];
    cb_3 = lists_[3];
    cb_4 = lists_[4];
    cb_5 = lists_[5];
    cb_6 = lists_[6];

    btn_accept = new QPushButton(QString::fromLatin1(key_dialog::accept_caption), this);
    btn_accept->setGeometry(to_qrect(key_dialog::accept_bounds));
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
