// The developer tool's reading of its input: blank lines, one new entry per line, long lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "HeadlessRun.h"
#include "support/FixtureLexicon.h"
#include "WindowSession.h"

namespace ragozo::testing {
namespace {

// The tool's output for `input`, or the error it reported.
std::string run(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  if (!headless::runVerbs(in, out, err, headless::RunOptions{}, storeFixtureLexicon)) return "error: " + err.str();
  return out.str();
}

std::string lineOf(const std::string& output, const std::string& start) {
  const std::size_t at = output.find(start);
  return at == std::string::npos ? "" : output.substr(at, output.find('\n', at) - at);
}

TEST(HeadlessRun, LinesOfWhiteSpaceAloneAreSkipped) {
  const std::string output = run("\v\n\f\n \t\v\f\r\n\r\nvár\n");
  EXPECT_EQ(lineOf(output, "vár\tpresent\tr1c1"), "vár\tpresent\tr1c1\t  várok");
  EXPECT_EQ(output.find("\v"), std::string::npos);
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 23);  // one verb's lines
}

TEST(HeadlessRun, EachLineIsANewEntryEvenWhenARefusalKeptTheEntry) {
  const std::string output = run("hatik\nolvas\n");
  EXPECT_NE(output.find("hatik\tpresent\tmessage\tTörölje az 'ik' végződést!"), std::string::npos);
  EXPECT_EQ(lineOf(output, "olvas\tpresent\tr1c1"), "olvas\tpresent\tr1c1\t  olvasok");
}

TEST(HeadlessSession, TypesEveryByteEvenAfterStrayContinuationBytes) {
  WindowSession session;
  session.type("\x80\x80" "ad");
  EXPECT_EQ(session.s().entry.text, "\x80\x80" "ad");
}

}  // namespace
}  // namespace ragozo::testing
