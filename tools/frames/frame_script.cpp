#include "frame_script.h"

#include <Qt>
#include <cstdio>
#include <sstream>

namespace zuzazizo {

namespace {

// A key as the script names it, as Qt's key code (the same as the virtual-key code for digits
// and letters); 0 when unknown.
int qt_key_of(const std::string& name) {
    if (name == "left") return Qt::Key_Left;
    if (name == "right") return Qt::Key_Right;
    if (name.size() != 1) return 0;
    const char c = name[0];
    if (c >= '0' && c <= '9') return Qt::Key_0 + (c - '0');
    if (c >= 'a' && c <= 'z') return Qt::Key_A + (c - 'a');
    return 0;
}

bool parse_start(std::istringstream& in, LocalTime& t) {
    std::string date;
    std::string time;
    in >> date >> time;
    return std::sscanf(date.c_str(), "%d-%d-%d", &t.year, &t.month, &t.day) == 3 &&
           std::sscanf(time.c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second) == 3;
}

// One line into the script; false when it makes no sense.
bool parse_line(const std::string& line, FrameScript& script) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word)) return true;
    if (word == "start") return parse_start(in, script.start);
    if (word == "seed") return static_cast<bool>(in >> script.seed);
    FrameStep step{};
    std::string arg;
    if (!(in >> arg)) return false;
    if (word == "wait") {
        step.kind = FrameStep::Kind::wait;
        step.ms = std::stoll(arg);
    } else if (word == "down" || word == "up") {
        step.kind = word == "down" ? FrameStep::Kind::down : FrameStep::Kind::up;
        step.qt_key = qt_key_of(arg);
        if (step.qt_key == 0) return false;
    } else if (word == "shot") {
        step.kind = FrameStep::Kind::shot;
        step.name = arg;
    } else {
        return false;
    }
    script.steps.push_back(step);
    return true;
}

}  // namespace

ParsedScript parse_frame_script(const std::string& text) {
    FrameScript script;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string code = line.substr(0, line.find('#'));
        bool ok = false;
        try {
            ok = parse_line(code, script);
        } catch (const std::exception&) {
            ok = false;
        }
        if (!ok) return {std::nullopt, "line " + std::to_string(number) + ": " + line};
    }
    return {script, {}};
}

}  // namespace zuzazizo
