#include "app/WebOptions.h"

#include <string_view>

#include "app/WholeNumber.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A query's value as the browser encodes it: "+" a space, "%XX" a byte.
std::string decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

bool parseWebOptions(const std::string& query, WebOptions& options, std::string& error) {
    options = WebOptions{};
    std::string_view rest = query;
    if (!rest.empty() && rest.front() == '?') rest.remove_prefix(1);
    bool inputGiven = false;
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view{} : rest.substr(amp + 1);
        const std::size_t equals = pair.find('=');
        const std::string name = decoded(pair.substr(0, equals));
        const std::string value =
            equals == std::string_view::npos ? std::string{} : decoded(pair.substr(equals + 1));
        if (name == "input") {
            options.input = value;
            inputGiven = true;
        } else if (name == "frames") {
            options.frames = wholeNumber(value);
            if (!options.frames) {
                error = "frames takes a number of passes, 0 or more, not \"" + value + "\"";
                return false;
            }
        } else if (name == "trace" || name == "fast" || name == "stats") {
            if (value != "0" && value != "1") {
                error = name + " takes 1 or 0, not \"" + value + "\"";
                return false;
            }
            (name == "trace"  ? options.trace
             : name == "fast" ? options.fast
                              : options.stats) = value == "1";
        }
    }
    if (inputGiven && options.input.empty()) {
        error = "input needs the name of an input script";
        return false;
    }
    if (inputGiven && !options.frames) {
        error = "frames=N is needed with input, the number of passes to play";
        return false;
    }
    return true;
}
