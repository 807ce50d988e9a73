#include "qt/qt_date_format.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace zelvane::qt {
namespace {

struct Token {
    std::string text;  // the pattern letters, or literal text
    bool literal = false;
};

bool isPatternLetter(char c) {
    return std::string_view("yMdhHmsS").find(c) != std::string_view::npos;
}

// Splits a pattern into runs of one letter and literal text.
std::vector<Token> tokenize(std::string_view p, bool& twelveHour) {
    std::vector<Token> out;
    for (std::size_t i = 0; i < p.size();) {
        if (p.substr(i, 5) == "AM/PM" || p.substr(i, 5) == "am/pm") {
            twelveHour = true;
            out.push_back({"AP", false});
            i += 5;
        } else if (p[i] == '"') {
            std::size_t end = p.find('"', i + 1);
            if (end == std::string_view::npos) end = p.size();
            out.push_back({std::string(p.substr(i + 1, end - i - 1)), true});
            i = end + 1;
        } else if (p[i] == '\\' && i + 1 < p.size()) {
            out.push_back({std::string(1, p[i + 1]), true});
            i += 2;
        } else if (isPatternLetter(p[i])) {
            std::size_t j = i;
            while (j < p.size() && p[j] == p[i]) ++j;
            out.push_back({std::string(p.substr(i, j - i)), false});
            i = j;
        } else {
            out.push_back({std::string(1, p[i]), true});
            ++i;
        }
    }
    return out;
}

bool isHour(const Token& t) { return !t.literal && (t.text[0] == 'h' || t.text[0] == 'H'); }
bool isSecond(const Token& t) { return !t.literal && t.text[0] == 's'; }

// m is minutes when the nearest field before it is an hour or the nearest after it is seconds.
bool isMinute(const std::vector<Token>& tokens, std::size_t at) {
    for (std::size_t i = at; i-- > 0;)
        if (!tokens[i].literal) {
            if (isHour(tokens[i])) return true;
            break;
        }
    for (std::size_t i = at + 1; i < tokens.size(); ++i)
        if (!tokens[i].literal) return isSecond(tokens[i]);
    return false;
}

// Literal text needs quotes only where Qt would read letters as fields.
QString quoted(const std::string& text) {
    QString s = QString::fromStdString(text);
    const bool hasLetter = std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
    if (!hasLetter && !s.contains('\'')) return s;
    s.replace("'", "''");
    return "'" + s + "'";
}

QString convert(const std::vector<Token>& tokens, std::size_t at, bool twelveHour) {
    const Token& t = tokens[at];
    if (t.literal) return quoted(t.text);
    const char c = t.text[0];
    const auto n = static_cast<int>(t.text.size());
    switch (c) {
        case 'y':
            return n >= 3 ? "yyyy" : "yy";
        case 'M':
            return QString(std::min(n, 4), 'M');
        case 'd':
            return QString(std::min(n, 4), 'd');
        case 'h':
        case 'H':
            return twelveHour ? (n >= 2 ? "hh" : "h") : (n >= 2 ? "HH" : "H");
        case 'm':
            if (isMinute(tokens, at)) return n >= 2 ? "mm" : "m";
            return QString(std::min(n, 4), 'M');
        case 's':
            return n >= 2 ? "ss" : "s";
        case 'S':
            return "z";
        default:
            return t.text == "AP" ? "AP" : quoted(t.text);
    }
}

}  // namespace

QString toQtDateFormat(std::string_view pattern) {
    if (pattern.empty()) return "yyyy-MM-dd HH:mm:ss";
    bool twelveHour = false;
    const std::vector<Token> tokens = tokenize(pattern, twelveHour);
    QString out;
    for (std::size_t i = 0; i < tokens.size(); ++i) out += convert(tokens, i, twelveHour);
    return out;
}

}  // namespace zelvane::qt
