// The windows the main window's commands open: where they stand at their first showing and after.
#include <QEvent>

#include "form_fixture.h"
#include "frontend/app/program_shell.h"
#include "frontend/common/window_centring_qt.h"
#include "frontend/windows/about.h"
#include "frontend/windows/keys.h"
#include "frontend/windows/manual.h"

namespace zuzazizo {
namespace {

// Where a window stood as it was shown: a compositor that places shown windows itself takes
// the position a window has as it is mapped, not a move made during or after its showing.
class PlaceAtShowing final : public QObject {
  public:
    explicit PlaceAtShowing(QWidget& window) { window.installEventFilter(this); }
    QPoint place;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) place = static_cast<QWidget*>(watched)->pos();
        return false;
    }
};

// A window's position is its frame's, centred by the frame's size.
QPoint centre_for(const QWidget& window) {
    const QRect area = primary_screen_rect();
    const QSize outer = window.frameGeometry().size();
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2};
}

struct ProgramShellPlaces : FormFixture {
    ProgramShellPlaces() {
        form = make_form();
        keys = std::make_unique<TKeysForm>(form->key_bindings(), form->image_model(), form.get());
        shell = std::make_unique<ProgramShell>(about, *keys, manual);
    }
    ~ProgramShellPlaces() override {
        for (QWidget* window : std::initializer_list<QWidget*>{&about, keys.get(), &manual})
            window->hide();
    }

    TAboutForm about;
    TManualForm manual{ZUZAZIZO_BIN_DIR, ErrorReport([](const QString&) {})};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TKeysForm> keys;
    std::unique_ptr<ProgramShell> shell;
};

TEST_F(ProgramShellPlaces, AboutBoxAndManualAreCentredAsTheyFirstShowThenStayWhereLeft) {
    const std::pair<QWidget*, void (ProgramShell::*)()> windows[] = {
        {&about, &ProgramShell::show_about}, {&manual, &ProgramShell::show_manual}};
    for (const auto& [window, show] : windows) {
        const PlaceAtShowing seen(*window);
        ((*shell).*show)();
        EXPECT_EQ(seen.place, centre_for(*window)) << window->windowTitle().toStdString();
        const QPoint left_at = centre_for(*window) + QPoint(40, -30);
        window->move(left_at);
        window->hide();
        ((*shell).*show)();
        EXPECT_EQ(window->pos(), left_at) << window->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace zuzazizo
