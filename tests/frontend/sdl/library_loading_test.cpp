// SDL and its mixer loaded on demand: what the player is told when one is missing or too old.
#include <gtest/gtest.h>

#include <QLibrary>
#include <functional>
#include <optional>
#include <string>

#include "frontend/sdl/mixer_library.h"
#include "frontend/sdl/sdl_library.h"

namespace zuzazizo {
namespace {

::testing::AssertionResult mentions(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text << "\" does not mention \"" << part << '"';
}

constexpr const char* missing_name = "zuzazizo-no-such-library";

// Loads with `load` from `library` and returns the problem; the load must have failed.
template <typename Table>
std::string failed_load(std::optional<Table> (*load)(QLibrary&, std::string&), QLibrary& library) {
    std::string problem;
    const std::optional<Table> table = load(library, problem);
    EXPECT_FALSE(table.has_value());
    return problem;
}

TEST(LibraryLoading, AMissingLibraryIsNamedWithTheVersionToInstall) {
    struct Case {
        const char* package;
        std::function<std::string(QLibrary&)> load;
        const char* minimum;
    };
    const Case cases[] = {
        {"SDL2", [](QLibrary& l) { return failed_load(&load_sdl_library, l); }, "2.24.0"},
        {"SDL2_mixer", [](QLibrary& l) { return failed_load(&load_mixer_library, l); }, "2.0.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.package);
        QLibrary missing(QString::fromLatin1(missing_name));
        const std::string problem = c.load(missing);
        EXPECT_TRUE(mentions(
            problem, std::string("The sound library ") + c.package + " could not be loaded"));
        EXPECT_TRUE(mentions(problem, missing_name)) << "the file looked for is named";
        EXPECT_TRUE(
            mentions(problem, std::string("Please install ") + c.package + " " + c.minimum));
        EXPECT_FALSE(mentions(problem, "Sound folder"));
    }
}

TEST(LibraryLoading, ALibraryWithoutOurFunctionsIsTooOldAndTheFunctionIsNamed) {
    // SDL itself has none of the mixer's functions: to the loader it is a mixer older than any
    // that would do.
    QLibrary sdl_posing_as_mixer(QStringLiteral("SDL2-2.0"), 0);
    const std::string problem = failed_load(&load_mixer_library, sdl_posing_as_mixer);
    EXPECT_TRUE(mentions(problem, "The sound library SDL2_mixer"));
    EXPECT_TRUE(mentions(problem, "libSDL2-2.0.so.0")) << "the file that was too old is named";
    EXPECT_TRUE(mentions(problem, "is too old: it has no Mix_OpenAudioDevice."));
    EXPECT_TRUE(mentions(problem, "Please install SDL2_mixer 2.0.2 or newer."));
}

TEST(LibraryLoading, ThisMachinesLibrariesLoadWithoutAProblem) {
    ASSERT_NE(sdl_library(), nullptr) << sdl_library_problem();
    EXPECT_EQ(sdl_library_problem(), "");
    ASSERT_NE(mixer_library(), nullptr) << mixer_library_problem();
    EXPECT_EQ(mixer_library_problem(), "");
}

TEST(LibraryLoading, SubsystemStartsAndStopsStillReachSdl) {
    // The table's start and stop are our own locked wrappers around SDL's.
    const SdlLibrary* sdl = sdl_library();
    ASSERT_NE(sdl, nullptr);
    const bool was_running = SDL_WasInit(SDL_INIT_EVENTS) != 0;
    ASSERT_EQ(sdl->init_subsystem(SDL_INIT_EVENTS), 0);
    EXPECT_TRUE(SDL_WasInit(SDL_INIT_EVENTS));
    sdl->quit_subsystem(SDL_INIT_EVENTS);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVENTS) != 0, was_running);
}

}  // namespace
}  // namespace zuzazizo
