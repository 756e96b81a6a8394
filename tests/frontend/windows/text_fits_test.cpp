// Every caption of the splash screen, the key dialog and the about box fits the rectangle it was
// designed for, measured in the font the program actually shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include "frontend/windows/about.h"
#include "frontend/windows/dialog_style.h"
#include "frontend/windows/keys.h"
#include "frontend/windows/splash.h"
#include "support/idle_splash_host.h"
#include "support/qt_app.h"

namespace zuzazizo {
namespace {

using SilentHost = testing::IdleSplashHost;

int text_width(const QWidget& widget, const QString& text) {
    return QFontMetrics(widget.font()).horizontalAdvance(text);
}

// The texts that do not fit, each with its width and the width it was given.
std::vector<std::string> clipped_labels(const QWidget& window) {
    std::vector<std::string> clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const int needed = text_width(*label, label->text());
        const int height = QFontMetrics(label->font()).height();
        if (needed > label->contentsRect().width() || height > label->contentsRect().height() + 2) {
            clipped.push_back(label->text().toStdString() + ": " + std::to_string(needed) + "x" +
                              std::to_string(height) + " in " +
                              std::to_string(label->contentsRect().width()) + "x" +
                              std::to_string(label->contentsRect().height()));
        }
    }
    return clipped;
}

TEST(TextFits, ArialResolvesToAFontWithItsMetrics) {
    ensure_qapp();
    const QString family = QFontInfo(arial_font(12)).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

TEST(TextFits, NoCaptionOfTheSplashScreenIsClipped) {
    ensure_qapp();
    SilentHost host;
    MemorySettingsBackend backend;
    SettingsStore settings(backend);
    const TSplashForm splash(host, settings);
    EXPECT_EQ(clipped_labels(splash), std::vector<std::string>{});
    const QCheckBox& check = *splash.chb_splashscreen;
    // The indicator and its spacing come before the text.
    EXPECT_LT(text_width(check, check.text()) + 24, check.width());
    for (int i = 0; i < splash.cb_sound->count(); ++i) {
        EXPECT_LT(text_width(*splash.cb_sound, splash.cb_sound->itemText(i)),
                  splash.cb_sound->width() - 20)
            << splash.cb_sound->itemText(i).toStdString();
    }
}

TEST(TextFits, NoCaptionOfTheKeyDialogIsClipped) {
    ensure_qapp();
    MemorySettingsBackend backend;
    SettingsStore settings(backend);
    KeyBindings keys(settings);
    keys.Key_Build_Names();
    keys.Key_Load_Bindings();
    ImageModel images;
    const TKeysForm dialog(keys, images, nullptr);
    EXPECT_EQ(clipped_labels(dialog), std::vector<std::string>{});
    EXPECT_LT(text_width(*dialog.btn_accept, dialog.btn_accept->text()),
              dialog.btn_accept->width());
    for (int i = 0; i < dialog.cb_1->count(); ++i) {
        EXPECT_LT(text_width(*dialog.cb_1, dialog.cb_1->itemText(i)), dialog.cb_1->width() - 20)
            << dialog.cb_1->itemText(i).toStdString();
    }
}

TEST(TextFits, NoCaptionOfTheAboutBoxIsClipped) {
    ensure_qapp();
    const TAboutForm about;
    EXPECT_EQ(clipped_labels(about), std::vector<std::string>{});
}

}  // namespace
}  // namespace zuzazizo
