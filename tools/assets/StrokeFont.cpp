#include "assets/StrokeFont.h"

#include <cctype>

namespace assets {

namespace {

// Each glyph lives on a grid 4 wide and 6 tall. A stroke is a run of digit pairs (x then y);
// strokes are separated by spaces.
std::string_view strokes(char c) {
    switch (c) {
        case 'A':
            return "0602204246 0444";
        case 'B':
            return "06003041423303 3344453606";
        case 'C':
            return "4130100105163645";
        case 'D':
            return "06003041453606";
        case 'E':
            return "40000646 0333";
        case 'F':
            return "400006 0333";
        case 'G':
            return "41301001051636454323";
        case 'H':
            return "0006 4046 0343";
        case 'I':
            return "1030 2026 1636";
        case 'J':
            return "4045361605";
        case 'K':
            return "0006 4004 1346";
        case 'L':
            return "000646";
        case 'M':
            return "0600234046";
        case 'N':
            return "06004640";
        case 'O':
            return "103041453616050110";
        case 'P':
            return "06003041423303";
        case 'Q':
            return "103041453616050110 2446";
        case 'R':
            return "06003041423303 2346";
        case 'S':
            return "413010010213334445361605";
        case 'T':
            return "0040 2026";
        case 'U':
            return "000516364540";
        case 'V':
            return "002640";
        case 'W':
            return "0016233640";
        case 'X':
            return "0046 4006";
        case 'Y':
            return "0023 4023 2326";
        case 'Z':
            return "00400646";
        case '0':
            return "103041453616050110 4105";
        case '1':
            return "112026 1636";
        case '2':
            return "01103041420646";
        case '3':
            return "0110304142334445361605 1333";
        case '4':
            return "36300444";
        case '5':
            return "400003334445361605";
        case '6':
            return "30100105163645443303";
        case '7':
            return "004016";
        case '8':
            return "13020110304142331304051636454433";
        case '9':
            return "43130201103041453616";
        case '-':
            return "1333";
        case '.':
            return "2526";
        case ':':
            return "2122 2526";
        case '/':
            return "0640";
        default:
            return "";
    }
}

constexpr double advanceUnits = 6.0;

}  // namespace

void textPath(cairo_t* cr, std::string_view text, Vec2 at, double height) {
    const double unit = height / 6.0;
    double x = at.x;
    for (char raw : text) {
        const std::string_view s =
            strokes(static_cast<char>(std::toupper(static_cast<unsigned char>(raw))));
        bool penDown = false;
        std::size_t i = 0;
        while (i < s.size()) {
            if (s[i] == ' ' || i + 1 == s.size()) {
                penDown = false;
                ++i;
                continue;
            }
            const Vec2 p{x + (s[i] - '0') * unit, at.y + (s[i + 1] - '0') * unit};
            if (penDown) {
                cairo_line_to(cr, p.x, p.y);
            } else {
                cairo_move_to(cr, p.x, p.y);
                penDown = true;
            }
            i += 2;
        }
        x += advanceUnits * unit;
    }
}

double textWidth(std::string_view text, double height) {
    if (text.empty()) return 0;
    return (static_cast<double>(text.size()) * advanceUnits - 2.0) * height / 6.0;
}

}  // namespace assets
