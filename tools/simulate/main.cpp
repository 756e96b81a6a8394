// zuzazizo_simulate: plays games on the virtual clock with the bot and prints what happened.
//
//   zuzazizo_simulate [--games N] [--hours H] [--seed S] [--error-rate R] [--silent-rate R]
//                     [--game a|b|alternate]
//
// With neither --games nor --hours it plays 100 games.
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "session.h"

namespace {

using zuzazizo::bot::BotGames;
using zuzazizo::bot::BotOptions;
using zuzazizo::simulate::Session;
using zuzazizo::simulate::SessionLimits;
using zuzazizo::simulate::SessionStats;

constexpr std::int64_t default_games = 100;
constexpr double ms_per_hour = 3600.0 * 1000.0;

struct Options {
    SessionLimits limits;
    BotOptions bot;
    std::uint32_t seed = 1;
};

std::optional<double> number(std::string_view text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(std::string(text), &used);
        if (used != text.size() || value < 0) return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<BotGames> games_choice(std::string_view text) {
    if (text == "a") return BotGames::only_a;
    if (text == "b") return BotGames::only_b;
    if (text == "alternate") return BotGames::alternate;
    return std::nullopt;
}

// Applies one "--name value" pair; false when either is not understood.
bool apply(Options& options, std::string_view name, std::string_view value) {
    if (name == "--game") {
        const auto games = games_choice(value);
        if (games) options.bot.games = *games;
        return games.has_value();
    }
    const auto v = number(value);
    if (!v) return false;
    if (name == "--games") {
        options.limits.games = static_cast<std::int64_t>(*v);
    } else if (name == "--hours") {
        options.limits.simulated_ms = static_cast<std::int64_t>(*v * ms_per_hour);
    } else if (name == "--seed") {
        options.seed = static_cast<std::uint32_t>(*v);
    } else if (name == "--error-rate" && *v <= 1.0) {
        options.bot.error_rate = *v;
    } else if (name == "--silent-rate" && *v <= 1.0) {
        options.bot.silent_rate = *v;
    } else {
        return false;
    }
    return true;
}

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc || !apply(options, argv[i], argv[i + 1])) return std::nullopt;
    }
    if (options.limits.games == 0 && options.limits.simulated_ms == 0) {
        options.limits.games = default_games;
    }
    options.bot.seed = options.seed + 1;  // the bot's dice apart from the handheld's coin
    return options;
}

void report(const SessionStats& s, double cpu_s) {
    const double mean = s.games_ended > 0 ? static_cast<double>(s.score_sum) / s.games_ended : 0;
    const double hours = static_cast<double>(s.simulated_ms) / ms_per_hour;
    std::printf("games ended      %lld\n", static_cast<long long>(s.games_ended));
    std::printf("mean score       %.1f\n", mean);
    std::printf("max score        %d\n", s.best_score);
    std::printf("strikes          %lld\n", static_cast<long long>(s.strikes));
    std::printf("misses           %lld\n", static_cast<long long>(s.misses));
    std::printf("bonuses          %lld\n", static_cast<long long>(s.bonuses));
    std::printf("play ticks       %lld\n", static_cast<long long>(s.ticks));
    std::printf("timer events     %llu\n", static_cast<unsigned long long>(s.events));
    std::printf("samples started  %lld\n", static_cast<long long>(s.samples_played));
    std::printf("simulated time   %.3f h (%lld ms)\n", hours,
                static_cast<long long>(s.simulated_ms));
    std::printf("CPU time         %.3f s\n", cpu_s);
    if (cpu_s > 0) {
        std::printf("ticks per CPU s  %.0f\n", static_cast<double>(s.ticks) / cpu_s);
        std::printf("speed-up         %.0fx\n",
                    static_cast<double>(s.simulated_ms) / 1000.0 / cpu_s);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: zuzazizo_simulate [--games N] [--hours H] [--seed S] "
                     "[--error-rate R] [--silent-rate R] [--game a|b|alternate]\n");
        return 2;
    }
    Session session(options->seed, options->bot);
    const std::clock_t cpu_start = std::clock();
    const SessionStats stats = session.run(options->limits);
    const double cpu_s = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    report(stats, cpu_s);
    return 0;
}
