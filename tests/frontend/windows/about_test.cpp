// The about box: its rows and links, Escape, and the links that open and then close it.
#include "frontend/windows/about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "support/qt_app.h"

namespace zuzazizo {
namespace {

class About : public ::testing::Test {
  protected:
    void SetUp() override {
        form.set_link_opener([this](const QUrl& address) { opened.push_back(address.toString()); });
    }

    QApplication& app = ensure_qapp();  // before the form
    TAboutForm form;
    std::vector<QString> opened;
};

TEST_F(About, TheDesignedRowsAtTheirPlaces) {
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "About the author...");
    EXPECT_EQ(form.size(), QSize(397, 176));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(form.im_picture->geometry(), QRect(8, 8, 116, 160));
    EXPECT_FALSE(form.im_picture->pixmap().isNull()) << "the generated picture is linked in";
    EXPECT_EQ(form.im_picture->pixmap().size(), QSize(116, 160)) << "shown at its own size";
    const std::vector<std::pair<QLabel*, const char*>> captions = {
        {form.la_name_1, "Name:"},
        {form.la_birthplace_1, "Birthplace:"},
        {form.la_birthdate_1, "Birth date:"},
        {form.la_job_1, "Occupation:"},
        {form.la_hobby_1, "Hobby:"},
        {form.la_website_1, "Website:"},
        {form.la_email_1, "Email:"}};
    int top = 8;
    for (const auto& [label, text] : captions) {
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->x(), 132);
        EXPECT_EQ(label->y(), top);
        EXPECT_FALSE(label->font().bold());
        top += 24;
    }
    EXPECT_EQ(form.la_email_2->x(), 212);
    EXPECT_TRUE(form.la_name_2->font().bold());
    EXPECT_TRUE(form.la_hobby_2->font().italic());
    for (const QLabel* link : {form.la_website_2, form.la_email_2}) {
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_TRUE(form.la_email_2->text().endsWith("@example.org"));
}

TEST_F(About, EscapeClosesAndOtherKeysDoNothing) {
    form.show();
    QTest::keyClick(&form, Qt::Key_A);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(opened.empty());
}

TEST_F(About, EachLinkOpensItsAddressAndClosesTheBox) {
    form.show();
    QTest::mouseClick(form.la_email_2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    form.show();
    QTest::mouseClick(form.la_website_2, Qt::RightButton);
    EXPECT_TRUE(form.isVisible()) << "only the left button follows a link";
    QTest::mouseClick(form.la_website_2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(opened, (std::vector<QString>{"mailto:zuzazizo@example.org",
                                            "http://www.example.org/zuzazizo/about/"}));
}

}  // namespace
}  // namespace zuzazizo
