#include "app/InputScript.h"

#include <charconv>
#include <limits>
#include <optional>

#include "app/Base64.h"
#include "app/CommandLineFiles.h"

namespace session {

namespace {

// The words of a line, up to its comment.
std::vector<std::string_view> wordsOf(std::string_view line) {
    const std::size_t hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

template <typename Number>
std::optional<Number> number(std::string_view word, Number low, Number high) {
    Number value{};
    const char* end = word.data() + word.size();
    const auto [at, failure] = std::from_chars(word.data(), end, value);
    if (failure != std::errc{} || at != end || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> upOrDown(std::string_view word) {
    if (word == "down") return true;
    if (word == "up") return false;
    return std::nullopt;
}

// The events a line can hold, by their first words, with the number of words in all.
struct Form {
    std::string_view first;
    std::string_view second;
    std::size_t words;
    std::string_view shape;
};
constexpr Form forms[] = {
    {"close", "", 2, "PASS close"},
    {"key", "", 4, "PASS key CODE down|up"},
    {"mouse", "move", 5, "PASS mouse move DX DY"},
    {"mouse", "button", 5, "PASS mouse button B down|up"},
    {"joystick", "axes", 5, "PASS joystick axes X Y"},
    {"joystick", "button", 5, "PASS joystick button B down|up"},
    {"controls", "", 3, "PASS controls BASE64|-"},
};

// The event's form, or what is wrong with its words.
const Form* formOf(const std::vector<std::string_view>& w, std::string& what) {
    for (const Form& f : forms) {
        if (w[1] != f.first || (!f.second.empty() && (w.size() < 3 || w[2] != f.second))) continue;
        if (w.size() > f.words) {
            what = "\"" + std::string(w[f.words]) + "\" is one word too many for \"" +
                   std::string(f.shape) + "\"";
        } else if (w.size() < f.words) {
            what = "too few words for \"" + std::string(f.shape) + "\"";
        } else {
            return &f;
        }
        return nullptr;
    }
    const bool twoWords = (w[1] == "mouse" || w[1] == "joystick") && w.size() > 2;
    what =
        "unknown event \"" + std::string(w[1]) + (twoWords ? " " + std::string(w[2]) : "") + "\"";
    return nullptr;
}

// One event from the words after its pass number, or a description of what is wrong.
std::optional<ScriptEvent> event(const std::vector<std::string_view>& w, std::string& what) {
    using Kind = ScriptEvent::Kind;
    const Form* form = formOf(w, what);
    if (form == nullptr) return std::nullopt;
    ScriptEvent e;
    if (w[1] == "close") {
        e.kind = Kind::close;
        return e;
    }
    if (w[1] == "key") {
        const auto code = number(w[2], 0, 255);
        const auto down = upOrDown(w[3]);
        if (!code) what = "a key code is 0 to 255";
        if (!down) what = "a key goes down or up";
        if (!code || !down) return std::nullopt;
        e = {0, Kind::key, *code, 0, *down};
        return e;
    }
    if (w[2] == "move") {
        const auto dx = number(w[3], -1000000, 1000000);
        const auto dy = number(w[4], -1000000, 1000000);
        if (!dx || !dy) {
            what = "mouse motion is two whole numbers";
            return std::nullopt;
        }
        e = {0, Kind::mouseMove, *dx, *dy, false};
        return e;
    }
    if (w[2] == "button") {
        const bool mouse = w[1] == "mouse";
        const auto button = number(w[3], 0, mouse ? 3 : 9);
        const auto down = upOrDown(w[4]);
        if (!button) what = mouse ? "a mouse button is 0 to 3" : "a joystick button is 0 to 9";
        if (!down) what = "a button goes down or up";
        if (!button || !down) return std::nullopt;
        e = {0, mouse ? Kind::mouseButton : Kind::joystickButton, *button, 0, *down};
        return e;
    }
    const auto x = number(w[3], -32768, 32767);
    const auto y = number(w[4], -32768, 32767);
    if (!x || !y) {
        what = "joystick axes are -32768 to 32767";
        return std::nullopt;
    }
    e = {0, Kind::joystickAxes, *x, *y, false};
    return e;
}

}  // namespace

bool parseInputScript(std::string_view text, InputScript& script, std::string& error) {
    script = InputScript{};
    const bool recording = text.substr(0, recordingMark.size()) == recordingMark;
    std::uint64_t lastPass = 0;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const bool cutOff = end == std::string_view::npos;
        text = cutOff ? std::string_view{} : text.substr(end + 1);
        const std::vector<std::string_view> words = wordsOf(line);
        if (words.empty()) continue;
        const auto fail = [&](const std::string& what) {
            if (cutOff && recording) return true;
            error = "line " + std::to_string(lineNumber) + ": " + what;
            script = InputScript{};
            return false;
        };
        const auto pass =
            number<std::uint64_t>(words[0], 0, std::numeric_limits<std::uint64_t>::max());
        if (!pass) return fail("a line starts with its pass number, 0 or more");
        if (*pass < lastPass) return fail("passes must not go backwards");
        if (words.size() < 2) return fail("a pass number needs an event after it");
        std::string what;
        if (words[1] == "controls" && formOf(words, what) != nullptr) {
            ControlsRead read{*pass, std::nullopt};
            if (words[2] != "-") {
                read.file = decodeBase64(words[2]);
                if (!read.file) return fail("a controls line carries base64 bytes, or \"-\"");
            }
            lastPass = *pass;
            script.controls.push_back(std::move(read));
            continue;
        }
        std::optional<ScriptEvent> e = event(words, what);
        if (!e) return fail(what);
        e->pass = *pass;
        lastPass = *pass;
        script.usesJoystick = script.usesJoystick || e->kind == ScriptEvent::Kind::joystickAxes ||
                              e->kind == ScriptEvent::Kind::joystickButton;
        script.events.push_back(*e);
    }
    return true;
}

bool readInputScript(const std::string& file, InputScript& script, std::string& error) {
    std::string text;
    std::string why;
    if (!readPlainFile(file, text, why)) {
        error = "cannot read the input script \"" + file + "\"" + (why.empty() ? "" : ": " + why);
        return false;
    }
    if (parseInputScript(text, script, error)) return true;
    error = file + ": " + error;
    return false;
}

std::string scriptLine(const ScriptEvent& e) {
    using Kind = ScriptEvent::Kind;
    const std::string pass = std::to_string(e.pass) + " ";
    const std::string state = e.down ? " down" : " up";
    switch (e.kind) {
        case Kind::key:
            return pass + "key " + std::to_string(e.a) + state;
        case Kind::mouseMove:
            return pass + "mouse move " + std::to_string(e.a) + " " + std::to_string(e.b);
        case Kind::mouseButton:
            return pass + "mouse button " + std::to_string(e.a) + state;
        case Kind::joystickAxes:
            return pass + "joystick axes " + std::to_string(e.a) + " " + std::to_string(e.b);
        case Kind::joystickButton:
            return pass + "joystick button " + std::to_string(e.a) + state;
        case Kind::close:
            break;
    }
    return pass + "close";
}

std::string scriptLine(const ControlsRead& read) {
    return std::to_string(read.pass) + " controls " + (read.file ? encodeBase64(*read.file) : "-");
}

}  // namespace session
