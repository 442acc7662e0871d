// The script language: number reading, the verbs' output forms, and every
// kind of bad line ending the run with FILE:LINE and its reason.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "host/script.h"
#include "tests/fixtures/host_fixture.h"

namespace drennomar::host {
namespace {

TEST(ScriptNumbers, IntegersAreDecimalOrHexAndReadWhole) {
    struct Case {
        const char* text;
        bool ok;
        long long value;
    } cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-7", true, -7},
        {"+7", true, 7},
        {"0x2F0", true, 0x2F0},
        {"0X2f0", true, 0x2F0},
        {"-0x10", true, -16},
        {"9223372036854775807", true, LLONG_MAX},
        {"-9223372036854775808", true, LLONG_MIN},
        {"9223372036854775808", false, 0},
        {"99999999999999999999999", false, 0},
        {"0x", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"12abc", false, 0},
        {"1.0", false, 0},
        {"0x1G", false, 0},
        {" 1", false, 0},
        {"1e3", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        long long v = 0;
        EXPECT_EQ(ParseInteger(c.text, &v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(ScriptNumbers, RealsAreCSyntaxAndOutOfRangeIsAnError) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"0", true, 0.0},
        {"-1e20", true, -1e20},
        {"2.5", true, 2.5},
        {".5", true, 0.5},
        {"0x10", true, 16.0},
        {"inf", true, std::numeric_limits<double>::infinity()},
        {"-inf", true, -std::numeric_limits<double>::infinity()},
        {"1e999", false, 0.0},
        {"-1e999", false, 0.0},
        {"1e-999", false, 0.0},
        {"4.9406564584124654e-324", true, std::numeric_limits<double>::denorm_min()},
        {"-1e-310", true, -1e-310},
        {"0x1p-1080", false, 0.0},
        {"", false, 0.0},
        {"abc", false, 0.0},
        {"1.5x", false, 0.0},
        {" 1", false, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double v = 0.0;
        EXPECT_EQ(ParseReal(c.text, &v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
    double v = 0.0;
    EXPECT_TRUE(ParseReal("nan", &v));
    EXPECT_TRUE(std::isnan(v));
}

class Script : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&FixtureLinkage, FixtureImportTable, "Fixture", &error))
            << error;
        AddAllVerbs(interpreter);
    }

    /// Runs `text` as the script "t.panel"; returns whether it ran whole.
    bool Run(const std::string& text) {
        std::istringstream in(text);
        return interpreter.RunStream(in, "t.panel");
    }

    PanelHost panel;
    std::vector<std::string> out;
    std::vector<std::string> err;
    ScriptInterpreter interpreter{panel, [this](std::string_view l) { out.emplace_back(l); },
                                  [this](std::string_view l) { err.emplace_back(l); }};
};

TEST_F(Script, CommentsStartAtAWordThatBeginsWithAHash) {
    ASSERT_TRUE(
        Run("# a comment line\n"
            "   # an indented one\n"
            "\n"
            "named A#B 2 # a trailing comment\n"
            "print named A#B\n"
            "echo   hello   there  # not this\n"
            "echo\n"
            "echo #\n"))
        << err.at(0);
    EXPECT_EQ(out, (std::vector<std::string>{"2", "hello   there", "", ""}));
}

// Each bad line stops the run with FILE:LINE: what is wrong, after the
// lines before it ran and before the lines after it.
TEST_F(Script, BadLinesStopTheRunAndSayWhatIsWrong) {
    struct Case {
        const char* line;
        const char* message;
    } cases[] = {
        {"frobnicate", "unknown verb 'frobnicate'"},
        {"place Nowhere", "unknown gauge 'Nowhere'"},
        {"place Other!Dial", "unknown module 'Other' in 'Other!Dial'"},
        {"place Dial#2", "place takes a gauge name, not a placement: 'Dial#2'"},
        {"place", "missing gauge name"},
        {"place Dial 1", "missing y"},
        {"place Dial x 2", "malformed x 'x': not an integer"},
        {"place Dial 1 2 0", "width 0 is out of range (1 to 2147483647)"},
        {"place Dial 1 2 3 4 5", "unexpected argument '5'"},
        {"place Dial 2147483648 0", "x 2147483648 is out of range (-2147483648 to 2147483647)"},
        {"update Plain", "Plain is not placed"},
        {"update Dial#2", "Dial#2 is not placed"},
        {"update Dial#x", "malformed placement number in 'Dial#x'"},
        {"update Dial#0", "malformed placement number in 'Dial#0'"},
        {"token", "missing token"},
        {"token 0x53", "missing value"},
        {"token -1 1", "token -1 is out of range (0 to 4294967295)"},
        {"token 0x100000000 1", "token 0x100000000 is out of range (0 to 4294967295)"},
        {"token 1 abc", "malformed value 'abc': not a number, or out of range"},
        {"token 1 1e999", "malformed value '1e999': not a number, or out of range"},
        {"named X", "missing value"},
        {"print", "missing what to print (token or named)"},
        {"print tokens 1", "print takes token or named, not 'tokens'"},
        {"print token", "missing token"},
        {"callback Plain", "Plain has no gauge callback"},
        {"callback Dial 1.5", "malformed service code '1.5': not an integer"},
        {"run -1", "frame count -1 is out of range (0 to 9223372036854775807)"},
        {"run", "missing frame count"},
        {"click Dial 1", "missing y"},
        {"tooltip Dial", "missing x"},
        {"text Dial 7", "element index 7 is out of range (Dial has 7 elements)"},
        {"value Dial -1", "element index -1 is out of range (Dial has 7 elements)"},
        {"value Dial one", "malformed element index 'one': not an integer"},
        {"flags Dial", "missing element index"},
        {"angle Dial 3", "angle takes a needle element"},
        {"offset Dial 1", "offset takes a slider element"},
        {"icon Dial 1", "icon takes an icon element"},
        {"fail 0 on", "failure key 0 is out of range (1 to 4294967295)"},
        {"fail 20 maybe", "failure state must be on or off, not 'maybe'"},
        {"fail 20", "missing failure state"},
        {"trace", "missing trace state"},
        {"dump Nowhere", "unknown gauge 'Nowhere'"},
        {"dump", "missing gauge name"},
        {"draw Dial x", "malformed phase 'x': not an integer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        out.clear();
        err.clear();
        EXPECT_FALSE(Run(std::string("place Dial\necho before\n") + c.line + "\necho after\n"));
        EXPECT_EQ(out, std::vector<std::string>{"before"});
        EXPECT_EQ(err, std::vector<std::string>{std::string("t.panel:3: ") + c.message});
        panel.UnloadModule();
        std::string error;
        ASSERT_TRUE(panel.AttachModule(&FixtureLinkage, FixtureImportTable, "Fixture", &error));
    }
}

TEST_F(Script, VerbsCanBeAdded) {
    interpreter.AddVerb("twice", [](VerbCall& call) {
        call.AtMost(1);
        std::string word(call.Word(0, "word"));
        call.Print(word + word);
    });
    ASSERT_TRUE(Run("twice ab\n"));
    EXPECT_EQ(out, std::vector<std::string>{"abab"});
}

}  // namespace
}  // namespace drennomar::host
