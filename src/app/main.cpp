// Program start: the five windows, created once in their fixed order, then the event loop.
#include <QApplication>
#include <cfenv>

#include "app/unit1.h"
#include "windows/about.h"
#include "windows/keys.h"
#include "windows/manual.h"
#include "windows/splash.h"

namespace {

// The sound layer and the painting code must never trap on a floating-point exception, so every
// exception is masked for the whole run and the caller's environment restored at the end.
class MaskedFloatingPoint {
  public:
    MaskedFloatingPoint() { std::feholdexcept(&saved_); }
    ~MaskedFloatingPoint() { std::fesetenv(&saved_); }
    MaskedFloatingPoint(const MaskedFloatingPoint&) = delete;
    MaskedFloatingPoint& operator=(const MaskedFloatingPoint&) = delete;

  private:
    std::fenv_t saved_{};
};

}  // namespace

int main(int argc, char* argv[]) {
    MaskedFloatingPoint floating_point;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString());

    zuzazizo::TForm1 form1;
    zuzazizo::TAboutForm about_form;
    zuzazizo::TKeysForm keys_form;
    zuzazizo::TManualForm manual_form;
    zuzazizo::TSplashForm splash_form(form1, form1.settings());
    form1.set_splash(&splash_form);

    if (!form1.terminating()) form1.show();
    return QApplication::exec();
}
