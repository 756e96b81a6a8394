#include "core/settings/settings_store.h"

#include <gtest/gtest.h>

#include "core/common/int_text.h"

namespace zuzazizo {
namespace {

TEST(IntegerText, AcceptsBlanksSignsDecimalAndBothHexForms) {
    EXPECT_EQ(parse_int_text("42"), 42);
    EXPECT_EQ(parse_int_text("  -7"), -7);
    EXPECT_EQ(parse_int_text("+15"), 15);
    EXPECT_EQ(parse_int_text(" $64"), 100);
    EXPECT_EQ(parse_int_text("0x1F"), 31);
    EXPECT_EQ(parse_int_text("0X1f"), 31);
    EXPECT_EQ(parse_int_text("$00ff00ff"), 0x00ff00ff);
    EXPECT_EQ(parse_int_text("$FFFFFFFF"), -1);
    EXPECT_EQ(parse_int_text("2147483647"), 2147483647);
    EXPECT_EQ(parse_int_text("-2147483648"), INT32_MIN);
}

TEST(IntegerText, RejectsEverythingElse) {
    for (const char* text : {"", " ", "abc", "12a", "1 ", "$", "0x", "--1", "1.5", "99999999999",
                             "2147483648", "$100000000", "Center", "x10"}) {
        EXPECT_FALSE(parse_int_text(text).has_value()) << '"' << text << '"';
    }
}

struct Store : ::testing::Test {
    MemorySettingsBackend backend;
    SettingsStore store{backend};
};

TEST_F(Store, ReadsTextAsIntegersAndBooleansWithDefaults) {
    backend.values = {{"A", "2"},    {"B", "abc"},  {"C", "0"},
                      {"H", " $64"}, {"X", "0x1F"}, {"Big", "99999999999"}};
    EXPECT_TRUE(store.read_bool("A", false));
    EXPECT_TRUE(store.read_bool("B", true));
    EXPECT_FALSE(store.read_bool("B", false));
    EXPECT_FALSE(store.read_bool("C", true));
    EXPECT_EQ(store.read_integer("H", 0), 100);
    EXPECT_EQ(store.read_integer("X", 0), 31);
    EXPECT_EQ(store.read_integer("Big", -1), -1);
    EXPECT_EQ(store.read_integer("Absent", 39), 39);
}

TEST_F(Store, WritesDecimalAndOneOrZero) {
    store.write_integer("HiScore1", 1230);
    store.write_integer("SoundMode", -1);
    store.write_bool("SplashScreen", true);
    store.write_bool("FullscreenMode", false);
    EXPECT_EQ(backend.values["HiScore1"], "1230");
    EXPECT_EQ(backend.values["SoundMode"], "-1");
    EXPECT_EQ(backend.values["SplashScreen"], "1");
    EXPECT_EQ(backend.values["FullscreenMode"], "0");
}

TEST_F(Store, AFailedWriteIsReportedOnceAndReadsStillWork) {
    int reports = 0;
    store.set_failure_handler([&](const std::string&) { ++reports; });
    backend.values["HiScore1"] = "500";
    backend.fail_writes = true;
    store.write_integer("HiScore1", 900);
    store.write_integer("HiScore2", 900);
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(store.write_failed());
    EXPECT_EQ(store.read_integer("HiScore1", 0), 500);
}

}  // namespace
}  // namespace zuzazizo
