// `TAboutForm` (module `about`): the box that presents the author, opened from the context menu.
//
// It stays above other windows and closes on Escape, on its title-bar close button or after
// either link has been followed. Components keep their designer names and are public.
#pragma once

#include <QDialog>
#include <cstdint>

#include "frontend/common/link_opener.h"

class QLabel;

namespace zuzazizo {

class TAboutForm final : public QDialog {
    Q_OBJECT

  public:
    // Created hidden, once at program start; the context menu shows it.
    explicit TAboutForm(QWidget* parent = nullptr);

    // The desktop's default handler opens the links; tests record them instead.
    void set_link_opener(LinkOpener opener) { open_link_ = std::move(opener); }

    // `key` is a Windows virtual-key code; true when the key was used.
    bool FormKeyDown(std::uint16_t key);
    void la_website_2Click();
    void la_email_2Click();

    QLabel* im_picture = nullptr;
    QLabel* la_name_1 = nullptr;
    QLabel* la_name_2 = nullptr;
    QLabel* la_birthplace_1 = nullptr;
    QLabel* la_birthplace_2 = nullptr;
    QLabel* la_birthdate_1 = nullptr;
    QLabel* la_birthdate_2 = nullptr;
    QLabel* la_job_1 = nullptr;
    QLabel* la_job_2 = nullptr;
    QLabel* la_hobby_1 = nullptr;
    QLabel* la_hobby_2 = nullptr;
    QLabel* la_website_1 = nullptr;
    QLabel* la_website_2 = nullptr;
    QLabel* la_email_1 = nullptr;
    QLabel* la_email_2 = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_components();

    LinkOpener open_link_;
};

}  // namespace zuzazizo
