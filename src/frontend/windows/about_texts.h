// The about box's texts. The "author" it presents is this program itself, so every value is a
// true statement about the project; the release and the addresses come from program_release.h.
#pragma once

#include <array>

#include "core/common/program_release.h"

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
    {"Birth date:", release::month},
    {"Occupation:", "LCD game simulator"},
    {"Hobby:", "keeping the time"},
}};
inline constexpr const char* website_label = "Website:";
// A page of the site the label shows.
inline constexpr const char* website_address = "http://" ZUZAZIZO_SITE "/about/";
inline constexpr const char* email_label = "Email:";

}  // namespace zuzazizo::about
