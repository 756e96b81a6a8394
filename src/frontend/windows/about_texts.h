// The about box's texts. The "author" it presents is this program itself, so every value is a
// true statement about the project; the addresses are our own, under the reserved example.org.
#pragma once

#include <array>

namespace zuzazizo::about {

inline constexpr const char* caption = "About the author...";

struct Row {
    const char* caption;
    const char* value;
};
// Name, birthplace, birth date, occupation, hobby; the two link rows follow.
inline constexpr std::array<Row, 5> fact_rows = {{
    {"Name:", "Zuzazizo Simulator"},
    {"Birthplace:", "its own repository"},
    {"Birth date:", "December 2026"},
    {"Occupation:", "LCD game simulator"},
    {"Hobby:", "keeping the time"},
}};
inline constexpr const char* website_label = "Website:";
inline constexpr const char* website_text = "www.example.org/zuzazizo";
// A page of the site the label shows.
inline constexpr const char* website_address = "http://www.example.org/zuzazizo/about/";
inline constexpr const char* email_label = "Email:";
inline constexpr const char* email_text = "zuzazizo@example.org";
inline constexpr const char* email_address = "mailto:zuzazizo@example.org";

}  // namespace zuzazizo::about
