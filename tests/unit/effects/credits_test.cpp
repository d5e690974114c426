// The credits file against the sources the effect tools take sound from: every source credited
// with the licence its package's copyright file gives it, its author and origin, and the notice
// its licence asks to be carried; and nothing credited that the tools do not use.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sound/effects/tools/licence.h"
#include "sound/effects/tools/sources.h"
#include "ui/whole_file.h"

namespace {

// One entry: from a "Package:" line to the next. Fields start a line; indented lines continue
// the field above, and "Notice:" takes every indented line after it.
struct Credit {
  std::map<std::string, std::string> fields;
  std::string field(const std::string& name) const {
    const auto found = fields.find(name);
    return found == fields.end() ? "" : found->second;
  }
};

std::vector<Credit> creditsIn(const std::string& text) {
  std::vector<Credit> credits;
  std::istringstream in(text);
  std::string line, last;
  while (std::getline(in, line)) {
    if (line.rfind("Package: ", 0) == 0) credits.emplace_back();
    if (credits.empty()) continue;
    const bool indented = !line.empty() && line[0] == ' ';
    const std::size_t colon = line.find(": ");
    if (indented || line.empty()) {
      if (!last.empty()) credits.back().fields[last] += "\n" + line;
    } else if (line == "Notice:") {
      last = "Notice";
    } else if (colon != std::string::npos) {
      last = line.substr(0, colon);
      credits.back().fields[last] = line.substr(colon + 2);
    }
  }
  return credits;
}

const Credit* creditOf(const std::vector<Credit>& credits, const EffectSource& source) {
  for (const Credit& c : credits)
    if (c.field("Package") == source.package && c.field("File") == source.copyrightName) return &c;
  return nullptr;
}

std::string copyrightFileOf(std::string_view package) {
  return readWholeFile(std::string(LANXING_TEST_SOURCES) + "/usr/share/doc/" + std::string(package) + "/copyright")
      .bytes;
}

class Credits : public ::testing::Test {
 protected:
  void SetUp() override {
    const WholeFile file = readWholeFile(LANXING_TEST_CREDITS);
    ASSERT_EQ(file.state, WholeFile::State::read) << LANXING_TEST_CREDITS;
    credits = creditsIn(file.bytes);
  }
  std::vector<Credit> credits;
};

TEST_F(Credits, EverySourceIsCreditedWithItsPackagesLicenceAuthorAndOrigin) {
  for (const EffectSource& source : kEffectSources) {
    SCOPED_TRACE(std::string(source.package) + " " + std::string(source.copyrightName));
    const Credit* credit = creditOf(credits, source);
    ASSERT_TRUE(credit) << "missing from the credits file";
    const std::string copyright = copyrightFileOf(source.package);
    ASSERT_FALSE(copyright.empty()) << "the unpacked package has no copyright file";
    EXPECT_EQ(credit->field("Licence"), licenceOf(copyright, source.copyrightName));
    EXPECT_FALSE(credit->field("Author").empty());
    EXPECT_FALSE(credit->field("Origin").empty());
    EXPECT_NE(credit->field("Effects").find("FX-"), std::string::npos);
  }
}

TEST_F(Credits, NoticesTheLicencesAskForAreCarriedInFull) {
  struct Needed {
    const char* licence;
    std::vector<const char*> words;  // the copyright line, the start and the end of the licence's text (UTF-8)
  };
  const Needed needed[] = {
      {"MIT",
       {reinterpret_cast<const char*>(u8"Copyright ©"), "Permission is hereby granted, free of charge",
        "OTHER DEALINGS IN THE SOFTWARE."}},
      {"BSD", {"Copyright (c)", "Redistribution and use in source and binary forms", "POSSIBILITY OF SUCH DAMAGE."}},
      {"CC-BY-3.0", {"creativecommons.org/licenses/by/3.0/", "changed"}},
  };
  int checked = 0;
  for (const Credit& credit : credits)
    for (const Needed& n : needed)
      if (credit.field("Licence") == n.licence) {
        ++checked;
        const std::string notice = credit.field("Notice");
        for (const char* words : n.words)
          EXPECT_NE(notice.find(words), std::string::npos) << credit.field("File") << ": " << words;
      }
  EXPECT_GE(checked, 3) << "the two soundfonts and the game data carry notices";
}

TEST_F(Credits, NothingIsCreditedThatTheToolsDoNotUse) {
  for (const Credit& credit : credits) {
    const bool used = std::any_of(kEffectSources.begin(), kEffectSources.end(), [&](const EffectSource& s) {
      return credit.field("Package") == s.package && credit.field("File") == s.copyrightName;
    });
    EXPECT_TRUE(used) << credit.field("Package") << " " << credit.field("File");
  }
}

TEST(CreditsFile, FieldsNoticesAndContinuationsAreReadAsWritten) {
  const auto read = creditsIn(
      "Heading text\nPackage: a\nFile: x\nAuthor: one,\n  two\nNotice:\n    first\n\n    second\n\n"
      "Package: b\nFile: y\nLicence: CC0\n");
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].field("Author"), "one,\n  two");
  EXPECT_NE(read[0].field("Notice").find("first"), std::string::npos);
  EXPECT_NE(read[0].field("Notice").find("second"), std::string::npos);
  EXPECT_EQ(read[0].field("Licence"), "");
  EXPECT_EQ(read[1].field("Licence"), "CC0");
  EXPECT_EQ(read[1].field("Notice"), "");
}

}  // namespace
