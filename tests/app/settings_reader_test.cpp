// The settings reader on every byte case of settings_cases.txt, which also
// seeds the settings fuzzer.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "settings_file.h"

namespace {

// The bytes of a case, escaped as in C: \r \n \t \\ \0 \xHH.
QByteArray Unescape(const std::string& text) {
    QByteArray bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
        } else if (const char c = text[++i]; c == 'x') {
            bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
    }
    return bytes;
}

TEST(SettingsReader, FirstFieldOfEveryCase) {
    std::ifstream in(SETTINGS_CASES);
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with('#')) continue;
        const auto close = line.find('"', 1);
        ASSERT_TRUE(line.starts_with('"') && close != std::string::npos) << line;
        std::istringstream rest(line.substr(close + 1));
        std::int32_t value = 0;
        ASSERT_TRUE(rest >> value) << line;
        EXPECT_EQ(tambrel::ReadNumberField(Unescape(line.substr(1, close - 1))), value) << line;
        ++cases;
    }
    EXPECT_GT(cases, 0) << SETTINGS_CASES;
}

}  // namespace
